#include "catalogue.h"
#include "test_support.h"

#include <QRegularExpression>
#include <QSet>
#include <QTest>

#include <algorithm>

using Values = std::vector<float>;
Q_DECLARE_METATYPE(Values)

namespace {

// Generates a page of one type on tab 1, item 0 from the given values and the
// other nine items from zeros.
void generate(Practice& practice, const QString& type, const Values& firstItem)
{
    practice.script->append(firstItem);
    practice.script->append(Values(60, 0.0f));
    QVERIFY(practice.click(type));
}

struct Parsed {
    long long left;
    QString op;
    long long right;
};

// Reads a question such as " 3  +  5 = (" back into its numbers.
std::optional<Parsed> parse(const QString& question)
{
    static const QRegularExpression pattern(QStringLiteral("^ (\\d+)  ([-+×÷])  (\\d+) = \\($"));
    const auto match = pattern.match(question);
    if (!match.hasMatch())
        return std::nullopt;
    return Parsed{match.captured(1).toLongLong(), match.captured(2), match.captured(3).toLongLong()};
}

// The answer to a question, or nothing when it has no whole answer.
std::optional<long long> answer(const Parsed& q)
{
    if (q.op == u"+")
        return q.left + q.right;
    if (q.op == u"-")
        return q.left >= q.right ? std::optional(q.left - q.right) : std::nullopt;
    if (q.op == u"×")
        return q.left * q.right;
    if (q.right == 0 || q.left % q.right != 0)
        return std::nullopt;
    return q.left / q.right;
}

// The "以内" / "内" types promise a result no larger than the number in their name.
std::optional<long long> boundOf(const QString& type)
{
    static const QRegularExpression pattern(QStringLiteral("^(\\d+)(以内|内)"));
    const auto match = pattern.match(type);
    return match.hasMatch() ? std::optional(match.captured(1).toLongLong()) : std::nullopt;
}

// Random values from a fixed seed, to finish a page after its scripted questions.
Values seededValues(int count)
{
    SeededRandom random(7);
    Values values;
    for (int i = 0; i < count; ++i)
        values.push_back(random.next());
    return values;
}

// What the words of a subtraction, multiplication or division type's name
// promise of each question, read from the name alone.
struct Promise {
    QString op;          // the operator shown: the last of 减, 乘, 除 in the name
    int leftDigits = 0;  // X位数 before the operator word: the minuend, first factor or dividend (0: none)
    int rightDigits = 0; // Y位数 after it: the subtrahend, second factor or divisor
    bool oneDigitFrom2 = false;        // X位数乘一位数, X位数除一位数: no × 1 or ÷ 1
    std::optional<long long> within;   // N以内: operands and result at most N
    std::optional<long long> atMost;   // N内: the product at most N
    std::optional<long long> atLeast;  // N以上: the product at least N
    bool timesTable = false;           // 乘法口诀: divisor and quotient 1..9

    bool promisesAnything() const { return leftDigits > 0 || within || atMost || atLeast || timesTable; }
};

Promise promiseOf(const QString& name)
{
    static const QString digitWords = QStringLiteral("一两三四五六");
    static const QRegularExpression pair(QStringLiteral("([一两三四五六])位数([减乘除])([一两三四五六])位数"));
    static const QRegularExpression single(QStringLiteral("^([一两三四五六])位数乘法$"));
    static const QRegularExpression bound(QStringLiteral("^(\\d+)(以内|以上|内)"));
    Promise promise;
    const qsizetype lastWord = std::max({name.lastIndexOf(u'减'), name.lastIndexOf(u'乘'), name.lastIndexOf(u'除')});
    promise.op = QStringLiteral("-×÷").at(QStringLiteral("减乘除").indexOf(name.at(lastWord)));
    if (const auto match = pair.match(name); match.hasMatch()) {
        promise.leftDigits = int(digitWords.indexOf(match.captured(1))) + 1;
        promise.rightDigits = int(digitWords.indexOf(match.captured(3))) + 1;
        promise.oneDigitFrom2 = match.captured(2) != u"减" && promise.rightDigits == 1;
    } else if (const auto match = single.match(name); match.hasMatch()) {
        promise.leftDigits = promise.rightDigits = int(digitWords.indexOf(match.captured(1))) + 1;
    }
    if (const auto match = bound.match(name); match.hasMatch()) {
        const QString word = match.captured(2);
        std::optional<long long>& limit = word == u"以内" ? promise.within : word == u"内" ? promise.atMost : promise.atLeast;
        limit = match.captured(1).toLongLong();
    }
    promise.timesTable = name.contains(QStringLiteral("乘法口诀"));
    return promise;
}

int digitCount(long long n)
{
    return int(QString::number(n).size());
}

// Why a question breaks its type's promise; empty when it keeps it.
QString breach(const Promise& promise, const Parsed& q, std::optional<long long> result)
{
    if (q.op != promise.op)
        return QStringLiteral("wrong operation");
    if (!result)
        return QStringLiteral("no whole answer");
    if (promise.leftDigits && (digitCount(q.left) != promise.leftDigits || digitCount(q.right) != promise.rightDigits))
        return QStringLiteral("digit count");
    if (promise.oneDigitFrom2 && q.right < 2)
        return QStringLiteral("a one-digit factor or divisor below 2");
    if (promise.within && std::max({q.left, q.right, *result}) > *promise.within)
        return QStringLiteral("above the 以内 bound");
    if (promise.atMost && *result > *promise.atMost)
        return QStringLiteral("product above the 内 bound");
    if (promise.atLeast && *result < *promise.atLeast)
        return QStringLiteral("product below the 以上 bound");
    if (promise.timesTable && (q.right < 1 || q.right > 9 || *result < 1 || *result > 9))
        return QStringLiteral("outside the times table");
    return {};
}

} // namespace

class Myframe0Test : public QObject {
    Q_OBJECT

private slots:
    // The addition types, whose draws are fixed value by value.
    void firstQuestion_data()
    {
        QTest::addColumn<QString>("type");
        QTest::addColumn<Values>("values");
        QTest::addColumn<QString>("question");
        QTest::addColumn<QString>("key");
        QTest::addColumn<int>("consumed");
        QTest::newRow("10以内加法, the worked example") << "10以内加法" << Values{0.3f, 0.5f} << " 3  +  5 = (" << "8" << 2;
        QTest::newRow("10以内加法 accepts a sum of exactly 10") << "10以内加法" << Values{0.5f, 0.5f} << " 5  +  5 = ("
                                                                << "10" << 2;
        QTest::newRow("10以内加法 may show 0") << "10以内加法" << Values{0.0f, 0.7f} << " 0  +  7 = (" << "7" << 2;
        QTest::newRow("10以内加法 redraws 9 + 9") << "10以内加法" << Values{0.9f, 0.9f, 0.1f, 0.2f} << " 1  +  2 = (" << "3"
                                                  << 4;
        // First b is drawn from 21 values (0.99 gives 21), a redrawn b from 20 (0.99 gives 20).
        QTest::newRow("20以内加法 redraw") << "20以内加法" << Values{0.0f, 0.99f, 0.0f, 0.99f, 0.0f, 0.45f}
                                           << " 10  +  10 = (" << "20" << 6;
        QTest::newRow("20以内加法 a drawn 20 never survives") << "20以内加法" << Values{0.99f, 0.0f, 0.95f, 0.0f, 0.0f, 0.0f}
                                                              << " 10  +  1 = (" << "11" << 6;
        QTest::newRow("100以内加法 may show 100 + 0") << "100以内加法" << Values{0.99f, 0.0f} << " 100  +  0 = ("
                                                      << "100" << 2;
        QTest::newRow("四位数加四位数 reaches 19998") << "四位数加四位数" << Values{0.99999f, 0.99999f}
                                                      << " 9999  +  9999 = (" << "19998" << 2;
    }
    void firstQuestion()
    {
        QFETCH(QString, type);
        QFETCH(Values, values);
        QFETCH(QString, question);
        QFETCH(QString, key);
        QFETCH(int, consumed);
        Practice practice;
        generate(practice, type, values);
        QCOMPARE(practice.form().Label33[0].caption(), question);
        QCOMPARE(practice.form().state.mainKey[0], key);
        // The other nine items used two zeros each (no zero pair is ever redrawn).
        QCOMPARE(int(practice.script->remaining()), int(values.size()) + 60 - consumed - 18);
    }

    void captions_data()
    {
        QTest::addColumn<QString>("type");
        QTest::addColumn<QString>("caption");
        QTest::newRow("four blanks for 10以内加法") << "10以内加法" << "10以内加法    填空";
        QTest::newRow("four blanks for 10以内减法") << "10以内减法" << "10以内减法    填空";
        QTest::newRow("addition") << "20以内加法" << "20以内加法   填空";
        QTest::newRow("hyphen form") << "两位数加两位数-简单" << "两位数加两位数-简单   填空";
        QTest::newRow("multiplication") << "一位数乘法" << "一位数乘法   填空";
        QTest::newRow("division") << "五位数除两位数" << "五位数除两位数   填空";
    }
    void captions()
    {
        QFETCH(QString, type);
        QFETCH(QString, caption);
        Practice practice;
        practice.model.form.setRandomSource(std::make_unique<SeededRandom>(1));
        QVERIFY(practice.click(type));
        QCOMPARE(practice.form().Frame1[0].caption, caption);
    }

    // Every type of the tab, over many pages: each key is the answer to the
    // question shown, every question keeps the promise of its name, and each
    // row reads question, box, closing bracket.
    void everyTypeKeysItsQuestions_data()
    {
        QTest::addColumn<QString>("type");
        const QStringList types = ExerciseCatalogue::tab(1).exerciseTypes();
        for (const QString& name : types)
            QTest::newRow(qPrintable(name)) << name;
        QCOMPARE(types.size(), 52);
    }
    void everyTypeKeysItsQuestions()
    {
        QFETCH(QString, type);
        Practice practice;
        practice.model.form.setRandomSource(std::make_unique<SeededRandom>(qHash(type)));
        MainForm& form = practice.form();
        for (int page = 0; page < 30; ++page) {
            QVERIFY(practice.click(type));
            QVERIFY(form.Frame1[0].caption.startsWith(type) && form.Frame1[0].caption.endsWith(QStringLiteral(" 填空")));
            for (int i = 0; i < 10; ++i) {
                const QString question = form.Label33[i].caption();
                const auto parsed = parse(question);
                QVERIFY2(parsed, qPrintable(question));
                const auto expected = answer(*parsed);
                QVERIFY2(expected, qPrintable(question));
                QCOMPARE(form.state.mainKey[i], QString::number(*expected));
                if (const auto bound = boundOf(type))
                    QVERIFY2(*expected <= *bound, qPrintable(question));
                QCOMPARE(form.Label34[i].caption(), QStringLiteral(")"));
                QCOMPARE(form.Text1[i].rect.left, form.Label33[i].rect.left + form.Label33[i].rect.width);
                QCOMPARE(form.Label34[i].rect.left, form.Text1[i].rect.left + form.Text1[i].rect.width);
                QCOMPARE(form.Label33[i].rect.width, practice.metrics.widthTwips(question));
            }
        }
    }

    // The subtraction, multiplication and division types from scripted values;
    // a seeded tail finishes the page.
    void scriptedQuestions_data()
    {
        QTest::addColumn<QString>("type");
        QTest::addColumn<Values>("values");
        QTest::addColumn<QStringList>("questions");
        QTest::addColumn<QStringList>("keys");
        QTest::newRow("a difference below 0 is drawn again") << "20以内减法" << Values{0.0f, 0.99f, 0.5f, 0.5f}
                                                             << QStringList{" 15  -  11 = ("} << QStringList{"4"};
        QTest::newRow("10以内减法 reaches 10 - 10") << "10以内减法" << Values{0.99f, 0.99f}
                                                    << QStringList{" 10  -  10 = ("} << QStringList{"0"};
        QTest::newRow("a question the page shows is drawn again")
            << "一位数乘法" << Values{0.5f, 0.5f, 0.5f, 0.5f, 0.2f, 0.3f}
            << QStringList{" 5  ×  5 = (", " 2  ×  3 = ("} << QStringList{"25", "6"};
        QTest::newRow("a second difference of 0 is drawn again")
            << "一位数减一位数" << Values{0.5f, 0.5f, 0.3f, 0.3f, 0.4f, 0.0f}
            << QStringList{" 5  -  5 = (", " 4  -  1 = ("} << QStringList{"0", "3"};
        QTest::newRow("100内 reaches a product of 100") << "100内两位数乘一位数" << Values{0.99f, 0.0f}
                                                        << QStringList{" 50  ×  2 = ("} << QStringList{"100"};
        QTest::newRow("a product below 10000 is drawn again") << "10000以上三位数乘两位数"
                                                              << Values{0.0f, 0.0f, 0.5f, 0.5f}
                                                              << QStringList{" 550  ×  55 = ("} << QStringList{"30250"};
        QTest::newRow("10000以上 accepts exactly 10000") << "10000以上三位数乘两位数" << Values{0.3334f, 0.1667f}
                                                         << QStringList{" 400  ×  25 = ("} << QStringList{"10000"};
        QTest::newRow("division shows divisor × quotient ÷ divisor") << "三位数除一位数" << Values{0.5f, 0.1f}
                                                                     << QStringList{" 360  ÷  6 = ("} << QStringList{"60"};
        QTest::newRow("a dividend of the wrong length is drawn again")
            << "两位数除两位数" << Values{0.99f, 0.99f, 0.0f, 0.0f} << QStringList{" 20  ÷  10 = ("} << QStringList{"2"};
        QTest::newRow("六位数除三位数 reaches 999999") << "六位数除三位数" << Values{0.9999f, 0.0910f}
                                                       << QStringList{" 999999  ÷  999 = ("} << QStringList{"1001"};
    }
    void scriptedQuestions()
    {
        QFETCH(QString, type);
        QFETCH(Values, values);
        QFETCH(QStringList, questions);
        QFETCH(QStringList, keys);
        Practice practice;
        practice.script->append(values);
        practice.script->append(seededValues(2000));
        QVERIFY(practice.click(type));
        for (int i = 0; i < questions.size(); ++i) {
            QCOMPARE(practice.form().Label33[i].caption(), questions[i]);
            QCOMPARE(practice.form().state.mainKey[i], keys[i]);
        }
    }

    // The redraw of a repeat gives up after some tries, so a source that keeps
    // giving the same values still fills the page.
    void aSourceThatKeepsRepeatingStillFillsThePage()
    {
        Practice practice;
        practice.script->append(Values(5000, 0.0f));
        QVERIFY(practice.click(QStringLiteral("一位数乘法")));
        for (int i = 0; i < 10; ++i)
            QCOMPARE(practice.form().Label33[i].caption(), QStringLiteral(" 1  ×  1 = ("));
    }

    // Every subtraction, multiplication and division type over 50 pages: each
    // question keeps what the words of its type's name promise, and no page
    // shows a question twice or more than one difference of 0.
    void questionsKeepWhatTheNameSays_data()
    {
        QTest::addColumn<QString>("type");
        int count = 0;
        for (const TopicCategory& category : ExerciseCatalogue::tab(1).categories)
            if (category.text != u"加法")
                for (const QString& name : category.exerciseTypes) {
                    QTest::newRow(qPrintable(name)) << name;
                    ++count;
                }
        QCOMPARE(count, 38);
    }
    void questionsKeepWhatTheNameSays()
    {
        QFETCH(QString, type);
        const Promise promise = promiseOf(type);
        QVERIFY2(promise.promisesAnything(), "no promise read from the name");
        Practice practice;
        practice.model.form.setRandomSource(std::make_unique<SeededRandom>(qHash(type) + 20));
        MainForm& form = practice.form();
        for (int page = 0; page < 50; ++page) {
            QVERIFY(practice.click(type));
            QSet<QString> shown;
            int zeros = 0;
            for (int i = 0; i < 10; ++i) {
                const QString question = form.Label33[i].caption();
                const auto parsed = parse(question);
                QVERIFY2(parsed, qPrintable(question));
                const auto result = answer(*parsed);
                const QString fault = breach(promise, *parsed, result);
                QVERIFY2(fault.isEmpty(), qPrintable(question + QStringLiteral(": ") + fault));
                QCOMPARE(form.state.mainKey[i], QString::number(*result));
                QVERIFY2(!shown.contains(question), qPrintable(question + QStringLiteral(" shown twice")));
                shown.insert(question);
                zeros += *result == 0;
            }
            QVERIFY2(zeros <= 1, qPrintable(QString::number(zeros) + QStringLiteral(" answers of 0 on one page")));
        }
    }

    void twentyBoundKeepsItsOperandRanges()
    {
        Practice practice;
        practice.model.form.setRandomSource(std::make_unique<SeededRandom>(20));
        for (int page = 0; page < 50; ++page) {
            QVERIFY(practice.click(QStringLiteral("20以内加法")));
            for (int i = 0; i < 10; ++i) {
                const auto q = parse(practice.form().Label33[i].caption());
                QVERIFY(q && q->left >= 10 && q->left <= 19 && q->right >= 1 && q->right <= 10);
            }
        }
    }

    void anUnknownNameLeavesThePage()
    {
        Practice practice;
        practice.model.form.setRandomSource(std::make_unique<SeededRandom>(5));
        QVERIFY(practice.click(QStringLiteral("10以内加法")));
        const QString caption = practice.form().Frame1[0].caption;
        const AnswerKey keys = practice.form().state.mainKey;
        QVERIFY(practice.click(QStringLiteral("乘法"))); // a category: dispatched, but no type of that name
        QCOMPARE(practice.form().Frame1[0].caption, caption);
        QCOMPARE(practice.form().state.mainKey, keys);
    }

    void newQuestionsComeWithEmptyBoxes()
    {
        Practice practice;
        practice.model.form.setRandomSource(std::make_unique<SeededRandom>(6));
        QVERIFY(practice.click(QStringLiteral("50以内加法")));
        practice.form().Text1[4].text = QStringLiteral("33");
        practice.form().Command1_Click();
        QCOMPARE(practice.form().Text1[4].text, QString());
    }
};

QTEST_GUILESS_MAIN(Myframe0Test)
#include "test_myframe0.moc"

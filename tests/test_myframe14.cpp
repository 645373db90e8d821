#include "catalogue.h"
#include "test_support.h"

#include <QRegularExpression>
#include <QTest>

#include <limits>
#include <optional>

using Values = std::vector<float>;
Q_DECLARE_METATYPE(Values)

namespace {

// A practice window on the 小数运算 tab.
struct DecimalPractice : Practice {
    DecimalPractice() { model.selectTab(3); }
};

// A decimal numeral as a whole number of hundredths ("10.35" is 1035), so that
// the test's arithmetic is exact; nothing for a text that is not a numeral of
// at most two decimals without a needless zero ("10.0", "010" are not).
std::optional<long long> hundredths(const QString& text)
{
    static const QRegularExpression shortest(QStringLiteral("^(0|[1-9]\\d*)(?:\\.(\\d?[1-9]))?$"));
    const auto match = shortest.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    return match.captured(1).toLongLong() * 100 + match.captured(2).leftJustified(2, u'0').toLongLong();
}

int decimalsOf(long long value) // of a value in hundredths
{
    return value % 100 == 0 ? 0 : value % 10 == 0 ? 1 : 2;
}

// A value in hundredths written with exactly one decimal ("3.0", "10.0").
QString withOneDecimal(long long value)
{
    return QStringLiteral("%1.%2").arg(value / 100).arg(value % 100 / 10);
}

struct Parsed {
    long long left; // hundredths
    QChar op;
    long long right;
};

// Reads a question such as " 10.35÷ 2.3=（" back into its numbers.
std::optional<Parsed> parse(const QString& question)
{
    static const QRegularExpression pattern(QStringLiteral("^ ([\\d.]+)([-+×÷]) ([\\d.]+)=（$"));
    const auto match = pattern.match(question);
    if (!match.hasMatch())
        return std::nullopt;
    const auto left = hundredths(match.captured(1));
    const auto right = hundredths(match.captured(3));
    if (!left || !right)
        return std::nullopt;
    return Parsed{*left, match.captured(2).at(0), *right};
}

// Why a question's key is not its exact answer in the page's form, or why
// the question breaks its type's name; empty when all is well.
QString fault(const QString& type, const Parsed& q, const QString& key)
{
    static const QRegularExpression bound(QStringLiteral("^(\\d+)(以内|内)"));
    const auto match = bound.match(type);
    // N以内 and N内 promise at most N.
    const long long limit = match.hasMatch() ? match.captured(1).toLongLong() * 100 : std::numeric_limits<long long>::max();
    // Every operand is drawn with one decimal, from 1.0 up.
    const bool division = q.op == u'÷';
    if (q.left < 100 || q.right < 100 || decimalsOf(q.right) > 1 || decimalsOf(q.left) > (division ? 2 : 1))
        return QStringLiteral("operand not a drawn one-decimal number");
    if (q.op == u'+') {
        const long long sum = q.left + q.right;
        if (hundredths(key) != sum)
            return QStringLiteral("key is not the shortest text of the sum");
        return sum > limit ? QStringLiteral("sum above the bound") : QString();
    }
    if (q.op == u'-') {
        const long long difference = q.left - q.right;
        if (difference < 0)
            return QStringLiteral("negative difference");
        if (key != (difference == 0 ? QStringLiteral("0") : withOneDecimal(difference)))
            return QStringLiteral("key is not the difference with one decimal");
        return q.left > limit ? QStringLiteral("minuend above the bound") : QString();
    }
    if (q.op == u'×') {
        const long long product = q.left * q.right; // in ten-thousandths
        if (product % 100 != 0 || hundredths(key) != product / 100)
            return QStringLiteral("key is not the shortest text of the product");
        return product / 100 > limit ? QStringLiteral("product above the bound") : QString();
    }
    // The dividend in hundredths over the divisor in hundredths: the quotient, exactly, with one decimal.
    if ((q.left * 10) % q.right != 0)
        return QStringLiteral("the division does not come out in tenths");
    return key == withOneDecimal((q.left * 10) / q.right * 10) ? QString() : QStringLiteral("key is not the quotient with one decimal");
}

} // namespace

class Myframe14Test : public QObject {
    Q_OBJECT

private slots:
    // D(n, m): r × n + m in single precision, then one decimal, halves up.
    void drawOneDecimal_data()
    {
        QTest::addColumn<float>("r");
        QTest::addColumn<int>("n");
        QTest::addColumn<int>("m");
        QTest::addColumn<QString>("text");
        QTest::newRow("the lower end") << 0.0f << 10 << 1 << "1.0";
        QTest::newRow("rounded down") << 0.3556f << 9 << 1 << "4.2";         // 4.2004
        QTest::newRow("rounded up") << 0.32f << 10 << 1 << "4.2";             // 4.1999998
        QTest::newRow("the upper end, only by rounding") << 0.99999f << 9 << 1 << "10.0"; // 9.99991
        QTest::newRow("D(1, 10) reaches 11.0") << 0.99999f << 1 << 10 << "11.0";
        QTest::newRow("an exact half rounds up") << 0.25f << 1 << 10 << "10.3"; // 10.25
        QTest::newRow("another exact half") << 0.125f << 2 << 1 << "1.3";      // 1.25
        QTest::newRow("thousands") << 0.999999f << 9000 << 1000 << "10000.0"; // 9999.991
    }
    void drawOneDecimal()
    {
        QFETCH(float, r);
        QFETCH(int, n);
        QFETCH(int, m);
        QFETCH(QString, text);
        ScriptedRandom random({r});
        QCOMPARE(DrawOneDecimal(random, n, m), text);
        QCOMPARE(int(random.remaining()), 0);
    }

    // The first question of a page from scripted values; the other nine take
    // two zeros each, which no type redraws.
    void firstQuestion_data()
    {
        QTest::addColumn<QString>("type");
        QTest::addColumn<Values>("values");
        QTest::addColumn<QString>("question");
        QTest::addColumn<QString>("key");
        QTest::addColumn<int>("consumed");
        QTest::newRow("a drawn 10.0 is shown as 10") << "一位数加一位数" << Values{0.3556f, 0.99999f} << " 4.2+ 10=（" << "14.2" << 2;
        QTest::newRow("a whole sum has no decimals") << "一位数加一位数" << Values{0.27778f, 0.166667f} << " 3.5+ 2.5=（" << "6" << 2;
        QTest::newRow("四位数加四位数 reaches 20000") << "四位数加四位数" << Values{0.999999f, 0.999999f} << " 10000+ 10000=（"
                                                      << "20000" << 2;
        QTest::newRow("10以内加法 keeps a sum of exactly 10") << "10以内加法" << Values{0.45f, 0.35f} << " 5.5+ 4.5=（" << "10" << 2;
        QTest::newRow("10以内加法 redraws 11.0 + 1.0") << "10以内加法" << Values{0.99999f, 0.0f, 0.32f, 0.4f} << " 4.2+ 5=（"
                                                       << "9.2" << 4;
        QTest::newRow("100以内加法 first a from 40.0") << "100以内加法" << Values{0.0f, 0.2f} << " 40+ 21=（" << "61" << 2;
        QTest::newRow("100以内加法 redrawn a from 50.0") << "100以内加法" << Values{0.0f, 0.99999f, 0.0f, 0.2f} << " 50+ 21=（"
                                                         << "71" << 4;
        QTest::newRow("100以内加法 redraws a redrawn 101.0") << "100以内加法" << Values{0.0f, 0.99999f, 0.99999f, 0.0f, 0.0f, 0.2f}
                                                           << " 50+ 21=（" << "71" << 6;
        QTest::newRow("1000以内加法 first b up to 1001.0, redrawn b up to 101.0")
            << "1000以内加法" << Values{0.0f, 0.99999f, 0.5f, 0.99999f} << " 750.5+ 101=（" << "851.5" << 4;
        QTest::newRow("equal operands make 0") << "10以内减法" << Values{0.7f, 0.7f} << " 7.3- 7.3=（" << "0" << 2;
        QTest::newRow("a whole difference keeps .0") << "10以内减法" << Values{0.72f, 0.166667f} << " 7.5- 2.5=（" << "5.0" << 2;
        QTest::newRow("a difference below 1") << "10以内减法" << Values{0.3f, 0.24444f} << " 3.7- 3.2=（" << "0.5" << 2;
        QTest::newRow("subtraction redraws b above a") << "10以内减法" << Values{0.11111f, 0.44444f, 0.7f, 0.222f} << " 7.3- 3=（"
                                                       << "4.3" << 4;
        QTest::newRow("两位数减一位数（容易） never redraws") << "两位数减一位数（容易）" << Values{0.0f, 0.99999f} << " 10- 10=（"
                                                              << "0" << 2;
        QTest::newRow("四位数减四位数") << "四位数减四位数" << Values{0.999999f, 0.0f} << " 10000- 1000=（" << "9000.0" << 2;
        QTest::newRow("a whole product has no decimals") << "一位数乘法" << Values{0.166667f, 0.33333f} << " 2.5× 4=（" << "10" << 2;
        QTest::newRow("two decimals") << "一位数乘法" << Values{0.3f, 0.46667f} << " 3.7× 5.2=（" << "19.24" << 2;
        QTest::newRow("250内两位数乘一位数 redraws a from 10.0") << "250内两位数乘一位数" << Values{0.99f, 0.99f, 0.5f, 0.3f}
                                                                 << " 55× 3.7=（" << "203.5" << 4;
        QTest::newRow("5000内两位数乘两位数 keeps exactly 5000") << "5000内两位数乘两位数" << Values{0.99999f, 0.0f}
                                                                 << " 100× 50=（" << "5000" << 2;
        QTest::newRow("10000以上 has no lower bound") << "10000以上三位数乘两位数" << Values{0.0f, 0.0f} << " 100× 50=（" << "5000"
                                                      << 2;
        QTest::newRow("a whole quotient keeps .0") << "直用乘法口诀除法" << Values{0.11111f, 0.222f} << " 6÷ 2=（" << "3.0" << 2;
        QTest::newRow("a quotient of 10.0") << "直用乘法口诀除法" << Values{0.11111f, 0.99999f} << " 20÷ 2=（" << "10.0" << 2;
        QTest::newRow("the dividend without binary noise") << "直用乘法口诀除法" << Values{0.1444f, 0.38889f} << " 10.35÷ 2.3=（"
                                                           << "4.5" << 2;
        QTest::newRow("两位数除两位数 divisor up to 11.0") << "两位数除两位数" << Values{0.99999f, 0.0f} << " 22÷ 11=（" << "2.0" << 2;
        QTest::newRow("a divisor drawn as an exact half") << "两位数除两位数" << Values{0.25f, 0.0f} << " 20.6÷ 10.3=（" << "2.0" << 2;
    }
    void firstQuestion()
    {
        QFETCH(QString, type);
        QFETCH(Values, values);
        QFETCH(QString, question);
        QFETCH(QString, key);
        QFETCH(int, consumed);
        DecimalPractice practice;
        practice.script->append(values);
        practice.script->append(Values(60, 0.0f));
        QVERIFY(practice.click(type));
        QCOMPARE(practice.form().Label12[0].caption(), question);
        QCOMPARE(practice.form().state.mainKey[0], key);
        QCOMPARE(int(practice.script->remaining()), int(values.size()) + 60 - consumed - 18);
    }

    // Every type of the tab over 30 pages: each key is the exact answer to its
    // question in the page's form, the question keeps the bound of its name,
    // each row reads question, box, closing bracket, a key typed in is marked
    // right, and a correction still fits beside the page's picture.
    void everyType_data()
    {
        QTest::addColumn<QString>("type");
        const QStringList types = ExerciseCatalogue::tab(3).exerciseTypes();
        for (const QString& name : types)
            QTest::newRow(qPrintable(name)) << name;
        QCOMPARE(types.size(), 57);
    }
    void everyType()
    {
        QFETCH(QString, type);
        DecimalPractice practice;
        MainForm& form = practice.form();
        form.setRandomSource(std::make_unique<SeededRandom>(qHash(type)));
        const bool addition = type.contains(u'加');
        const QString caption = addition && type != QStringLiteral("10以内加法") ? QStringLiteral("小数") + type : type;
        for (int page = 0; page < 30; ++page) {
            QVERIFY(practice.click(type));
            QCOMPARE(form.seenPage(), 4);
            QCOMPARE(form.Frame1[4].caption, caption);
            for (int i = 0; i < 10; ++i) {
                const QString question = form.Label12[i].caption();
                const auto parsed = parse(question);
                QVERIFY2(parsed, qPrintable(question));
                const QString problem = fault(type, *parsed, form.state.mainKey[i]);
                QVERIFY2(problem.isEmpty(), qPrintable(question + form.state.mainKey[i] + u' ' + problem));
                QCOMPARE(form.Label14[i].caption(), QStringLiteral("）"));
                QCOMPARE(form.Label12[i].rect.width, practice.metrics.widthTwips(question));
                QCOMPARE(form.Text6[i].rect.left, form.Label12[i].rect.left + form.Label12[i].rect.width);
                QCOMPARE(form.Label14[i].rect.left, form.Text6[i].rect.left + form.Text6[i].rect.width);
                form.Text6[i].text = i % 2 == 0 ? form.state.mainKey[i] : QString();
            }
            QVERIFY(practice.model.click(QStringLiteral("Command10")));
            QCOMPARE(form.Label13.caption(), QStringLiteral("用时 0秒,答对了 5道题。"));
            for (int i = 0; i < 10; ++i) {
                const Label& mark = form.Label14[i];
                QCOMPARE(mark.caption(), i % 2 == 0 ? QStringLiteral("） √") : QStringLiteral("） × 正确答案是") + form.state.mainKey[i]);
                const bool besidePicture = mark.rect.top + mark.rect.height > form.Picture7.rect.top;
                QVERIFY(mark.rect.left + mark.rect.width <= (besidePicture ? form.Picture7.rect.left : form.Frame1[4].rect.width));
            }
        }
    }
};

QTEST_GUILESS_MAIN(Myframe14Test)
#include "test_myframe14.moc"

// The 倍数与约数 tab: every exercise type over many seeded pages, each key
// recomputed from the question by the test's own arithmetic; the rules of the
// greatest common divisor types value by value; page 8's marking; and every
// leaf played through the driver.

#include "catalogue.h"
#include "driver_support.h"
#include "page_commands.h"
#include "test_support.h"

#include <QRegularExpression>
#include <QSet>
#include <QTest>

#include <map>
#include <numeric>

using Values = std::vector<float>;
Q_DECLARE_METATYPE(Values)

namespace {

constexpr int pageWidth = 11340;

QStringList tab7Types()
{
    return ExerciseCatalogue::tab(7).exerciseTypes();
}

// The scripted value that makes Int(Rnd × n) + m give `result`.
float pick(int result, int n, int m)
{
    return (float(result - m) + 0.5f) / float(n);
}

// Random values from a fixed seed, to finish a page after its scripted questions.
Values seededValues(int count)
{
    SeededRandom random(11);
    Values values;
    for (int i = 0; i < count; ++i)
        values.push_back(random.next());
    return values;
}

// 0, 1 or 2 for a name ending in （简单）, （中等） or （较难）.
int levelOf(const QString& type)
{
    for (int level = 0; level < 3; ++level)
        if (type.contains(QStringList{"简单", "中等", "较难"}[level]))
            return level;
    return -1;
}

bool isPrime(long long n)
{
    if (n < 2)
        return false;
    for (long long d = 2; d * d <= n; ++d)
        if (n % d == 0)
            return false;
    return true;
}

long long largestPrimeFactor(long long n)
{
    long long largest = 1;
    for (long long d = 2; n > 1; ++d)
        for (; n % d == 0; n /= d)
            largest = d;
    return largest;
}

// Reads Chinese number words back into a number by their plain arithmetic: a
// digit times the place word after it (十 alone is 10), 万 and 亿 multiplying
// what stands before them. Nothing of the program's reading rules is used.
std::optional<long long> numberOfWords(const QString& words)
{
    static const QString digitWords = QStringLiteral("零一二三四五六七八九");
    static const std::map<QChar, long long> places = {{u'十', 10}, {u'百', 100}, {u'千', 1000}};
    long long total = 0;
    long long level = 0;
    int digit = -1; // none pending
    for (const QChar c : words) {
        if (const auto d = digitWords.indexOf(c); d >= 0) {
            if (digit >= 0)
                return std::nullopt; // two digits in a row
            digit = d == 0 ? -1 : int(d);
        } else if (const auto place = places.find(c); place != places.end()) {
            if (digit < 0 && c != u'十')
                return std::nullopt;
            level += (digit < 0 ? 1 : digit) * place->second;
            digit = -1;
        } else if (c == u'万' || c == u'亿') {
            level += std::max(digit, 0);
            total = c == u'万' ? total + level * 10'000 : (total + level) * 100'000'000;
            level = 0;
            digit = -1;
        } else {
            return std::nullopt;
        }
    }
    return words.isEmpty() ? std::nullopt : std::optional(total + level + std::max(digit, 0));
}

// What no correct reading shows, whatever its number.
QString misreading(const QString& words)
{
    if (words.contains(u'两'))
        return QStringLiteral("两 instead of 二");
    if (words.contains(QStringLiteral("零零")))
        return QStringLiteral("two 零 in a row");
    if (words.endsWith(u'零') && words != u"零")
        return QStringLiteral("a 零 at the end");
    if (words.startsWith(QStringLiteral("一十")))
        return QStringLiteral("一十 at the start");
    return {};
}

// Yuan from fen, written by the test: "412.5", "210", "0.35".
QString yuanText(long long fen)
{
    QString text = QString::number(fen / 100);
    if (const long long cents = fen % 100; cents != 0)
        text += u'.' + QStringLiteral("%1").arg(cents, 2, 10, QLatin1Char('0'));
    while (text.contains(u'.') && text.endsWith(u'0'))
        text.chop(1);
    return text;
}

// The same value with two decimals always, as a pupil may type it.
QString twoPlaces(long long fen)
{
    return QStringLiteral("%1.%2").arg(fen / 100).arg(fen % 100, 2, 10, QLatin1Char('0'));
}

// "2.75" in hundredths: 275.
std::optional<int> hundredths(const QString& text)
{
    static const QRegularExpression pattern(QStringLiteral("^(\\d+)(?:\\.(\\d{1,2}))?$"));
    const auto match = pattern.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    return match.captured(1).toInt() * 100 + match.captured(2).leftJustified(2, u'0').toInt();
}

// The deposit of each interest type: the term's words, its months (0: drawn,
// 1..11) and the 2015 benchmark rate in hundredths of a percent.
struct Deposit {
    QString term;
    int months;
    int rate;
};
const std::map<QString, Deposit> deposits = {
    {"活期利息计算", {"", 0, 35}},       {"三月整存利息", {"三个月", 3, 110}}, {"六月整存利息", {"六个月", 6, 130}},
    {"一年整存利息", {"一年", 12, 150}}, {"二年整存利息", {"二年", 24, 210}},  {"三年整存利息", {"三年", 36, 275}},
    {"五年整存利息", {"五年", 60, 275}},
};

struct Row {
    QString before; // page 0: the question; page 8: the words before the box
    QString after;  // page 8: the words after the box
    QString key;
};

// What each page-0 type promises of its two numbers a and b.
struct PairPromise {
    long long least; // a and b lie in least..most
    long long most;
    bool shareAFactor;       // never two coprime numbers
    bool different;          // never a number with itself
    long long multipleAtMost; // 0: no bound on the least common multiple
    bool shortDivision;      // the greatest common divisor is 6..50 without a prime factor above 7
};
const std::map<QString, PairPromise> pairPromises = {
    {"求最大公约数（简单）", {2, 20, true, false, 0, false}},
    {"求最大公约数（中等）", {20, 120, true, false, 0, false}},
    {"求最大公约数（较难）", {100, 999, true, true, 0, true}},
    {"求最小公倍数（简单）", {2, 12, false, true, 0, false}},
    {"求最小公倍数（中等）", {10, 30, false, true, 150, false}},
    {"求最小公倍数（较难）", {20, 60, true, true, 360, false}},
};

// Why a page-0 question is wrong for its type; empty when it is right.
QString pairFault(const QString& type, const Row& row)
{
    static const QRegularExpression pattern(QStringLiteral("^ (\\d+) 和  (\\d+) (最大公约数|最小公倍数)是：\\($"));
    const auto match = pattern.match(row.before);
    if (!match.hasMatch())
        return QStringLiteral("not a question of two numbers");
    const long long a = match.captured(1).toLongLong();
    const long long b = match.captured(2).toLongLong();
    const long long g = std::gcd(a, b);
    const long long l = std::lcm(a, b);
    const bool divisor = type.startsWith(QStringLiteral("求最大公约数"));
    if ((match.captured(3) == u"最大公约数") != divisor)
        return QStringLiteral("asks the wrong thing");
    if (row.key != QString::number(divisor ? g : l))
        return QStringLiteral("key");
    const PairPromise& promise = pairPromises.at(type);
    if (a < promise.least || a > promise.most || b < promise.least || b > promise.most)
        return QStringLiteral("range");
    if (promise.shareAFactor && g == 1)
        return QStringLiteral("coprime numbers");
    if (promise.different && a == b)
        return QStringLiteral("a number with itself");
    if (promise.multipleAtMost && l > promise.multipleAtMost)
        return QStringLiteral("least common multiple too large");
    if (promise.shortDivision && (g < 6 || g > 50 || largestPrimeFactor(g) > 7))
        return QStringLiteral("a divisor not found by short division");
    return {};
}

QString factorFault(const QString& type, const Row& row)
{
    static const QRegularExpression before(QStringLiteral("^把 (\\d+) 分解质因数：(\\d+) =((?: \\d+ ×)*)（$"));
    static const QRegularExpression after(QStringLiteral("^）(?:× (\\d+(?: × \\d+)*))?$"));
    const auto opening = before.match(row.before);
    const auto closing = after.match(row.after);
    if (!opening.hasMatch() || !closing.hasMatch() || opening.captured(1) != opening.captured(2))
        return QStringLiteral("not a factorisation");
    QList<long long> factors;
    for (const QString& factor : opening.captured(3).split(u'×', Qt::SkipEmptyParts))
        factors.append(factor.trimmed().toLongLong());
    factors.append(row.key.toLongLong());
    for (const QString& factor : closing.captured(1).split(u'×', Qt::SkipEmptyParts))
        factors.append(factor.trimmed().toLongLong());
    const long long number = opening.captured(1).toLongLong();
    if (QString::number(factors[opening.captured(3).count(u'×')]) != row.key)
        return QStringLiteral("key is not a plain number");
    if (std::accumulate(factors.begin(), factors.end(), 1LL, std::multiplies<>()) != number)
        return QStringLiteral("factors do not multiply back");
    if (!std::all_of(factors.begin(), factors.end(), isPrime) || !std::is_sorted(factors.begin(), factors.end()))
        return QStringLiteral("not primes in ascending order");
    if (factors.size() < 3 || factors.last() > 19)
        return QStringLiteral("fewer than three factors or one above 19");
    const long long above[] = {0, 50, 200};
    const long long most[] = {50, 200, 1000};
    const int level = levelOf(type);
    return number > above[level] && number <= most[level] ? QString() : QStringLiteral("range");
}

QString interestFault(const QString& type, const Row& row)
{
    static const QRegularExpression fixed(
        QStringLiteral("^(妈妈|爸爸|爷爷|奶奶|小明|小红|小华|小丽)把 (\\d+) 元整存整取(\\S+)，年利率 ([0-9.]+)%，到期利息（$"));
    static const QRegularExpression demand(
        QStringLiteral("^(妈妈|爸爸|爷爷|奶奶|小明|小红|小华|小丽)把 (\\d+) 元存成活期，年利率 ([0-9.]+)%，存 (\\d+) 个月，利息（$"));
    const Deposit& deposit = deposits.at(type);
    const auto match = (deposit.months ? fixed : demand).match(row.before);
    if (!match.hasMatch() || row.after != u"）元")
        return QStringLiteral("not an interest question of its kind");
    const long long principal = match.captured(2).toLongLong();
    const int months = deposit.months ? deposit.months : match.captured(4).toInt();
    if (deposit.months && match.captured(3) != deposit.term)
        return QStringLiteral("term");
    if (hundredths(match.captured(deposit.months ? 4 : 3)) != deposit.rate)
        return QStringLiteral("rate");
    if (!deposit.months && (months < 1 || months > 11))
        return QStringLiteral("months of a demand deposit");
    if (principal < (deposit.months ? 1000 : 1200) || principal > (deposit.months ? 50000 : 12000))
        return QStringLiteral("principal");
    const long long fenTimes1200 = principal * deposit.rate * months;
    if (fenTimes1200 % 1200 != 0)
        return QStringLiteral("interest not whole fen");
    return row.key == yuanText(fenTimes1200 / 1200) ? QString() : QStringLiteral("key");
}

QString readingFault(const QString& type, const Row& row)
{
    static const QRegularExpression read(QStringLiteral("^(\\d+) 读作：（$"));
    static const QRegularExpression write(QStringLiteral("^(\\S+) 写作：（$"));
    const bool reading = type.startsWith(QStringLiteral("读数字"));
    const auto match = (reading ? read : write).match(row.before);
    if (!match.hasMatch() || row.after != u"）")
        return QStringLiteral("not a reading question");
    const QString digits = reading ? match.captured(1) : row.key;
    const QString words = reading ? row.key : match.captured(1);
    if (const QString fault = misreading(words); !fault.isEmpty())
        return fault;
    if (numberOfWords(words) != digits.toLongLong() || QString::number(digits.toLongLong()) != digits)
        return QStringLiteral("reading and number differ");
    const int fewest[] = {4, 5, 9};
    const int most[] = {4, 8, 12};
    const int level = levelOf(type);
    return digits.size() >= fewest[level] && digits.size() <= most[level] ? QString() : QStringLiteral("digit count");
}

QString faultOf(const QString& type, const Row& row)
{
    if (type.startsWith(u'求'))
        return pairFault(type, row);
    if (type.startsWith(QStringLiteral("分解因数")))
        return factorFault(type, row);
    if (deposits.count(type))
        return interestFault(type, row);
    return readingFault(type, row);
}

// Page 0's row i: the box and the closing bracket right behind the question,
// and the mark of a wrong answer inside the page.
void checkPage0Row(Practice& practice, int i)
{
    const MainForm& form = practice.form();
    QCOMPARE(form.Label34[i].caption(), QStringLiteral(")"));
    QCOMPARE(form.Text1[i].rect.left, form.Label33[i].rect.left + form.Label33[i].rect.width);
    QCOMPARE(form.Label34[i].rect.left, form.Text1[i].rect.left + form.Text1[i].rect.width);
    const int markEnd = form.Label34[i].rect.left + practice.metrics.widthTwips(QStringLiteral(") × 正确答案是") + form.state.mainKey[i]);
    QVERIFY2(markEnd <= pageWidth, qPrintable(form.Label33[i].caption()));
}

// Page 8's row i: words, box, words and mark in a line, the answer no wider
// than its box, and the mark of a wrong answer inside the page.
void checkPage8Row(Practice& practice, int i)
{
    const MainForm& form = practice.form();
    const Rect& box = form.Text11[i].rect;
    const QString& key = form.state.mainKey[i];
    QCOMPARE(box.left, form.Label27[i].rect.left + form.Label27[i].rect.width);
    QCOMPARE(form.Label28[i].rect.left, box.left + box.width);
    QVERIFY(form.Label29[i].rect.left >= form.Label28[i].rect.left + form.Label28[i].rect.width);
    QVERIFY2(practice.metrics.widthTwips(key) <= box.width, qPrintable(key + QStringLiteral(" is wider than its box")));
    const int markEnd = form.Label29[i].rect.left + practice.metrics.widthTwips(QStringLiteral("× 正确答案是：") + key);
    QVERIFY2(markEnd <= pageWidth, qPrintable(form.Label27[i].caption() + QStringLiteral(": the mark ends at ") + QString::number(markEnd)));
}

// What a page-8 question asks about, which no other question of its page may
// ask again: the number, or the sum and time of a deposit, whoever saves it.
QString whatIsAsked(const QString& type, const Row& row)
{
    if (type.startsWith(QStringLiteral("分解因数")))
        return row.before.section(u'：', 0, 0);
    if (deposits.count(type))
        return row.before.mid(2);
    return row.before.section(u' ', 0, 0);
}

} // namespace

class Myframe18Test : public QObject {
    Q_OBJECT

private slots:
    // Every type of the tab, 30 pages each: the page and its title, every key
    // recomputed from its question, every row inside the page even when marked
    // wrong, and the keys typed in are all marked right.
    void everyTypeKeysItsQuestions_data()
    {
        QTest::addColumn<QString>("type");
        const QStringList types = tab7Types();
        QCOMPARE(types.size(), 22);
        for (const QString& type : types)
            QTest::newRow(qPrintable(type)) << type;
    }
    void everyTypeKeysItsQuestions()
    {
        QFETCH(QString, type);
        Practice practice;
        practice.model.selectTab(7);
        practice.model.form.setRandomSource(std::make_unique<SeededRandom>(qHash(type)));
        MainForm& form = practice.form();
        const bool page0 = type.startsWith(u'求');
        const int page = page0 ? 0 : 8;
        const bool readingType = type.contains(QStringLiteral("数字"));
        for (int round = 0; round < 30; ++round) {
            QVERIFY(practice.click(type));
            QCOMPARE(form.seenPage(), page);
            QString title = type;
            if (page0)
                title.replace(u'（', u'(').replace(u'）', u')');
            QVERIFY2(form.Frame1[page].caption.startsWith(title + QStringLiteral("   ")), qPrintable(form.Frame1[page].caption));
            QCOMPARE(form.Label32.caption(), QStringLiteral("1"));
            QSet<QString> asked;
            bool readsALing = false;
            bool endsInZero = false;
            for (int i = 0; i < 10; ++i) {
                const QString& key = form.state.mainKey[i];
                const Row row = page0 ? Row{form.Label33[i].caption(), {}, key}
                                      : Row{form.Label27[i].caption(), form.Label28[i].caption(), key};
                const QString fault = faultOf(type, row);
                QVERIFY2(fault.isEmpty(), qPrintable(row.before + u'|' + row.after + u'|' + key + QStringLiteral(": ") + fault));
                if (page0) {
                    checkPage0Row(practice, i);
                    form.Text1[i].text = key;
                } else {
                    checkPage8Row(practice, i);
                    // An interest answer may carry a second decimal: 412.50 for 412.5.
                    form.Text11[i].text = deposits.count(type) ? twoPlaces(*hundredths(key)) : key;
                }
                if (QTest::currentTestFailed())
                    return;
                asked.insert(whatIsAsked(type, row));
                if (readingType) {
                    const QString digits = type.startsWith(u'读') ? row.before.section(u' ', 0, 0) : key;
                    readsALing = readsALing || row.before.contains(u'零') || key.contains(u'零');
                    endsInZero = endsInZero || digits.endsWith(u'0');
                }
            }
            // Page 0 keeps the draws of its fixed rules, which may repeat a question.
            if (!page0)
                QCOMPARE(asked.size(), 10);
            if (readingType)
                QVERIFY2(readsALing && endsInZero, "a reading page without an inner zero or without zeros at the end");
            if (page0) {
                form.Command2_Click();
                for (int i = 0; i < 10; ++i)
                    QCOMPARE(form.Label34[i].caption(), QStringLiteral(") √"));
            } else {
                Command18_Click(form);
                for (int i = 0; i < 10; ++i)
                    QCOMPARE(form.Label29[i].caption(), QStringLiteral("√"));
            }
        }
    }

    // The first question from scripted values; a seeded tail finishes the page.
    void scriptedQuestions_data()
    {
        QTest::addColumn<QString>("type");
        QTest::addColumn<Values>("values");
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("after");
        QTest::addColumn<QString>("key");
        QTest::newRow("coprime 7 和 9 is drawn again; 12 和 12 is asked")
            << "求最大公约数（简单）" << Values{pick(7, 19, 2), pick(9, 19, 2), pick(12, 19, 2), pick(12, 19, 2)}
            << " 12 和  12 最大公约数是：(" << "" << "12";
        QTest::newRow("120 和 120") << "求最大公约数（中等）" << Values{pick(120, 101, 20), pick(120, 101, 20)}
                                    << " 120 和  120 最大公约数是：(" << "" << "120";
        QTest::newRow("20 和 30") << "求最大公约数（中等）" << Values{pick(20, 101, 20), pick(30, 101, 20)}
                                  << " 20 和  30 最大公约数是：(" << "" << "10";
        // The common divisor 9 is the fourth of the list; 9 × 11 is below 100.
        QTest::newRow("a common divisor times coprime numbers, both of three digits")
            << "求最大公约数（较难）"
            << Values{pick(3, 26, 0), pick(11, 19, 2), pick(13, 19, 2), pick(3, 26, 0), pick(13, 19, 2), pick(17, 19, 2)}
            << " 117 和  153 最大公约数是：(" << "" << "9";
        QTest::newRow("never a number with itself") << "求最小公倍数（简单）"
                                                    << Values{pick(5, 11, 2), pick(5, 11, 2), pick(4, 11, 2), pick(6, 11, 2)}
                                                    << " 4 和  6 最小公倍数是：(" << "" << "12";
        QTest::newRow("the worked reading") << "读数字（中等）"
                                            << Values{pick(5, 4, 5), pick(3, 9, 1), pick(0, 18, -8), pick(5, 18, -8),
                                                      pick(0, 18, -8), pick(6, 18, -8)}
                                            << "30506 读作：（" << "）" << "三万零五百零六";
        QTest::newRow("the worked writing") << "写数字（中等）"
                                            << Values{pick(5, 4, 5), pick(3, 9, 1), pick(0, 18, -8), pick(5, 18, -8),
                                                      pick(0, 18, -8), pick(6, 18, -8)}
                                            << "三万零五百零六 写作：（" << "）" << "30506";
    }
    void scriptedQuestions()
    {
        QFETCH(QString, type);
        QFETCH(Values, values);
        QFETCH(QString, before);
        QFETCH(QString, after);
        QFETCH(QString, key);
        Practice practice;
        practice.model.selectTab(7);
        practice.script->append(values);
        practice.script->append(seededValues(5000));
        QVERIFY(practice.click(type));
        MainForm& form = practice.form();
        QCOMPARE(after.isEmpty() ? form.Label33[0].caption() : form.Label27[0].caption(), before);
        if (!after.isEmpty())
            QCOMPARE(form.Label28[0].caption(), after);
        QCOMPARE(form.state.mainKey[0], key);
    }

    // Page 8 draws a whole page of sums first and then who saves each: the
    // worked examples, from values for every draw.
    void workedInterest_data()
    {
        QTest::addColumn<QString>("type");
        QTest::addColumn<Values>("sums");
        QTest::addColumn<int>("saver");
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("key");
        Values fixed{pick(50, 491, 10)};
        Values demand{pick(2, 10, 1), pick(5, 11, 1)};
        for (int i = 1; i < 10; ++i) {
            fixed.push_back(pick(100 + i, 491, 10));
            demand.insert(demand.end(), {pick(10, 10, 1), pick(i, 11, 1)});
        }
        QTest::newRow("三年") << "三年整存利息" << fixed << 0 << "妈妈把 5000 元整存整取三年，年利率 2.75%，到期利息（" << "412.5";
        QTest::newRow("活期") << "活期利息计算" << demand << 4 << "小明把 2400 元存成活期，年利率 0.35%，存 5 个月，利息（" << "3.5";
        QTest::newRow("a whole number of yuan") << "一年整存利息" << fixed << 1 << "爸爸把 5000 元整存整取一年，年利率 1.5%，到期利息（"
                                                << "75";
    }
    void workedInterest()
    {
        QFETCH(QString, type);
        QFETCH(Values, sums);
        QFETCH(int, saver);
        QFETCH(QString, before);
        QFETCH(QString, key);
        Practice practice;
        practice.model.selectTab(7);
        practice.script->append(sums);
        practice.script->append({pick(saver, 8, 0)});
        practice.script->append(Values(9, 0.0f));
        QVERIFY(practice.click(type));
        QCOMPARE(practice.form().Label27[0].caption(), before);
        QCOMPARE(practice.form().Label28[0].caption(), QStringLiteral("）元"));
        QCOMPARE(practice.form().state.mainKey[0], key);
        QCOMPARE(practice.script->remaining(), std::size_t(0));
    }

    void pageZeroCaptions_data()
    {
        QTest::addColumn<QString>("type");
        QTest::addColumn<QString>("caption");
        QTest::newRow("简单") << "求最大公约数（简单）" << "求最大公约数(简单)   在括号内填入适当的数";
        QTest::newRow("中等") << "求最大公约数（中等）" << "求最大公约数(中等)   在括号内填入适当的数";
        QTest::newRow("较难") << "求最大公约数（较难）" << "求最大公约数(较难)   在括号内填入适当的数";
        QTest::newRow("multiples") << "求最小公倍数（中等）" << "求最小公倍数(中等)   在括号内填入适当的数";
    }
    void pageZeroCaptions()
    {
        QFETCH(QString, type);
        QFETCH(QString, caption);
        Practice practice;
        practice.model.selectTab(7);
        practice.model.form.setRandomSource(std::make_unique<SeededRandom>(3));
        QVERIFY(practice.click(type));
        QCOMPARE(practice.form().Frame1[0].caption, caption);
    }

    // A new divisor page starts its clock from zero, whoever asks for it.
    void theClockStartsFromZero()
    {
        Practice practice;
        practice.model.selectTab(7);
        practice.model.form.setRandomSource(std::make_unique<SeededRandom>(4));
        MainForm& form = practice.form();
        QVERIFY(practice.click(QStringLiteral("求最大公约数（简单）")));
        for (int tick = 0; tick < 25; ++tick)
            form.Timer1_Timer();
        form.Command1_Click();
        form.Command2_Click();
        QCOMPARE(form.Label2.caption(), QStringLiteral("您答对了 0道题，用时 0秒。"));

        QVERIFY(practice.click(QStringLiteral("读数字（简单）")));
        for (int tick = 0; tick < 25; ++tick)
            form.Timer1_Timer();
        Command17_Click(form);
        QCOMPARE(form.seenPage(), 8);
        Command18_Click(form);
        QCOMPARE(form.Label30.caption(), QStringLiteral("用时 0秒，答对 0道题。"));
    }

    // Page 8's submit: marks, summary, the clock stopped, the boxes closed and
    // the button still there for a second look; interest by value to the fen.
    void pageEightMarks()
    {
        Practice practice;
        practice.model.selectTab(7);
        practice.model.form.setRandomSource(std::make_unique<SeededRandom>(8));
        MainForm& form = practice.form();
        QVERIFY(practice.click(QStringLiteral("二年整存利息")));
        const AnswerKey keys = form.state.mainKey;
        for (int i = 0; i < 10; ++i)
            form.Text11[i].text = keys[i];
        form.Text11[0].text = twoPlaces(*hundredths(keys[0]));
        form.Text11[1].text = keys[1] + (keys[1].contains(u'.') ? QStringLiteral("00") : QStringLiteral(".000"));
        form.Text11[2].text.clear();
        form.Text11[3].text = yuanText(*hundredths(keys[3]) + 1); // one fen more
        for (int tick = 0; tick < 40; ++tick)
            form.Timer1_Timer();
        for (int press = 0; press < 2; ++press) {
            Command18_Click(form);
            QCOMPARE(form.Label29[0].caption(), QStringLiteral("√"));
            for (int i = 1; i <= 3; ++i)
                QCOMPARE(form.Label29[i].caption(), QStringLiteral("× 正确答案是：") + keys[i]);
            QCOMPARE(form.Label30.caption(), QStringLiteral("用时 40秒，答对 7道题。"));
            QCOMPARE(form.Timer1.interval(), 0);
            QVERIFY(!form.Text11[5].enabled);
            QVERIFY(form.Command18.enabled);
        }
    }

    // Through the driver, as a program outside would: every leaf shows its page
    // under its name, and its own keys, typed into its boxes, are all right.
    void everyLeafThroughTheDriver()
    {
        const QStringList types = tab7Types();
        QStringList look{command("tab", 7)};
        for (int t = 0; t < types.size(); ++t)
            look += QStringList{command("seed", 100 + t), command("click", types[t]), command("dump")};
        const Run looked = drive(look);
        QCOMPARE(looked.dumps.size(), types.size());

        QStringList answer{command("tab", 7)};
        for (int t = 0; t < types.size(); ++t) {
            const bool page0 = types[t].startsWith(u'求');
            answer += QStringList{command("seed", 100 + t), command("click", types[t])};
            const QJsonArray keys = looked.dumps[t][QStringLiteral("mainKey")].toArray();
            for (int i = 0; i < 10; ++i)
                answer.append(command("type", QString::fromLatin1(page0 ? "Text1(%1)" : "Text11(%1)").arg(i), keys[i].toString()));
            answer += QStringList{command("press", page0 ? "Command2" : "Command18"), command("dump")};
        }
        const Run answered = drive(answer);
        QVERIFY2(answered.errors.isEmpty(), qPrintable(answered.errors));
        QCOMPARE(answered.dumps.size(), types.size());
        for (int t = 0; t < types.size(); ++t) {
            const QJsonObject& dump = answered.dumps[t];
            const bool page0 = types[t].startsWith(u'求');
            QString title = types[t];
            if (page0)
                title.replace(u'（', u'(').replace(u'）', u')');
            const QString caption = control(dump, QStringLiteral("Frame1(%1)").arg(page0 ? 0 : 8))[QStringLiteral("caption")].toString();
            QVERIFY2(caption.startsWith(title), qPrintable(caption));
            const QString summary = control(dump, page0 ? QStringLiteral("Label2") : QStringLiteral("Label30"))[QStringLiteral("caption")].toString();
            QVERIFY2(summary.contains(page0 ? QStringLiteral("您答对了 10道题") : QStringLiteral("答对 10道题")), qPrintable(types[t] + summary));
        }
    }
};

QTEST_GUILESS_MAIN(Myframe18Test)
#include "test_myframe18.moc"

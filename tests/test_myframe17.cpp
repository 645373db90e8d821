// The 比例与分数 tab: fractions on page 7, proportions on page 8, fractions
// to decimals on page 2. Every page is read back from its texts and checked
// with exact arithmetic of the test's own.

#include "catalogue.h"
#include "driver_support.h"
#include "generators.h"
#include "practice_pages.h"

#include <QRegularExpression>
#include <QSet>
#include <QTest>

#include <numeric>

using Values = std::vector<float>;
Q_DECLARE_METATYPE(Values)

namespace {

constexpr int fractionTab = 5;

struct Ratio {
    long long numerator;
    long long denominator;
};

Ratio lowestTerms(long long numerator, long long denominator)
{
    const long long divisor = std::gcd(numerator, denominator);
    return {numerator / divisor, denominator / divisor};
}

// A page-7 question read back from its three rows.
struct FractionQuestion {
    long long n1, d1, n2, d2;
    QChar op;
};

std::optional<FractionQuestion> readFractions(const QString& numerators, const QString& bars, const QString& denominators)
{
    static const QRegularExpression twoNumbers(QStringLiteral("^ ?(\\d+) +(\\d+)$"));
    static const QRegularExpression barRow(QStringLiteral("^—— ([-+×÷]) —— = ———$"));
    const auto top = twoNumbers.match(numerators);
    const auto bottom = twoNumbers.match(denominators);
    const auto middle = barRow.match(bars);
    if (!top.hasMatch() || !bottom.hasMatch() || !middle.hasMatch())
        return std::nullopt;
    return FractionQuestion{top.captured(1).toLongLong(), bottom.captured(1).toLongLong(), top.captured(2).toLongLong(),
                            bottom.captured(2).toLongLong(), middle.captured(1).at(0)};
}

Ratio resultOf(const FractionQuestion& q)
{
    switch (q.op.unicode()) {
    case u'+':
        return lowestTerms(q.n1 * q.d2 + q.n2 * q.d1, q.d1 * q.d2);
    case u'-':
        return lowestTerms(q.n1 * q.d2 - q.n2 * q.d1, q.d1 * q.d2);
    case u'×':
        return lowestTerms(q.n1 * q.n2, q.d1 * q.d2);
    default:
        return lowestTerms(q.n1 * q.d2, q.d1 * q.n2);
    }
}

// What the name and the level of a page-7 type promise of every question.
struct FractionPromise {
    int lowest = 1;  // denominators of the two fractions
    int highest = 0;
    bool unitFractions = false;    // 分子为1: numerators 1; 任意: proper and in lowest terms
    bool mayBeWhole = false;       // only the six first types keep whole results
    int commonDenominatorAtMost = 0;
    bool denominatorsDifferButShareAFactor = false;
    int denominatorProductAtMost = 0;
    int crossCancellations = 0;
    int resultDenominatorAtMost = 0;
};

int crossCancellations(const FractionQuestion& q)
{
    if (q.op == u'×')
        return int(std::gcd(q.n1, q.d2) > 1) + int(std::gcd(q.n2, q.d1) > 1);
    if (q.op == u'÷')
        return int(std::gcd(q.n1, q.n2) > 1) + int(std::gcd(q.d2, q.d1) > 1);
    return 0;
}

QString breach(const FractionPromise& promise, const FractionQuestion& q, Ratio result)
{
    for (const auto& [n, d] : {std::pair(q.n1, q.d1), std::pair(q.n2, q.d2)}) {
        if (d < promise.lowest || d > promise.highest)
            return QStringLiteral("denominator out of range");
        if (promise.unitFractions ? n != 1 : (n >= d || std::gcd(n, d) != 1))
            return QStringLiteral("numerator");
    }
    if (result.numerator <= 0)
        return QStringLiteral("result not positive");
    if (!promise.mayBeWhole && result.denominator == 1)
        return QStringLiteral("whole result");
    if (promise.commonDenominatorAtMost && std::lcm(q.d1, q.d2) > promise.commonDenominatorAtMost)
        return QStringLiteral("common denominator too large");
    if (promise.denominatorsDifferButShareAFactor && (q.d1 == q.d2 || std::gcd(q.d1, q.d2) == 1))
        return QStringLiteral("denominators do not share a factor");
    if (promise.denominatorProductAtMost && q.d1 * q.d2 > promise.denominatorProductAtMost)
        return QStringLiteral("denominator product too large");
    if (crossCancellations(q) < promise.crossCancellations)
        return QStringLiteral("too few cross cancellations");
    if (promise.resultDenominatorAtMost && result.denominator > promise.resultDenominatorAtMost)
        return QStringLiteral("result denominator too large");
    return {};
}

// "解比例：6 ∶ 9 = 10 ∶ x    x = （" read back: the four terms, 0 for the unknown.
std::optional<std::array<long long, 4>> readProportion(const QString& question)
{
    static const QRegularExpression pattern(
        QStringLiteral("^解比例：(\\d+|x) ∶ (\\d+|x) = (\\d+|x) ∶ (\\d+|x)    x = （$"));
    const auto match = pattern.match(question);
    if (!match.hasMatch() || question.count(u'x') != 2)
        return std::nullopt;
    std::array<long long, 4> terms;
    for (int i = 0; i < 4; ++i)
        terms[i] = match.captured(i + 1) == u"x" ? 0 : match.captured(i + 1).toLongLong();
    return terms;
}

void generateSeeded(Practice& practice, const QString& type, unsigned long long seed)
{
    practice.form().setRandomSource(std::make_unique<SeededRandom>(seed));
    QVERIFY(practice.click(type));
    QVERIFY(practice.form().seenPage() >= 0);
    QCOMPARE(practice.form().Frame1[practice.form().seenPage()].caption, type);
}

void checkFractionPage(MainForm& form, const FractionPromise& promise, bool distinct)
{
    QSet<QString> shown;
    for (int i = 0; i < 10; ++i) {
        const auto q = readFractions(form.Label22[i].caption(), form.Label24[i].caption(), form.Label23[i].caption());
        QVERIFY2(q, qPrintable(form.Label22[i].caption() + u'|' + form.Label24[i].caption() + u'|' + form.Label23[i].caption()));
        const Ratio result = resultOf(*q);
        QCOMPARE(form.state.mainKey[i], QString::number(result.numerator));
        QCOMPARE(form.state.secondKey[i], QString::number(result.denominator));
        const QString why = breach(promise, *q, result);
        QVERIFY2(why.isEmpty(), qPrintable(why + QStringLiteral(": ") + form.Label22[i].caption() + QStringLiteral(" / ") + form.Label23[i].caption()));
        shown.insert(form.Label22[i].caption() + form.Label24[i].caption() + form.Label23[i].caption());
    }
    if (distinct)
        QCOMPARE(shown.size(), 10);
}

// The proportion is true with the key in place of x, made from a ratio p ∶ q
// in lowest terms (2..9) times two different multipliers (2..12).
void checkProportionPage(MainForm& form, const QString& type)
{
    QSet<QString> shown;
    for (int i = 0; i < 10; ++i) {
        auto terms = readProportion(form.Label27[i].caption());
        QVERIFY2(terms, qPrintable(form.Label27[i].caption()));
        QCOMPARE(form.Label28[i].caption(), QStringLiteral("）"));
        const auto unknown = std::find(terms->begin(), terms->end(), 0) - terms->begin();
        bool whole = false;
        (*terms)[unknown] = form.state.mainKey[i].toLongLong(&whole);
        QVERIFY(whole && (*terms)[unknown] > 0);
        const auto [a, b, c, d] = *terms;
        QCOMPARE(a * d, b * c);
        const long long m = std::gcd(a, b);
        const long long n = std::gcd(c, d);
        QVERIFY(m != n && m >= 2 && m <= 12 && n >= 2 && n <= 12);
        QVERIFY(a / m >= 2 && a / m <= 9 && b / m >= 2 && b / m <= 9);
        if (type == QStringLiteral("解比例（简单）"))
            QCOMPARE(unknown, 3);
        if (type == QStringLiteral("解比例（较难）"))
            QVERIFY(std::all_of(terms->begin(), terms->end(), [](long long t) { return t >= 10 && t <= 99; }));
        shown.insert(form.Label27[i].caption());
    }
    QCOMPARE(shown.size(), 10);
}

// The key is the value rounded half up to exactly two decimals, "=" stands for
// an exact value and "≈" for a rounded one, and only an exact value may be
// typed with fewer decimals.
void checkFractionToDecimalPage(MainForm& form, const QString& type)
{
    static const QRegularExpression questionPattern(QStringLiteral("^(\\d+)/(\\d+) ([=≈]) \\($"));
    static const QRegularExpression keyPattern(QStringLiteral("^(\\d+)\\.(\\d\\d)$"));
    QSet<QString> shown;
    for (int i = 0; i < 10; ++i) {
        const auto question = questionPattern.match(form.Label5[i].caption());
        const auto key = keyPattern.match(form.state.mainKey[i]);
        QVERIFY2(question.hasMatch() && key.hasMatch(), qPrintable(form.Label5[i].caption() + u' ' + form.state.mainKey[i]));
        const long long n = question.captured(1).toLongLong();
        const long long d = question.captured(2).toLongLong();
        const long long hundredths = key.captured(1).toLongLong() * 100 + key.captured(2).toLongLong();
        QVERIFY((2 * hundredths - 1) * d <= 200 * n && 200 * n < (2 * hundredths + 1) * d);
        const bool exact = 100 * n == hundredths * d;
        QCOMPARE(question.captured(3), exact ? QStringLiteral("=") : QStringLiteral("≈"));
        QCOMPARE(form.state.answerForms[i], exact ? AnswerForm::DecimalValueTwoPlacesMax : AnswerForm::ExactText);
        QCOMPARE(form.Label6[i].caption(), QStringLiteral(")"));
        QCOMPARE(std::gcd(n, d), 1LL);
        if (type == QStringLiteral("分数转小数（简单）"))
            QVERIFY(QList<long long>({2, 4, 5, 10, 20, 25}).contains(d) && n < d);
        else if (type == QStringLiteral("分数转小数（中等）"))
            QVERIFY(d >= 3 && d <= 12 && n < d);
        else
            QVERIFY(d >= 2 && d <= 12 && n > d && n <= 4 * d);
        shown.insert(form.Label5[i].caption());
    }
    QCOMPARE(shown.size(), 10);
}

} // namespace

Q_DECLARE_METATYPE(FractionPromise)

class Myframe17Test : public QObject {
    Q_OBJECT

    Practice practice;

private slots:
    void initTestCase() { practice.model.selectTab(fractionTab); }

    // The six unit-fraction types, value by value: the first question from the
    // given values, the nine others from {0, 0.5}, which every type accepts.
    void unitFractions_data()
    {
        QTest::addColumn<QString>("type");
        QTest::addColumn<Values>("values");
        QTest::addColumn<QString>("denominatorRow");
        QTest::addColumn<QString>("bars");
        QTest::addColumn<QString>("keys");

        const QString plus = QStringLiteral("—— + —— = ———");
        const QString minus = QStringLiteral("—— - —— = ———");
        QTest::newRow("1/4 + 1/4, equal denominators") << "分子为1加法（简单）" << Values{0.35f, 0.35f} << " 4          4" << plus << "1/2";
        QTest::newRow("1/2 + 1/2 is 1/1") << "分子为1加法（简单）" << Values{0.15f, 0.15f} << " 2          2" << plus << "1/1";
        QTest::newRow("1/1 + 1/1 is 2/1") << "分子为1加法（简单）" << Values{0.0f, 0.0f} << " 1          1" << plus << "2/1";
        QTest::newRow("1/1 + 1/3 stays improper") << "分子为1加法（简单）" << Values{0.0f, 0.25f} << " 1          3" << plus << "4/3";
        QTest::newRow("中等: a two-digit a, no blank before it") << "分子为1加法（中等）" << Values{0.125f, 0.7f} << "12         7" << plus << "19/84";
        QTest::newRow("较难: 1/100 + 1/99") << "分子为1加法（较难）" << Values{0.999f, 0.98f} << "100        99" << plus << "199/9900";
        QTest::newRow("1/2 - 1/4") << "分子为1减法（简单）" << Values{0.15f, 0.35f} << " 2          4" << minus << "1/4";
        QTest::newRow("1/3 - 1/6") << "分子为1减法（简单）" << Values{0.25f, 0.6f} << " 3          6" << minus << "1/6";
        QTest::newRow("a ≥ b draws both again") << "分子为1减法（简单）" << Values{0.5f, 0.1f, 0.4f, 0.4f, 0.15f, 0.25f} << " 2          3" << minus << "1/6";
        QTest::newRow("中等: six blanks") << "分子为1减法（中等）" << Values{0.0f, 0.5f} << "10       18" << minus << "2/45";
        QTest::newRow("较难: a ≥ b redrawn from 10..25") << "分子为1减法（较难）" << Values{0.5f, 0.0f, 0.125f, 0.5f} << "12        18" << minus << "1/36";
    }
    void unitFractions()
    {
        QFETCH(QString, type);
        QFETCH(Values, values);
        practice.form().setRandomSource(std::make_unique<ScriptedRandom>(values));
        auto* script = static_cast<ScriptedRandom*>(&practice.form().random());
        for (int i = 1; i < 10; ++i)
            script->append({0.0f, 0.5f});
        QVERIFY(practice.click(type));
        QCOMPARE(script->remaining(), std::size_t(0));
        MainForm& form = practice.form();
        QCOMPARE(form.seenPage(), 7);
        QCOMPARE(form.Frame1[7].caption, type);
        QCOMPARE(form.Label22[0].caption(), QStringLiteral(" 1          1"));
        QTEST(form.Label23[0].caption(), "denominatorRow");
        QTEST(form.Label24[0].caption(), "bars");
        QTEST(form.state.mainKey[0] + u'/' + form.state.secondKey[0], "keys");
    }

    // Only the reduced fraction in both boxes is right; the boxes stay open.
    void markingPage7()
    {
        practice.form().setRandomSource(std::make_unique<ScriptedRandom>(Values{0.6f, 0.6f}));
        auto* script = static_cast<ScriptedRandom*>(&practice.form().random());
        for (int i = 1; i < 10; ++i)
            script->append({0.0f, 0.5f}); // 1/1 + 1/5 = 6/5
        QVERIFY(practice.click(QStringLiteral("分子为1加法（简单）")));
        MainForm& form = practice.form();
        const QString typed[4][2] = {{"2", "6"}, {"6", "5"}, {"6", "4"}, {"", "5"}};
        for (int i = 0; i < 4; ++i) {
            form.Text9[i].text = typed[i][0];
            form.Text10[i].text = typed[i][1];
        }
        for (int second = 0; second < 35; ++second)
            form.Timer1_Timer();
        QVERIFY(practice.model.click(QStringLiteral("Command16")));
        QCOMPARE(form.Label25[0].caption(), QStringLiteral("×,正确答案是： 1/ 3"));
        QCOMPARE(form.Label25[1].caption(), QStringLiteral("√"));
        QCOMPARE(form.Label25[2].caption(), QStringLiteral("×,正确答案是： 6/ 5"));
        QCOMPARE(form.Label25[3].caption(), QStringLiteral("×,正确答案是： 6/ 5"));
        QCOMPARE(form.Label26.caption(), QStringLiteral("答对了 1道题,用时 35秒。"));
        QCOMPARE(form.Timer1.interval(), 0);
        QVERIFY(form.Text9[0].enabled && form.Text10[0].enabled);
        // A corrected answer marks right on the next press.
        form.Text9[0].text = QStringLiteral("1");
        form.Text10[0].text = QStringLiteral("3");
        QVERIFY(practice.model.click(QStringLiteral("Command16")));
        QCOMPARE(form.Label25[0].caption(), QStringLiteral("√"));
        QCOMPARE(form.Label26.caption(), QStringLiteral("答对了 2道题,用时 35秒。"));
    }

    // The widest page 7 has (1/99 + 1/100 = 199/9900 in every question, all
    // marked wrong) stays inside the page, each column clear of the other, the
    // boxes over and under the result bar that ends the bar row.
    void page7FitsThePage()
    {
        auto script = std::make_unique<ScriptedRandom>();
        for (int i = 0; i < 10; ++i)
            script->append({0.98f, 0.999f});
        practice.form().setRandomSource(std::move(script));
        QVERIFY(practice.click(QStringLiteral("分子为1加法（较难）")));
        MainForm& form = practice.form();
        QVERIFY(practice.model.click(QStringLiteral("Command16")));
        const int resultBarWidth = practice.metrics.widthTwips(QStringLiteral("———"));
        for (int i = 0; i < 10; ++i) {
            QCOMPARE(form.Label25[i].caption(), QStringLiteral("×,正确答案是： 199/ 9900"));
            const Rect& bars = form.Label24[i].rect;
            const Rect& upper = form.Text9[i].rect;
            const Rect& lower = form.Text10[i].rect;
            QCOMPARE(upper.left + upper.width / 2, bars.left + bars.width - resultBarWidth / 2);
            QCOMPARE(lower.left, upper.left);
            QCOMPARE(lower.width, upper.width);
            QVERIFY(upper.width >= resultBarWidth);
            QCOMPARE(upper.top + upper.height, bars.top);
            QCOMPARE(lower.top, bars.top + bars.height);
            const Rect& mark = form.Label25[i].rect;
            QVERIFY(mark.left > upper.left + upper.width);
            QCOMPARE(mark.top, bars.top);
            QVERIFY(mark.left + mark.width <= (i < 5 ? form.Label24[i + 5].rect.left : 11340));
            QVERIFY(form.Label23[i].rect.top + form.Label23[i].rect.height <= form.Command15.rect.top);
        }
    }

    // An exact value may be typed as any equal decimal of at most two
    // decimals; a rounded one only as its two decimals.
    void fractionToDecimalMarks_data()
    {
        QTest::addColumn<QString>("type");
        QTest::addColumn<Values>("values"); // the denominator's index in the type's list, then the numerator
        QTest::addColumn<QString>("question");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("mark");
        const QString easy = QStringLiteral("分数转小数（简单）");
        const QString middle = QStringLiteral("分数转小数（中等）");
        const QString hard = QStringLiteral("分数转小数（较难）");
        QTest::newRow("1/2: 0.5") << easy << Values{0.0f, 0.0f} << "1/2 = (" << "0.5" << ")  √";
        QTest::newRow("1/2: 0.50") << easy << Values{0.0f, 0.0f} << "1/2 = (" << "0.50" << ")  √";
        QTest::newRow("1/2: .5") << easy << Values{0.0f, 0.0f} << "1/2 = (" << ".5" << ")  × 正确答案是0.50";
        QTest::newRow("1/2: 0.500") << easy << Values{0.0f, 0.0f} << "1/2 = (" << "0.500" << ")  × 正确答案是0.50";
        QTest::newRow("3/4: 0.75") << middle << Values{0.15f, 0.7f} << "3/4 = (" << "0.75" << ")  √";
        QTest::newRow("1/10: 0.1") << middle << Values{0.75f, 0.0f} << "1/10 = (" << "0.1" << ")  √";
        // 0.375 rounds half up.
        QTest::newRow("3/8: 0.38") << middle << Values{0.55f, 0.3f} << "3/8 ≈ (" << "0.38" << ")  √";
        QTest::newRow("3/8: 0.375") << middle << Values{0.55f, 0.3f} << "3/8 ≈ (" << "0.375" << ")  × 正确答案是0.38";
        QTest::newRow("3/8: 0.37") << middle << Values{0.55f, 0.3f} << "3/8 ≈ (" << "0.37" << ")  × 正确答案是0.38";
        QTest::newRow("1/3: 0.33") << middle << Values{0.0f, 0.0f} << "1/3 ≈ (" << "0.33" << ")  √";
        QTest::newRow("1/3: 0.3") << middle << Values{0.0f, 0.0f} << "1/3 ≈ (" << "0.3" << ")  × 正确答案是0.33";
        QTest::newRow("1/3: 0.333") << middle << Values{0.0f, 0.0f} << "1/3 ≈ (" << "0.333" << ")  × 正确答案是0.33";
        QTest::newRow("1/3: 0.330") << middle << Values{0.0f, 0.0f} << "1/3 ≈ (" << "0.330" << ")  × 正确答案是0.33";
        QTest::newRow("5/2: 2.5") << hard << Values{0.0f, 0.4f} << "5/2 = (" << "2.5" << ")  √";
        QTest::newRow("5/2: 2.50") << hard << Values{0.0f, 0.4f} << "5/2 = (" << "2.50" << ")  √";
        // Numerator 8 of 3 is 2.666…
        QTest::newRow("8/3: 2.67") << hard << Values{0.1f, 0.5f} << "8/3 ≈ (" << "2.67" << ")  √";
        QTest::newRow("8/3: 2.66") << hard << Values{0.1f, 0.5f} << "8/3 ≈ (" << "2.66" << ")  × 正确答案是2.67";
    }
    void fractionToDecimalMarks()
    {
        QFETCH(QString, type);
        QFETCH(Values, values);
        QFETCH(QString, typed);
        auto script = std::make_unique<ScriptedRandom>(values);
        SeededRandom rest(3); // for the nine other questions
        for (int i = 0; i < 5000; ++i)
            script->append({rest.next()});
        practice.form().setRandomSource(std::move(script));
        QVERIFY(practice.click(type));
        MainForm& form = practice.form();
        QCOMPARE(form.seenPage(), 2);
        QVERIFY(form.Label31.visible);
        QTEST(form.Label5[0].caption(), "question");
        QCOMPARE(form.Label6[0].caption(), QStringLiteral(")"));
        form.Text3[0].text = typed;
        QVERIFY(practice.model.click(QStringLiteral("Command6")));
        QTEST(form.Label6[0].caption(), "mark");
    }

    // Every type of the tab, 30 seeded pages each: each question read back from
    // the page, its key worked out exactly, the promises of its name kept.
    void everyTypeKeysItsPromises_data()
    {
        QTest::addColumn<QString>("type");
        QTest::addColumn<FractionPromise>("promise");
        auto fractions = [](const char* type, FractionPromise promise) {
            QTest::newRow(type) << QString::fromUtf8(type) << promise;
        };
        const auto unit = [](int lowest, int highest) {
            return FractionPromise{.lowest = lowest, .highest = highest, .unitFractions = true, .mayBeWhole = true};
        };
        fractions("分子为1加法（简单）", unit(1, 9));
        fractions("分子为1加法（中等）", unit(1, 25));
        fractions("分子为1加法（较难）", unit(50, 100));
        fractions("分子为1减法（简单）", unit(1, 9));
        fractions("分子为1减法（中等）", unit(10, 25));
        fractions("分子为1减法（较难）", unit(10, 100));
        for (const char* op : {"加法", "减法"}) {
            const QByteArray name = QByteArray("分子为任意") + op;
            fractions(name + "（简单）", {.lowest = 2, .highest = 9});
            fractions(name + "（中等）", {.lowest = 2, .highest = 24, .commonDenominatorAtMost = 60});
            fractions(name + "（较难）", {.lowest = 10, .highest = 60, .commonDenominatorAtMost = 120,
                                          .denominatorsDifferButShareAFactor = true});
        }
        for (const char* op : {"乘法", "除法"}) {
            const QByteArray name = QByteArray("分子为1") + op;
            fractions(name + "（简单）", {.lowest = 2, .highest = 9, .unitFractions = true});
            fractions(name + "（中等）", {.lowest = 2, .highest = 12, .unitFractions = true});
            fractions(name + "（较难）", {.lowest = 10, .highest = 25, .unitFractions = true, .denominatorProductAtMost = 300});
        }
        for (const char* op : {"乘法", "除法"}) {
            const QByteArray name = QByteArray("分子为任意") + op;
            fractions(name + "（简单）", {.lowest = 2, .highest = 9});
            fractions(name + "（中等）", {.lowest = 2, .highest = 20, .crossCancellations = 1});
            fractions(name + "（较难）", {.lowest = 10, .highest = 40, .crossCancellations = 2, .resultDenominatorAtMost = 100});
        }
        for (const char* level : {"（简单）", "（中等）", "（较难）"}) {
            QTest::newRow(QByteArray("解比例") + level) << QStringLiteral("解比例") + QString::fromUtf8(level) << FractionPromise{};
            QTest::newRow(QByteArray("分数转小数") + level) << QStringLiteral("分数转小数") + QString::fromUtf8(level) << FractionPromise{};
        }
    }
    void everyTypeKeysItsPromises()
    {
        QFETCH(QString, type);
        QFETCH(FractionPromise, promise);
        const bool distinct = !type.startsWith(QStringLiteral("分子为1加法")) && !type.startsWith(QStringLiteral("分子为1减法"));
        for (unsigned long long seed = 1; seed <= 30; ++seed) {
            generateSeeded(practice, type, seed);
            MainForm& form = practice.form();
            if (type.startsWith(QStringLiteral("解比例")))
                checkProportionPage(form, type);
            else if (type.startsWith(QStringLiteral("分数转小数")))
                checkFractionToDecimalPage(form, type);
            else
                checkFractionPage(form, promise, distinct);
            if (QTest::currentTestFailed()) {
                qWarning("seed %llu", seed);
                return;
            }
        }
    }

    // Page 8: the pupil's answers are marked by Command18.
    void markingPage8()
    {
        // p ∶ q = 2 ∶ 3, m = 3, n = 5: 6 ∶ 9 = 10 ∶ x.
        auto script = std::make_unique<ScriptedRandom>(Values{0.0f, 0.125f, 0.1f, 0.3f});
        SeededRandom rest(11);
        for (int i = 0; i < 2000; ++i)
            script->append({rest.next()});
        practice.form().setRandomSource(std::move(script));
        QVERIFY(practice.click(QStringLiteral("解比例（简单）")));
        MainForm& form = practice.form();
        QCOMPARE(form.seenPage(), 8);
        QCOMPARE(form.Label27[0].caption(), QStringLiteral("解比例：6 ∶ 9 = 10 ∶ x    x = （"));
        QCOMPARE(form.Label28[0].caption(), QStringLiteral("）"));
        QCOMPARE(form.state.mainKey[0], QStringLiteral("15"));
        QCOMPARE(form.Text11[0].rect.left, form.Label27[0].rect.left + form.Label27[0].rect.width);
        QCOMPARE(form.Label28[0].rect.left, form.Text11[0].rect.left + form.Text11[0].rect.width);
        QVERIFY(form.Label29[0].rect.left > form.Label28[0].rect.left + form.Label28[0].rect.width - 1);
        form.Text11[0].text = QStringLiteral("15");
        form.Text11[1].text = QStringLiteral("15.0");
        for (int second = 0; second < 40; ++second)
            form.Timer1_Timer();
        QVERIFY(practice.model.click(QStringLiteral("Command18")));
        QCOMPARE(form.Label29[0].caption(), QStringLiteral("√"));
        QCOMPARE(form.Label29[1].caption(), QStringLiteral("× 正确答案是：") + form.state.mainKey[1]);
        QCOMPARE(form.Label30.caption(), QStringLiteral("用时 40秒，答对 1道题。"));
        QVERIFY(!form.Text11[0].enabled);
    }

    // 分子为任意加法（简单） and （中等） stand in both lists of the tab: the
    // page is built twice and the second one stays, its keys with it.
    void aNameInTwoListsKeepsTheSecondPage()
    {
        const QString type = QStringLiteral("分子为任意加法（中等）");
        auto page = [](MainForm& form) {
            QStringList rows;
            for (int i = 0; i < 10; ++i)
                rows << form.Label22[i].caption() + form.Label23[i].caption() + form.state.mainKey[i] + form.state.secondKey[i];
            return rows;
        };
        auto builtBy = [&](int calls) {
            Practice direct;
            direct.model.selectTab(fractionTab);
            direct.form().setRandomSource(std::make_unique<SeededRandom>(4));
            direct.form().TreeView1.selectText(type);
            for (int call = 0; call < calls; ++call)
                myframe17(direct.form());
            return page(direct.form());
        };
        practice.form().setRandomSource(std::make_unique<SeededRandom>(4));
        QVERIFY(practice.click(type));
        QCOMPARE(page(practice.form()), builtBy(2));
        QVERIFY(page(practice.form()) != builtBy(1));
    }

    // A category opens no page: the page in progress stays as it is.
    void aCategoryKeepsThePageInProgress()
    {
        practice.form().setRandomSource(std::make_unique<SeededRandom>(5));
        QVERIFY(practice.click(QStringLiteral("分子为1除法（中等）")));
        const QString question = practice.form().Label23[0].caption();
        practice.form().Text9[0].text = QStringLiteral("7");
        for (const QString& category : {QStringLiteral("分数"), QStringLiteral("分数转小数"), QStringLiteral("比和比例")}) {
            QVERIFY(practice.click(category));
            QCOMPARE(practice.form().seenPage(), 7);
            QCOMPARE(practice.form().Frame1[7].caption, QStringLiteral("分子为1除法（中等）"));
            QCOMPARE(practice.form().Label23[0].caption(), question);
            QCOMPARE(practice.form().Text9[0].text, QStringLiteral("7"));
        }
    }

    // Through the driver, as a pupil meets them: every leaf of the tab shows
    // its page under its own name, and its keys typed into its boxes mark
    // themselves right.
    void everyLeafMarksItsKeysRight()
    {
        for (const QString& leaf : ExerciseCatalogue::tab(fractionTab).exerciseTypes()) {
            const QStringList opening{command("seed", 19), command("tab", fractionTab), command("click", leaf)};
            const Run shown = drive(opening + QStringList{command("dump")});
            QCOMPARE(shown.dumps.size(), 1);
            const QJsonObject page = shown.dumps[0];
            const int frame = leaf.startsWith(QStringLiteral("解比例")) ? 8 : leaf.startsWith(QStringLiteral("分数转小数")) ? 2 : 7;
            QVERIFY2(control(page, QStringLiteral("Frame1(%1)").arg(frame))[QStringLiteral("visible")].toBool(), qPrintable(leaf));
            QCOMPARE(control(page, QStringLiteral("Frame1(%1)").arg(frame))[QStringLiteral("caption")].toString(), leaf);
            QVERIFY(!control(page, QStringLiteral("Picture14"))[QStringLiteral("visible")].toBool());

            const PracticePage controls = practicePage(practice.form(), frame);
            const QString submit = frame == 7 ? QStringLiteral("Command16") : frame == 8 ? QStringLiteral("Command18") : QStringLiteral("Command6");
            const QString boxes[2] = {frame == 7 ? QStringLiteral("Text9") : frame == 8 ? QStringLiteral("Text11") : QStringLiteral("Text3"),
                                      QStringLiteral("Text10")};
            QStringList answering = opening;
            for (int part = 0; part < int(controls.boxes.size()); ++part) {
                const QJsonArray keys = page[part == 0 ? QStringLiteral("mainKey") : QStringLiteral("secondKey")].toArray();
                for (int i = 0; i < 10; ++i)
                    answering << command("type", QStringLiteral("%1(%2)").arg(boxes[part]).arg(i), keys[i].toString());
            }
            answering << command("press", submit) << command("dump");
            const Run marked = drive(answering);
            QCOMPARE(marked.dumps.size(), 1);
            QVERIFY2(marked.errors.isEmpty(), qPrintable(marked.errors));
            const QString summary = frame == 7 ? QStringLiteral("Label26") : frame == 8 ? QStringLiteral("Label30") : QStringLiteral("Label7");
            QVERIFY2(control(marked.dumps[0], summary)[QStringLiteral("caption")].toString().contains(QStringLiteral(" 10道题")),
                     qPrintable(leaf + QStringLiteral(": ") + control(marked.dumps[0], summary)[QStringLiteral("caption")].toString()));
        }
    }
};

QTEST_GUILESS_MAIN(Myframe17Test)
#include "test_myframe17.moc"

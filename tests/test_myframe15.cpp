// The 找规律 tab: the number patterns from scripted draws, the marking of
// pages 5 and 6, and every type of the tab over many seeded pages, each
// question read back and answered by the test itself.

#include "catalogue.h"
#include "driver_support.h"
#include "page_geometry.h"

#include <QRegularExpression>
#include <QSet>
#include <QTest>

#include <algorithm>
#include <functional>
#include <map>
#include <numeric>

using Values = std::vector<float>;
Q_DECLARE_METATYPE(Values)

namespace {

constexpr int patternTab = 4;
const QString pictureType = QStringLiteral("多多少（简单）");

// One question of page 5 as the pupil sees it, and its key.
struct Row {
    QString before; // Label15
    QString after;  // Label16
    QString key;
};

struct Range {
    long long least;
    long long most;

    bool holds(long long n) const { return n >= least && n <= most; }
};

// Why a row does not ask what its type promises, or has the wrong key; empty
// when it is right.
using Check = std::function<QString(const Row&)>;

std::vector<long long> numbersIn(const QString& text)
{
    static const QRegularExpression number(QStringLiteral("\\d+"));
    std::vector<long long> numbers;
    for (auto it = number.globalMatch(text); it.hasNext();)
        numbers.push_back(it.next().captured().toLongLong());
    return numbers;
}

// The key as a whole number, if it is written as plain digits.
std::optional<long long> keyOf(const Row& row)
{
    static const QRegularExpression digits(QStringLiteral("^(0|[1-9]\\d*)$"));
    return digits.match(row.key).hasMatch() ? std::optional(row.key.toLongLong()) : std::nullopt;
}

std::optional<QRegularExpressionMatch> matched(const QString& pattern, const QString& text)
{
    const QRegularExpressionMatch match = QRegularExpression(pattern).match(text);
    return match.hasMatch() ? std::optional(match) : std::nullopt;
}

enum class Pattern { Consecutive, Steps, Multiples };

Check pattern(Pattern kind)
{
    return [kind](const Row& row) -> QString {
        const auto key = keyOf(row);
        if (!matched(QStringLiteral("^ \\d+(  ,   \\d+)* , （$"), row.before)
            || !matched(QStringLiteral("^）(  ,   \\d+)*$"), row.after) || !key)
            return QStringLiteral("not a row of terms");
        const std::vector<long long> shown = numbersIn(row.before);
        const std::vector<long long> later = numbersIn(row.after);
        std::vector<long long> terms = shown;
        terms.push_back(*key);
        terms.insert(terms.end(), later.begin(), later.end());
        const long long step = terms[1] - terms[0];
        for (std::size_t k = 1; k < terms.size(); ++k)
            if (terms[k] - terms[k - 1] != step)
                return QStringLiteral("the key does not continue the pattern");
        if (*std::max_element(terms.begin(), terms.end()) > 282)
            return QStringLiteral("a term above 282");
        const int before = int(shown.size());
        switch (kind) {
        case Pattern::Consecutive:
            if (step != 1 || terms.size() != 8 || !Range{1, 12}.holds(terms[0]) || before < 3 || before > 6)
                return QStringLiteral("not eight consecutive numbers with the 4th to 7th missing");
            break;
        case Pattern::Steps: {
            bool aDrawnN = false; // the terms on either side of the gap come from one n of 1..4
            for (int n = 1; n <= 4; ++n)
                aDrawnN = aDrawnN || (before == 2 + n / step && int(later.size()) == 1 + (4 - n) / step);
            if ((step != 2 && step != 3) || !Range{1, 12}.holds(terms[0]) || terms.size() < 4 || !aDrawnN)
                return QStringLiteral("not steps of 2 or 3 of the drawn lengths");
            break;
        }
        case Pattern::Multiples:
            if (step != terms[0] || terms.size() != 6 || !Range{8, 47}.holds(terms[0]) || before < 2 || before > 5)
                return QStringLiteral("not six multiples with the 3rd to 6th missing");
            break;
        }
        return {};
    };
}

Check remainderAfterQuotient(Range divisor, Range quotient)
{
    return [=](const Row& row) -> QString {
        const auto match = matched(QStringLiteral("^(\\d+) ÷ (\\d+) = (\\d+) ……（$"), row.before);
        const auto r = keyOf(row);
        if (!match || row.after != u"）" || !r)
            return QStringLiteral("not a division with a remainder");
        const long long a = match->captured(1).toLongLong(), d = match->captured(2).toLongLong(),
                        q = match->captured(3).toLongLong();
        if (a != d * q + *r || *r < 1 || *r >= d)
            return QStringLiteral("the key is not the remainder");
        if (!divisor.holds(d) || !quotient.holds(q))
            return QStringLiteral("divisor or quotient out of range");
        return {};
    };
}

Check remainderOf(Range divisor, Range dividend)
{
    return [=](const Row& row) -> QString {
        const auto match = matched(QStringLiteral("^(\\d+) ÷ (\\d+) 的余数是（$"), row.before);
        const auto r = keyOf(row);
        if (!match || row.after != u"）" || !r)
            return QStringLiteral("not a question for a remainder");
        const long long a = match->captured(1).toLongLong(), d = match->captured(2).toLongLong();
        if (*r != a % d || *r == 0)
            return QStringLiteral("the key is not a remainder other than 0");
        if (!divisor.holds(d) || !dividend.holds(a))
            return QStringLiteral("divisor or dividend out of range");
        return {};
    };
}

// The measure word that goes with each thing a child may have.
const std::map<QString, QString> measureWords = {
    {QStringLiteral("画片"), QStringLiteral("张")}, {QStringLiteral("铅笔"), QStringLiteral("支")},
    {QStringLiteral("书"), QStringLiteral("本")},   {QStringLiteral("苹果"), QStringLiteral("个")},
    {QStringLiteral("糖"), QStringLiteral("颗")},   {QStringLiteral("花"), QStringLiteral("朵")},
    {QStringLiteral("橡皮"), QStringLiteral("块")}, {QStringLiteral("邮票"), QStringLiteral("枚")},
};

// 多 asks how many more the first named of the question has, 少 how many fewer.
Check compared(QChar asked, Range amounts)
{
    return [=](const Row& row) -> QString {
        const auto match = matched(QStringLiteral("^(\\p{Han}{2})有 (\\d+) (\\p{Han})(\\p{Han}+)，(\\p{Han}{2})有 (\\d+) "
                                                  "(\\p{Han})。(\\p{Han}{2})比(\\p{Han}{2})([多少])（$"),
                                   row.before);
        const auto difference = keyOf(row);
        if (!match || !difference)
            return QStringLiteral("not a comparison of two children");
        const QString first = match->captured(1), second = match->captured(5);
        const long long a = match->captured(2).toLongLong(), b = match->captured(6).toLongLong();
        const QString measure = match->captured(3);
        const auto agreed = measureWords.find(match->captured(4));
        if (agreed == measureWords.end() || agreed->second != measure || match->captured(7) != measure
            || row.after != u'）' + measure)
            return QStringLiteral("a thing counted with a wrong measure word");
        const QString subject = match->captured(8), object = match->captured(9);
        if (first == second || QSet<QString>{subject, object} != QSet<QString>{first, second} || match->captured(10) != asked)
            return QStringLiteral("the question does not compare the two children as asked");
        if (!amounts.holds(a) || !amounts.holds(b) || a == b)
            return QStringLiteral("amounts out of range or equal");
        const long long subjectHas = subject == first ? a : b, objectHas = subject == first ? b : a;
        if ((asked == u'多') != (subjectHas > objectHas) || *difference != std::abs(a - b))
            return QStringLiteral("the key is not the difference asked for");
        return {};
    };
}

Check inOrder(Range numbers)
{
    return [=](const Row& row) -> QString {
        const auto match = matched(QStringLiteral("^(\\d+)、(\\d+)、(\\d+)、(\\d+)、(\\d+) 从小到大排列：((?:\\d+ < )*)（$"),
                                   row.before);
        const auto key = keyOf(row);
        if (!match || !matched(QStringLiteral("^）( < \\d+)*$"), row.after) || !key)
            return QStringLiteral("not numbers to put in order");
        std::vector<long long> shown;
        for (int k = 1; k <= 5; ++k)
            shown.push_back(match->captured(k).toLongLong());
        std::vector<long long> ordered = numbersIn(match->captured(6));
        ordered.push_back(*key);
        for (const long long n : numbersIn(row.after))
            ordered.push_back(n);
        std::vector<long long> sorted = shown;
        std::sort(sorted.begin(), sorted.end());
        if (std::adjacent_find(sorted.begin(), sorted.end()) != sorted.end())
            return QStringLiteral("a number shown twice");
        if (std::is_sorted(shown.begin(), shown.end()))
            return QStringLiteral("the numbers are shown in order already");
        if (!std::all_of(shown.begin(), shown.end(), [&](long long n) { return numbers.holds(n); }))
            return QStringLiteral("a number out of range");
        if (ordered != sorted)
            return QStringLiteral("the ordered row with the key is not the numbers in order");
        return {};
    };
}

Check complement(long long whole, Range part)
{
    return [=](const Row& row) -> QString {
        const auto shown = matched(QStringLiteral("^(\\d+) \\+ （$"), row.before);
        const auto sum = matched(QStringLiteral("^） = (\\d+)$"), row.after);
        const auto key = keyOf(row);
        if (!shown || !sum || !key)
            return QStringLiteral("not a complement");
        const long long a = shown->captured(1).toLongLong();
        if (sum->captured(1).toLongLong() != whole || !part.holds(a) || a + *key != whole)
            return QStringLiteral("wrong whole, part out of range or a wrong key");
        return {};
    };
}

Check mean(int count, Range numbers)
{
    return [=](const Row& row) -> QString {
        const auto match = matched(QStringLiteral("^(\\d+(?:、\\d+)*) 的平均数是（$"), row.before);
        const auto key = keyOf(row);
        if (!match || row.after != u"）" || !key)
            return QStringLiteral("not a mean");
        const std::vector<long long> values = numbersIn(match->captured(1));
        if (int(values.size()) != count
            || !std::all_of(values.begin(), values.end(), [&](long long n) { return numbers.holds(n); }))
            return QStringLiteral("wrong count of numbers or a number out of range");
        if (std::accumulate(values.begin(), values.end(), 0LL) != *key * count)
            return QStringLiteral("the key is not the mean");
        return {};
    };
}

Check power(int exponent, Range base)
{
    return [=](const Row& row) -> QString {
        const auto match = matched(QStringLiteral("^(\\d+)([²³]) = （$"), row.before);
        const auto key = keyOf(row);
        if (!match || row.after != u"）" || !key)
            return QStringLiteral("not a power");
        const long long b = match->captured(1).toLongLong();
        long long value = 1;
        for (int k = 0; k < exponent; ++k)
            value *= b;
        if (match->captured(2) != (exponent == 2 ? u"²" : u"³") || !base.holds(b) || *key != value)
            return QStringLiteral("wrong exponent, base out of range or a wrong key");
        return {};
    };
}

// What each type of page 5 promises, as the tab's design gives it.
const std::map<QString, Check>& pageFiveChecks()
{
    static const std::map<QString, Check> checks = {
        {QStringLiteral("规律运算（最简单）"), pattern(Pattern::Consecutive)},
        {QStringLiteral("规律运算（简单）"), pattern(Pattern::Steps)},
        {QStringLiteral("规律运算（中等）"), pattern(Pattern::Multiples)},
        {QStringLiteral("求余数（简单）"), remainderAfterQuotient({2, 9}, {1, 9})},
        {QStringLiteral("求余数（中等）"), remainderOf({2, 9}, {10, 99})},
        {QStringLiteral("求余数（较难）"), remainderOf({11, 99}, {100, 999})},
        {QStringLiteral("多多少（较难）"), compared(u'多', {10, 100})},
        {QStringLiteral("少多少（简单）"), compared(u'少', {1, 20})},
        {QStringLiteral("少多少（较难）"), compared(u'少', {10, 100})},
        {QStringLiteral("数字排序（简单）"), inOrder({1, 20})},
        {QStringLiteral("数字排序（中等）"), inOrder({10, 99})},
        {QStringLiteral("数字排序（困难）"), inOrder({100, 999})},
        {QStringLiteral("求补数（简单）"), complement(10, {1, 9})},
        {QStringLiteral("求补数（中等）"), complement(100, {10, 99})},
        {QStringLiteral("求补数（较难）"), complement(1000, {100, 999})},
        {QStringLiteral("求平均数（简单）"), mean(3, {1, 30})},
        {QStringLiteral("求平均数（中等）"), mean(4, {10, 99})},
        {QStringLiteral("求平均数（较难）"), mean(5, {50, 200})},
        {QStringLiteral("10以内平方计算"), power(2, {1, 10})},
        {QStringLiteral("20以内平方计算"), power(2, {11, 20})},
        {QStringLiteral("10以内立方计算"), power(3, {1, 10})},
    };
    return checks;
}

// The widest mark a row can get: the cross and the key.
QString widestMark(const QString& key)
{
    return QStringLiteral("× 正确答案是：") + key;
}

bool isPattern(const QString& type)
{
    return type.startsWith(QStringLiteral("规律运算"));
}

Practice& onPatternTab(Practice& practice)
{
    practice.model.selectTab(patternTab);
    return practice;
}

// Ticks the practice clock as the window does: only while it runs.
void tick(MainForm& form, int seconds)
{
    for (int s = 0; s < seconds; ++s)
        if (form.Timer1.interval() == 1000)
            form.Timer1_Timer();
}

} // namespace

class Myframe15Test : public QObject {
    Q_OBJECT

private slots:
    // The first row of a pattern page from scripted draws; the other nine rows take zeros.
    void patternRows_data()
    {
        QTest::addColumn<QString>("type");
        QTest::addColumn<Values>("values");
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("after");
        QTest::addColumn<QString>("key");
        QTest::addColumn<int>("markGap");
        QTest::addColumn<int>("drawsPerRow");
        QTest::newRow("最简单, s 3, n 1") << "规律运算（最简单）" << Values{0.17f, 0.0f} << " 3  ,   4  ,   5 , （"
                                          << "）  ,   7  ,   8  ,   9  ,   10" << "6" << 0 << 2;
        QTest::newRow("最简单, the longest row before the box: s 12, n 4")
            << "规律运算（最简单）" << Values{0.99f, 0.99f} << " 12  ,   13  ,   14  ,   15  ,   16  ,   17 , （"
            << "）  ,   19" << "18" << 0 << 2;
        QTest::newRow("简单, d 2, s 3, n 1") << "规律运算（简单）" << Values{0.0f, 0.17f, 0.0f} << " 3  ,   5 , （"
                                             << "）  ,   9  ,   11" << "7" << 300 << 3;
        QTest::newRow("简单, d 3, s 12, n 2: four terms in all")
            << "规律运算（简单）" << Values{0.5f, 0.99f, 0.3f} << " 12  ,   15 , （" << "）  ,   21" << "18" << 300 << 3;
        QTest::newRow("简单, d 3, s 1, n 4") << "规律运算（简单）" << Values{0.5f, 0.0f, 0.99f} << " 1  ,   4  ,   7 , （"
                                             << "）  ,   13" << "10" << 300 << 3;
        QTest::newRow("中等, s 10, n 2") << "规律运算（中等）" << Values{0.06f, 0.3f} << " 10  ,   20  ,   30 , （"
                                         << "）  ,   50  ,   60" << "40" << 300 << 2;
        QTest::newRow("中等, the largest term: s 47, n 4")
            << "规律运算（中等）" << Values{0.99f, 0.99f} << " 47  ,   94  ,   141  ,   188  ,   235 , （" << "）"
            << "282" << 300 << 2;
    }
    void patternRows()
    {
        QFETCH(QString, type);
        QFETCH(Values, values);
        QFETCH(QString, before);
        QFETCH(QString, after);
        QFETCH(QString, key);
        QFETCH(int, markGap);
        QFETCH(int, drawsPerRow);
        Practice practice;
        onPatternTab(practice);
        practice.script->append(values);
        practice.script->append(Values(9 * drawsPerRow + 5, 0.0f));
        QVERIFY(practice.click(type));
        MainForm& form = practice.form();
        QCOMPARE(form.seenPage(), 5);
        QCOMPARE(form.Frame1[5].caption, type);
        QCOMPARE(form.Label15[0].caption(), before);
        QCOMPARE(form.Label16[0].caption(), after);
        QCOMPARE(form.state.mainKey[0], key);
        QCOMPARE(form.state.thirdKey[0], key);
        QCOMPARE(int(practice.script->remaining()), 5); // one value per draw, no redraw
        // The box 100 twips behind the terms before it, the closing terms right
        // behind the box, the mark touching them or 300 twips further right.
        QCOMPARE(form.Text7[0].rect.left, form.Label15[0].rect.left + form.Label15[0].rect.width + 100);
        QCOMPARE(form.Label16[0].rect.left, form.Text7[0].rect.left + form.Text7[0].rect.width);
        QCOMPARE(form.Label17[0].rect.left, form.Label16[0].rect.left + form.Label16[0].rect.width + markGap);
        QCOMPARE(form.Label16[0].rect.width, practice.metrics.widthTwips(after));
    }

    void markingPageFive()
    {
        Practice practice;
        onPatternTab(practice);
        // Row 0 is 12 … 17, (18), 19; rows 1 to 9 are 1, 2, 3, (4), 5 … 7.
        practice.script->append({0.99f, 0.99f});
        practice.script->append(Values(18, 0.0f));
        QVERIFY(practice.click(QStringLiteral("规律运算（最简单）")));
        MainForm& form = practice.form();
        const QStringList typed{"18", "5", "", "４", "4", "4", "4", "4", "4", "4"};
        for (int i = 0; i < 10; ++i)
            form.Text7[i].text = typed[i];
        // The third key holds a second accepted answer.
        form.state.thirdKey[4] = QStringLiteral("six");
        form.Text7[4].text = QStringLiteral("six");
        tick(form, 42);
        QVERIFY(practice.model.click(QStringLiteral("Command12")));
        const QStringList marks{"√", "× 正确答案是：4", "× 正确答案是：4", "√", "√", "√", "√", "√", "√", "√"};
        for (int i = 0; i < 10; ++i) {
            QCOMPARE(form.Label17[i].caption(), marks[i]);
            QVERIFY(!form.Text7[i].enabled);
        }
        QCOMPARE(form.Label18.caption(), QStringLiteral("用时 42秒答对了 8道题"));
        QVERIFY(!form.Command12.enabled);
        QVERIFY(!form.Picture8.visible);
        QCOMPARE(form.Timer1.interval(), 0);

        practice.script->append(Values(20, 0.0f));
        QVERIFY(practice.model.click(QStringLiteral("Command11")));
        QVERIFY(form.Command12.enabled);
        QVERIFY(form.Picture8.visible);
        QCOMPARE(form.Label18.caption(), QString());
        for (int i = 0; i < 10; ++i) {
            QVERIFY(form.Text7[i].enabled);
            QCOMPARE(form.Text7[i].text, QString());
            QCOMPARE(form.Label17[i].caption(), QString());
        }
    }

    // 数字排序（困难） needs the picture's room, whichever way its page comes;
    // every other page of the tab shows the picture.
    void picture8MakesWayForTheLongestRows_data()
    {
        QTest::addColumn<QStringList>("clicks");
        QTest::addColumn<bool>("shown");
        QTest::newRow("数字排序（困难） after a pattern") << QStringList{"规律运算（中等）", "数字排序（困难）"} << false;
        QTest::newRow("数字排序（困难）, 出题") << QStringList{"数字排序（困难）", "Command11"} << false;
        QTest::newRow("a pattern after 数字排序（困难）") << QStringList{"数字排序（困难）", "规律运算（中等）"} << true;
        QTest::newRow("数字排序（中等）") << QStringList{"数字排序（中等）"} << true;
        QTest::newRow("a new page after marking") << QStringList{"求补数（简单）", "Command12", "求补数（中等）"} << true;
    }
    void picture8MakesWayForTheLongestRows()
    {
        QFETCH(QStringList, clicks);
        QFETCH(bool, shown);
        Practice practice;
        onPatternTab(practice);
        practice.model.form.setRandomSource(std::make_unique<SeededRandom>(8));
        for (const QString& click : clicks)
            QVERIFY(click.startsWith(u"Command") ? practice.model.click(click) : practice.click(click));
        QCOMPARE(practice.form().seenPage(), 5);
        QCOMPARE(practice.form().Picture8.visible, shown);
    }

    void pageSixQuestion()
    {
        Practice practice;
        onPatternTab(practice);
        practice.script->append({0.5f, 0.5f}); // 10 + 7 puppies, then 1 + 8 birds
        QVERIFY(practice.click(pictureType));
        MainForm& form = practice.form();
        QCOMPARE(form.seenPage(), 6);
        QCOMPARE(form.Frame1[6].caption, pictureType);
        QCOMPARE(form.Picture9.items.shown, 17);
        QCOMPARE(form.Picture10.items.shown, 9);
        QCOMPARE(form.state.mainKey[0], QStringLiteral("8"));
        QCOMPARE(form.Label19.caption(), QStringLiteral("答：小狗比小鸟多（"));
        QCOMPARE(form.Text8.rect.left, form.Label19.rect.left + form.Label19.rect.width);
        QCOMPARE(form.Label20.rect.left, form.Text8.rect.left + form.Text8.rect.width);
    }

    // The one line of page 6: the verdict and the seconds, never the answer.
    void pageSixLine_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("line");
        QTest::newRow("empty") << "" << "× 答错了，真可惜。用时 12秒";
        QTest::newRow("right") << "8" << "√ 您真棒，答对了。用时 12秒";
        QTest::newRow("wrong") << "9" << "× 答错了，真可惜。用时 12秒";
        QTest::newRow("a word") << "8只" << "× 答错了，真可惜。用时 12秒";
    }
    void pageSixLine()
    {
        QFETCH(QString, typed);
        QFETCH(QString, line);
        Practice practice;
        onPatternTab(practice);
        practice.script->append({0.5f, 0.5f});
        QVERIFY(practice.click(pictureType));
        MainForm& form = practice.form();
        form.Text8.text = typed;
        tick(form, 12);
        QVERIFY(practice.model.click(QStringLiteral("Command14")));
        QCOMPARE(form.Label21.caption(), line);
        QVERIFY(!form.Text8.enabled);
        QVERIFY(form.Command14.enabled);
        // The clock has stopped: a second press writes the same line.
        tick(form, 5);
        QVERIFY(practice.model.click(QStringLiteral("Command14")));
        QCOMPARE(form.Label21.caption(), line);

        practice.script->append({0.0f, 0.0f}); // 10 puppies, 1 bird
        QVERIFY(practice.model.click(QStringLiteral("Command13")));
        QCOMPARE(form.Label21.caption(), QString());
        QVERIFY(form.Text8.enabled);
        QCOMPARE(form.Text8.text, QString());
        QCOMPARE(form.state.mainKey[0], QStringLiteral("9"));
        QCOMPARE(form.Picture9.items.shown, 10);
        QCOMPARE(form.Picture10.items.shown, 1);
    }

    // Every type of the tab over 30 pages: each question, read back, asks what
    // its type promises within its ranges and has the right key in both keys;
    // each row fits the page with its widest mark, and leaves the picture its
    // corner while it is shown; a number-sense page asks ten different questions
    // where the type has as many.
    void everyTypeOverManyPages_data()
    {
        QTest::addColumn<QString>("type");
        const QStringList types = ExerciseCatalogue::tab(patternTab).exerciseTypes();
        for (const QString& name : types)
            QTest::newRow(qPrintable(name)) << name;
        QCOMPARE(types.size(), 22);
    }
    void everyTypeOverManyPages()
    {
        QFETCH(QString, type);
        Practice practice;
        onPatternTab(practice);
        practice.model.form.setRandomSource(std::make_unique<SeededRandom>(qHash(type)));
        MainForm& form = practice.form();
        for (int page = 0; page < 30; ++page) {
            QVERIFY(practice.click(type));
            if (type == pictureType) {
                QCOMPARE(form.seenPage(), 6);
                QCOMPARE(form.Frame1[6].caption, type);
                const int puppies = form.Picture9.items.shown, birds = form.Picture10.items.shown;
                QVERIFY2(puppies >= 10 && puppies <= 24 && birds >= 1 && birds < puppies,
                         qPrintable(QStringLiteral("%1 puppies, %2 birds").arg(puppies).arg(birds)));
                QCOMPARE(form.state.mainKey[0], QString::number(puppies - birds));
                continue;
            }
            QCOMPARE(form.seenPage(), 5);
            QCOMPARE(form.Frame1[5].caption, type);
            const Check& check = pageFiveChecks().at(type);
            QSet<QString> asked;
            for (int i = 0; i < 10; ++i) {
                const Row row{form.Label15[i].caption(), form.Label16[i].caption(), form.state.mainKey[i]};
                const QString fault = check(row);
                QVERIFY2(fault.isEmpty(), qPrintable(row.before + row.after + QStringLiteral(" key ") + row.key
                                                     + QStringLiteral(": ") + fault));
                QCOMPARE(form.state.thirdKey[i], row.key);
                const Rect& before = form.Label15[i].rect;
                const Rect& box = form.Text7[i].rect;
                const Rect& after = form.Label16[i].rect;
                QCOMPARE(box.left, before.left + before.width + 100);
                QCOMPARE(after.left, box.left + box.width);
                QVERIFY(form.Label17[i].rect.left >= after.left + after.width);
                const int rowEnd = form.Label17[i].rect.left + practice.metrics.widthTwips(widestMark(row.key));
                QVERIFY2(rowEnd <= pageRect.width, qPrintable(row.before + row.after));
                const Rect& picture = form.Picture8.rect;
                if (form.Picture8.visible && before.top + before.height > picture.top)
                    QVERIFY2(after.left + after.width <= picture.left, qPrintable(row.before + row.after));
                asked.insert(row.before + row.after);
            }
            // 求补数（简单） has only nine questions (1 to 9 and what makes 10).
            const int different = isPattern(type) ? 1 : type == u"求补数（简单）" ? 9 : 10;
            QVERIFY2(asked.size() >= different, qPrintable(QStringLiteral("%1 different rows").arg(asked.size())));
        }
    }

    // Through the driver, as a program outside the code would play it: every
    // leaf of the tab shows its page under its own name, and typing the keys
    // marks every question right.
    void everyLeafMarksItsKeysRight()
    {
        const Run looked = drive({command("seed", 15), command("tab", patternTab), command("dump")});
        QCOMPARE(looked.dumps.size(), 1);
        QStringList leaves;
        for (const QJsonValue node : looked.dumps[0][QStringLiteral("TreeView1")].toObject()[QStringLiteral("nodes")].toArray())
            if (!node[QStringLiteral("parent")].toString().isEmpty())
                leaves.append(node[QStringLiteral("text")].toString());
        QCOMPARE(leaves.size(), 22);

        QStringList look{command("seed", 15), command("tab", patternTab)};
        for (const QString& leaf : leaves)
            look += {command("click", leaf), command("dump")};
        const Run pages = drive(look);
        QCOMPARE(pages.dumps.size(), leaves.size());

        // The same seed gives the same pages again; now answered with their keys.
        QStringList answer{command("seed", 15), command("tab", patternTab)};
        for (int k = 0; k < leaves.size(); ++k) {
            const QJsonArray keys = pages.dumps[k][QStringLiteral("mainKey")].toArray();
            answer.append(command("click", leaves[k]));
            if (leaves[k] == pictureType) {
                answer += {command("type", "Text8", keys[0].toString()), command("press", "Command14")};
            } else {
                for (int i = 0; i < 10; ++i)
                    answer.append(command("type", QStringLiteral("Text7(%1)").arg(i), keys[i].toString()));
                answer.append(command("press", "Command12"));
            }
            answer.append(command("dump"));
        }
        const Run marked = drive(answer);
        QCOMPARE(marked.exitCode, 0);
        QCOMPARE(marked.errors, QString());
        QCOMPARE(marked.dumps.size(), leaves.size());
        const FixedTextMetrics metrics;
        for (int k = 0; k < leaves.size(); ++k) {
            const QJsonObject& dump = marked.dumps[k];
            const int page = leaves[k] == pictureType ? 6 : 5;
            const QJsonObject frame = control(dump, QStringLiteral("Frame1(%1)").arg(page));
            QVERIFY(frame[QStringLiteral("visible")].toBool());
            QCOMPARE(frame[QStringLiteral("caption")].toString(), leaves[k]);
            if (page == 6) {
                QCOMPARE(control(dump, QStringLiteral("Label21"))[QStringLiteral("caption")].toString(),
                         QStringLiteral("√ 您真棒，答对了。用时 0秒"));
                continue;
            }
            QCOMPARE(control(dump, QStringLiteral("Label18"))[QStringLiteral("caption")].toString(),
                     QStringLiteral("用时 0秒答对了 10道题"));
            for (int i = 0; i < 10; ++i) {
                const QJsonObject mark = control(dump, QStringLiteral("Label17(%1)").arg(i));
                QCOMPARE(mark[QStringLiteral("caption")].toString(), QStringLiteral("√"));
                const QString key = dump[QStringLiteral("mainKey")].toArray()[i].toString();
                QVERIFY(mark[QStringLiteral("left")].toInt() + metrics.widthTwips(widestMark(key)) <= pageRect.width);
            }
        }
    }
};

QTEST_GUILESS_MAIN(Myframe15Test)
#include "test_myframe15.moc"

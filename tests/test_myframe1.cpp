// The 时间换算 tab: clock faces, time units, intervals, durations and money.
// Scripted draws pin the edge cases; seeded pages check every type's keys
// against answers worked out here from the numbers the question shows.

#include "catalogue.h"
#include "driver_support.h"
#include "page_commands.h"
#include "practice_pages.h"

#include <QRegularExpression>
#include <QTest>

#include <cmath>
#include <functional>
#include <map>
#include <numbers>
#include <optional>

using Values = std::vector<float>;
Q_DECLARE_METATYPE(Values)

namespace {

// The source value that Int(Rnd × n) turns into k.
float yielding(int k, int n)
{
    return (float(k) + 0.5f) / float(n);
}

// Random values from a fixed seed, to finish a page after its scripted items.
Values seededValues(int count)
{
    SeededRandom random(11);
    Values values;
    for (int i = 0; i < count; ++i)
        values.push_back(random.next());
    return values;
}

// The form on tab 2, as the pupil finds it after choosing the tab.
struct TimeTab : Practice {
    TimeTab() { model.selectTab(2); }
};

// The question label of item i on the page a type uses.
const Label& questionLabel(MainForm& form, int page, int i)
{
    return page == 2 ? form.Label5[i] : form.Label8[i];
}

struct Keys {
    long long first;
    long long second = -1; // page 3 only
};
using Numbers = std::vector<long long>;

// What a question of a type must look like and answer, written from the
// rules of the exercise types, not from the generator.
struct Rule {
    int page;
    QString shape; // the question, with # for each number (written with its leading blank)
    std::vector<std::pair<int, int>> ranges; // each number's least and greatest value
    std::function<std::optional<Keys>(const Numbers&)> keys; // nothing: the numbers break the rule
    QStringList units; // Label6 on page 2; Label9(i) and Label9(i + 10) on page 3
    int gap = 0;       // page 2: between question, box and unit label
};

std::optional<Keys> whole(long long dividend, long long divisor)
{
    if (divisor <= 0 || dividend % divisor != 0)
        return std::nullopt;
    return Keys{dividend / divisor};
}

Keys split(long long total, int per)
{
    return {total / per, total % per};
}

std::optional<Keys> atLeast(long long least, long long total, int per)
{
    return total >= least ? std::optional(split(total, per)) : std::nullopt;
}

long long roundedHalfUp(long long dividend, long long divisor)
{
    return static_cast<long long>(std::floor(double(dividend) / double(divisor) + 0.5));
}

const std::map<QString, Rule>& rules()
{
    const QStringList minutes{"）分"}, seconds{"）秒"}, times{"）倍"};
    const QStringList hoursMinutes{"）小时（", "）分"}, minutesSeconds{"）分（", "）秒"}, money{"）元（", "）角"};
    static const std::map<QString, Rule> all{
        {"时转分（简单）", {2, "#小时#分=（", {{1, 9}, {1, 40}}, [](const Numbers& n) { return Keys{n[0] * 60 + n[1]}; }, minutes, 100}},
        {"时转分（较难）", {2, "#小时#分=（", {{12, 100}, {1, 60}}, [](const Numbers& n) { return Keys{n[0] * 60 + n[1]}; }, minutes, 100}},
        {"时转秒（简单）", {2, "#小时#分#秒=（", {{1, 12}, {1, 60}, {1, 60}},
                             [](const Numbers& n) { return Keys{(n[0] * 60 + n[1]) * 60 + n[2]}; }, seconds, 100}},
        {"时转秒（较难）", {2, "#小时#分#秒=（", {{24, 100}, {1, 60}, {1, 60}},
                             [](const Numbers& n) { return Keys{(n[0] * 60 + n[1]) * 60 + n[2]}; }, seconds, 100}},
        {"时间间隔（简单）", {2, "#小时#分 到 #小时#分=（", {{1, 12}, {0, 30}, {13, 24}, {40, 60}},
                               [](const Numbers& n) { return Keys{(n[2] - n[0]) * 60 + n[3] - n[1]}; }, minutes, 100}},
        {"时间间隔（中等）", {2, "#小时#分 到 #小时#分=（", {{1, 12}, {40, 60}, {13, 50}, {0, 30}},
                               [](const Numbers& n) { return Keys{(n[2] - n[0]) * 60 + n[3] - n[1]}; }, minutes, 100}},
        {"时间间隔（较难）", {2, "#小时#分 到 第二天的#小时#分=（", {{12, 23}, {40, 60}, {1, 12}, {0, 30}},
                               [](const Numbers& n) { return Keys{(24 - n[0]) * 60 - n[1] + n[2] * 60 + n[3]}; }, minutes, 100}},
        {"时间计算（除2）", {2, "#小时#分÷#小时#分 =（", {{13, 125}, {0, 60}, {1, 12}, {0, 50}},
                              [](const Numbers& n) { return whole(n[0] * 60 + n[1], n[2] * 60 + n[3]); }, times, 0}},
        {"人民币（元转角）", {2, "#元#角 =（", {{1, 15}, {0, 9}}, [](const Numbers& n) { return Keys{n[0] * 10 + n[1]}; }, {"）角"}, 0}},
        {"人民币（除法2）", {2, "#元#角÷#元#角 =（", {{1, 200}, {1, 9}, {1, 15}, {1, 9}},
                              [](const Numbers& n) { return whole(n[0] * 10 + n[1], n[2] * 10 + n[3]); }, times, 0}},

        {"分转时（简单）", {3, "#分=（", {{100, 1000}}, [](const Numbers& n) { return split(n[0], 60); }, hoursMinutes}},
        {"分转时（较难）", {3, "#分=（", {{2000, 10000}}, [](const Numbers& n) { return split(n[0], 60); }, hoursMinutes}},
        {"秒转分（简单）", {3, "#秒=（", {{100, 1000}}, [](const Numbers& n) { return split(n[0], 60); }, minutesSeconds}},
        {"秒转分（较难）", {3, "#秒=（", {{1000, 10898}}, [](const Numbers& n) { return split(n[0], 60); }, minutesSeconds}},
        {"时间计算（加）", {3, "#小时#分+#小时#分 （", {{1, 15}, {40, 60}, {1, 15}, {0, 28}},
                             [](const Numbers& n) {
                                 const long long m = n[1] + n[3];
                                 return m >= 60 ? Keys{n[0] + n[2] + 1, m - 60} : Keys{n[0] + n[2], m};
                             },
                             hoursMinutes}},
        {"时间计算（减）", {3, "#小时#分-#小时#分 （", {{1, 50}, {0, 60}, {1, 25}, {0, 60}},
                             [](const Numbers& n) { return atLeast(0, (n[0] - n[2]) * 60 + n[1] - n[3], 60); }, hoursMinutes}},
        {"时间计算（乘）", {3, "#小时#分×# （", {{1, 18}, {0, 60}, {1, 15}},
                             [](const Numbers& n) { return split((n[0] * 60 + n[1]) * n[2], 60); }, hoursMinutes}},
        {"时间计算（除1）", {3, "#小时#分÷# （", {{17, 250}, {0, 60}, {1, 16}},
                              [](const Numbers& n) { return split(roundedHalfUp(n[0] * 60 + n[1], n[2]), 60); }, hoursMinutes}},
        {"人民币（角转元）", {3, "#角=（", {{10, 150}}, [](const Numbers& n) { return split(n[0], 10); }, money}},
        {"人民币（加法）", {3, "#元#角+#元#角=（", {{1, 15}, {1, 9}, {1, 15}, {1, 9}},
                             [](const Numbers& n) { return split(n[0] * 10 + n[1] + n[2] * 10 + n[3], 10); }, money}},
        {"人民币（减法）", {3, "#元 - #元#角=（", {{5, 100}, {1, 99}, {1, 9}},
                             [](const Numbers& n) { return atLeast(1, n[0] * 10 - n[1] * 10 - n[2], 10); }, money}},
        {"人民币（乘法）", {3, "#元#角×#=（", {{1, 15}, {1, 9}, {1, 13}},
                             [](const Numbers& n) { return split((n[0] * 10 + n[1]) * n[2], 10); }, money}},
        {"人民币（除法1）", {3, "#元#角÷#=（", {{15, 200}, {1, 9}, {1, 13}},
                              [](const Numbers& n) { return split(roundedHalfUp(n[0] * 10 + n[1], n[2]), 10); }, money}},
    };
    return all;
}

// The numbers a question shows, or nothing when it does not have the shape.
std::optional<Numbers> numbersIn(const QString& question, const QString& shape)
{
    QString pattern = QRegularExpression::escape(shape);
    pattern.replace(QStringLiteral("\\#"), QStringLiteral(" (\\d+)"));
    const QRegularExpressionMatch match = QRegularExpression(u'^' + pattern + u'$').match(question);
    if (!match.hasMatch())
        return std::nullopt;
    Numbers numbers;
    for (int k = 1; k <= match.lastCapturedIndex(); ++k)
        numbers.push_back(match.captured(k).toLongLong());
    return numbers;
}

// A hand's direction in degrees clockwise from 12, from its end point (y points down).
double degreesOf(const Line& hand)
{
    const double degrees = std::atan2(hand.x2, -hand.y2) * 180 / std::numbers::pi;
    return degrees < 0 ? degrees + 360 : degrees;
}

// The 25 leaves of tab 2, in the order of the tree.
QStringList tabTwoTypes()
{
    return ExerciseCatalogue::tab(2).exerciseTypes();
}

int pageOf(const QString& type)
{
    const auto rule = rules().find(type);
    return rule == rules().end() ? 1 : rule->second.page;
}

} // namespace

class Myframe1Test : public QObject {
    Q_OBJECT

private slots:
    // The hands from scripted times; the expected end points are the hand
    // lengths (65 and 40) in the direction of the time.
    void clockHands_data()
    {
        QTest::addColumn<QString>("type");
        QTest::addColumn<Values>("values");
        QTest::addColumn<QPointF>("minuteHand");
        QTest::addColumn<QPointF>("hourHand");
        // 3:00 needs a redraw of the minute: the first draw never gives 0.
        QTest::newRow("3:00") << "看表读时间（上午）" << Values{yielding(2, 10), yielding(0, 58), yielding(1, 58)}
                              << QPointF(0, -65) << QPointF(40, 0);
        QTest::newRow("6:30, the hour hand halfway to 7")
            << "看表读时间（上午）" << Values{yielding(5, 10), yielding(29, 58)} << QPointF(0, 65) << QPointF(-10.353, 38.637);
        QTest::newRow("9:45") << "看表读时间（上午）" << Values{yielding(8, 10), yielding(44, 58)} << QPointF(-65, 0)
                              << QPointF(-36.955, -15.307);
        // 12 o'clock sharp is never drawn; five past shows the 12 of the 24-hour clock.
        QTest::newRow("12:05") << "看表读时间（下午）" << Values{yielding(0, 11), yielding(4, 58)} << QPointF(32.5, -56.292)
                               << QPointF(1.745, -39.962);
        QTest::newRow("15:45 points like 3:45") << "看表读时间（下午）" << Values{yielding(3, 11), yielding(44, 58)}
                                                << QPointF(-65, 0) << QPointF(36.955, 15.307);
    }
    void clockHands()
    {
        QFETCH(QString, type);
        QFETCH(Values, values);
        QFETCH(QPointF, minuteHand);
        QFETCH(QPointF, hourHand);
        TimeTab tab;
        tab.script->append(values);
        tab.script->append(seededValues(500));
        QVERIFY(tab.click(type));
        const Line& minute = tab.form().Line2[0];
        const Line& hour = tab.form().Line1[0];
        QVERIFY2(std::abs(minute.x2 - minuteHand.x()) < 0.01 && std::abs(minute.y2 - minuteHand.y()) < 0.01,
                 qPrintable(QStringLiteral("minute hand at %1, %2").arg(minute.x2).arg(minute.y2)));
        QVERIFY2(std::abs(hour.x2 - hourHand.x()) < 0.01 && std::abs(hour.y2 - hourHand.y()) < 0.01,
                 qPrintable(QStringLiteral("hour hand at %1, %2").arg(hour.x2).arg(hour.y2)));
        // Both start at the centre, as tab 2 sets them up: black 3 px and blue 2 px.
        QCOMPARE(QPointF(hour.x1, hour.y1), QPointF(0, 0));
        QCOMPARE(QPointF(minute.x1, minute.y1), QPointF(0, 0));
        QCOMPARE(hour.color, 0x000000u);
        QCOMPARE(hour.width, 3);
        QCOMPARE(minute.color, 0x0000FFu);
        QCOMPARE(minute.width, 2);
    }

    // Keys of the clock types, and how many values a minute's redraws take:
    // item 1's time shows where item 0's draws ended.
    void clockKeys_data()
    {
        QTest::addColumn<QString>("type");
        QTest::addColumn<Values>("values");
        QTest::addColumn<QStringList>("keys");       // items 0 and 1, with ":"
        QTest::addColumn<QStringList>("secondKeys"); // with "："
        QTest::newRow("morning, a minute below 10 gets its 0") << "看表读时间（上午）"
                                                              << Values{yielding(6, 10), yielding(4, 58), yielding(9, 10), yielding(54, 58)}
                                                              << QStringList{"7:05", "10:55"} << QStringList{"7：05", "10：55"};
        // The morning's redraw runs from −1: −1 is drawn again, 0 is kept.
        QTest::newRow("morning, redraws through -1 to a full hour")
            << "看表读时间（上午）"
            << Values{yielding(0, 10), yielding(1, 58), yielding(0, 58), yielding(1, 58), yielding(2, 10), yielding(9, 58)}
            << QStringList{"1:00", "3:10"} << QStringList{"1：00", "3：10"};
        QTest::newRow("afternoon, 24-hour hours") << "看表读时间（下午）" << Values{yielding(10, 11), yielding(54, 58), yielding(0, 11), yielding(4, 58)}
                                                  << QStringList{"22:55", "12:05"} << QStringList{"22：55", "12：05"};
        // The afternoon redraws from 1..58 again: 0 never comes.
        QTest::newRow("afternoon, redraws until a multiple of 5")
            << "看表读时间（下午）" << Values{yielding(3, 11), yielding(0, 58), yielding(56, 58), yielding(19, 58), yielding(1, 11), yielding(9, 58)}
            << QStringList{"15:20", "13:10"} << QStringList{"15：20", "13：10"};
    }
    void clockKeys()
    {
        QFETCH(QString, type);
        QFETCH(Values, values);
        QFETCH(QStringList, keys);
        QFETCH(QStringList, secondKeys);
        TimeTab tab;
        tab.script->append(values);
        tab.script->append(seededValues(500));
        QVERIFY(tab.click(type));
        QCOMPARE(tab.form().Frame1[1].caption, type);
        QCOMPARE(tab.form().seenPage(), 1);
        for (int i = 0; i < keys.size(); ++i) {
            QCOMPARE(tab.form().state.mainKey[i], keys[i]);
            QCOMPARE(tab.form().state.secondKey[i], secondKeys[i]);
        }
    }

    // Questions and keys of pages 2 and 3 from scripted draws, items 0 and 1:
    // item 1 shows that item 0 took exactly its values, redraws included.
    void scriptedItems_data()
    {
        QTest::addColumn<QString>("type");
        QTest::addColumn<Values>("values");
        QTest::addColumn<QStringList>("questions");
        QTest::addColumn<QStringList>("keys"); // "205" on page 2, "2 0" on page 3
        auto v = yielding;

        QTest::newRow("时转分（较难） 100 hours and 60 minutes")
            << "时转分（较难）" << Values{v(88, 89), v(59, 60), v(0, 89), v(0, 60)}
            << QStringList{" 100小时 60分=（", " 12小时 1分=（"} << QStringList{"6060", "721"};
        QTest::newRow("时转秒（简单） 60 minutes and 60 seconds")
            << "时转秒（简单）" << Values{v(0, 12), v(59, 60), v(59, 60), v(11, 12), v(0, 60), v(0, 60)}
            << QStringList{" 1小时 60分 60秒=（", " 12小时 1分 1秒=（"} << QStringList{"7260", "43261"};
        QTest::newRow("时间间隔（简单）, two blanks after 到")
            << "时间间隔（简单）" << Values{v(0, 12), v(0, 31), v(0, 12), v(0, 21), v(11, 12), v(30, 31), v(11, 12), v(20, 21)}
            << QStringList{" 1小时 0分 到  13小时 40分=（", " 12小时 30分 到  24小时 60分=（"} << QStringList{"760", "750"};
        QTest::newRow("时间间隔（中等） reaches 0 and a second day")
            << "时间间隔（中等）" << Values{v(11, 12), v(20, 21), v(0, 38), v(0, 31), v(0, 12), v(0, 21), v(37, 38), v(30, 31)}
            << QStringList{" 12小时 60分 到  13小时 0分=（", " 1小时 40分 到  50小时 30分=（"} << QStringList{"0", "2930"};
        QTest::newRow("时间间隔（较难） from 23:60, nothing left of the first day")
            << "时间间隔（较难）" << Values{v(11, 12), v(20, 21), v(0, 12), v(5, 31), v(0, 12), v(0, 21), v(11, 12), v(30, 31)}
            << QStringList{" 23小时 60分 到 第二天的 1小时 5分=（", " 12小时 40分 到 第二天的 12小时 30分=（"}
            << QStringList{"65", "1430"};
        // 13:01 ÷ 1:00 is not whole; 13:00 ÷ 6:30 is.
        QTest::newRow("时间计算（除2） draws all four again")
            << "时间计算（除2）"
            << Values{v(0, 113), v(1, 61), v(0, 12), v(0, 51), v(0, 113), v(0, 61), v(5, 12), v(30, 51), v(107, 113), v(0, 61), v(0, 12), v(0, 51)}
            << QStringList{" 13小时 0分÷ 6小时 30分 =（", " 120小时 0分÷ 1小时 0分 =（"} << QStringList{"2", "120"};
        QTest::newRow("人民币（元转角） with 0 角")
            << "人民币（元转角）" << Values{v(2, 15), v(0, 10), v(14, 15), v(9, 10)}
            << QStringList{" 3元 0角 =（", " 15元 9角 =（"} << QStringList{"30", "159"};
        // 9元7角 ÷ 1元2角 is not whole; 9元6角 ÷ 1元2角 is 8 times.
        QTest::newRow("人民币（除法2） draws all four again")
            << "人民币（除法2）"
            << Values{v(8, 200), v(6, 9), v(0, 15), v(1, 9), v(8, 200), v(5, 9), v(0, 15), v(1, 9), v(0, 200), v(0, 9), v(0, 15), v(0, 9)}
            << QStringList{" 9元 6角÷ 1元 2角 =（", " 1元 1角÷ 1元 1角 =（"} << QStringList{"8", "1"};

        QTest::newRow("分转时（简单） 120 minutes are 2 hours 0 minutes")
            << "分转时（简单）" << Values{v(20, 901), v(900, 901)} << QStringList{" 120分=（", " 1000分=（"}
            << QStringList{"2 0", "16 40"};
        QTest::newRow("秒转分（较难） reaches 10898")
            << "秒转分（较难）" << Values{v(9898, 9899), v(0, 9899)} << QStringList{" 10898秒=（", " 1000秒=（"}
            << QStringList{"181 38", "16 40"};
        QTest::newRow("时间计算（加） carries exactly one hour")
            << "时间计算（加）" << Values{v(2, 15), v(0, 21), v(4, 15), v(20, 29), v(14, 15), v(20, 21), v(14, 15), v(28, 29)}
            << QStringList{" 3小时 40分+ 5小时 20分 （", " 15小时 60分+ 15小时 28分 （"} << QStringList{"9 0", "31 28"};
        // The first draw is shorter; the redraw's hours are drawn from 1..24 and 1..15.
        QTest::newRow("时间计算（减） redraws from narrower hours")
            << "时间计算（减）" << Values{v(0, 50), v(0, 61), v(1, 25), v(0, 61), v(23, 24), v(0, 61), v(14, 15), v(60, 61),
                                          v(4, 50), v(7, 61), v(4, 25), v(7, 61)}
            << QStringList{" 24小时 0分- 15小时 60分 （", " 5小时 7分- 5小时 7分 （"} << QStringList{"8 0", "0 0"};
        QTest::newRow("时间计算（乘）") << "时间计算（乘）" << Values{v(2, 18), v(45, 61), v(3, 15), v(17, 18), v(60, 61), v(14, 15)}
                                       << QStringList{" 3小时 45分× 4 （", " 18小时 60分× 15 （"} << QStringList{"15 0", "285 0"};
        // 1020 minutes ÷ 8 is 127.5: an exact half goes up, to 128.
        QTest::newRow("时间计算（除1） rounds a half up")
            << "时间计算（除1）" << Values{v(0, 234), v(0, 61), v(7, 16), v(0, 234), v(0, 61), v(15, 16)}
            << QStringList{" 17小时 0分÷ 8 （", " 17小时 0分÷ 16 （"} << QStringList{"2 8", "1 4"};
        QTest::newRow("人民币（角转元） 100 and 10 jiao") << "人民币（角转元）" << Values{v(90, 141), v(0, 141)}
                                                        << QStringList{" 100角=（", " 10角=（"} << QStringList{"10 0", "1 0"};
        QTest::newRow("人民币（加法） 9 角 + 1 角 carries a yuan")
            << "人民币（加法）" << Values{v(0, 15), v(8, 9), v(1, 15), v(0, 9), v(14, 15), v(8, 9), v(14, 15), v(8, 9)}
            << QStringList{" 1元 9角+ 2元 1角=（", " 15元 9角+ 15元 9角=（"} << QStringList{"4 0", "31 8"};
        QTest::newRow("人民币（减法） pays 5 yuan for 4 yuan 9 jiao")
            << "人民币（减法）" << Values{v(3, 4), v(8, 9), v(0, 4), v(0, 9)}
            << QStringList{" 5元 -  4元 9角=（", " 5元 -  1元 1角=（"} << QStringList{"0 1", "3 9"};
        QTest::newRow("人民币（乘法）") << "人民币（乘法）" << Values{v(14, 15), v(8, 9), v(12, 13), v(0, 15), v(0, 9), v(0, 13)}
                                       << QStringList{" 15元 9角× 13=（", " 1元 1角× 1=（"} << QStringList{"206 7", "1 1"};
        // 153 jiao ÷ 2 is 76.5, which is 77; 151 ÷ 2 is 75.5, which is 76.
        QTest::newRow("人民币（除法1） rounds a half up")
            << "人民币（除法1）" << Values{v(0, 186), v(2, 9), v(1, 13), v(0, 186), v(0, 9), v(1, 13)}
            << QStringList{" 15元 3角÷ 2=（", " 15元 1角÷ 2=（"} << QStringList{"7 7", "7 6"};
    }
    void scriptedItems()
    {
        QFETCH(QString, type);
        QFETCH(Values, values);
        QFETCH(QStringList, questions);
        QFETCH(QStringList, keys);
        TimeTab tab;
        tab.script->append(values);
        tab.script->append(seededValues(20000));
        QVERIFY(tab.click(type));
        MainForm& form = tab.form();
        const int page = pageOf(type);
        for (int i = 0; i < questions.size(); ++i) {
            QCOMPARE(questionLabel(form, page, i).caption(), questions[i]);
            const QStringList expected = keys[i].split(u' ');
            QCOMPARE(form.state.mainKey[i], expected[0]);
            if (page == 3)
                QCOMPARE(form.state.secondKey[i], expected[1]);
        }
    }

    // 人民币（减法）: the note grows down the page: 5, 10, 50 and 100 yuan, the
    // price drawn below it.
    void changeFromANoteGrowsDownThePage()
    {
        TimeTab tab;
        Values values;
        for (int i = 0; i < 10; ++i)
            values.insert(values.end(), {0.999f, 0.999f});
        tab.script->append(values);
        QVERIFY(tab.click(QStringLiteral("人民币（减法）")));
        const QStringList questions{" 5元 -  4元 9角=（",  " 5元 -  4元 9角=（",  " 5元 -  4元 9角=（",
                                    " 10元 -  9元 9角=（", " 10元 -  9元 9角=（", " 10元 -  9元 9角=（",
                                    " 50元 -  49元 9角=（", " 50元 -  49元 9角=（", " 100元 -  99元 9角=（",
                                    " 100元 -  99元 9角=（"};
        for (int i = 0; i < 10; ++i) {
            QCOMPARE(tab.form().Label8[i].caption(), questions[i]);
            QCOMPARE(tab.form().state.mainKey[i], QStringLiteral("0"));
            QCOMPARE(tab.form().state.secondKey[i], QStringLiteral("1"));
        }
        QCOMPARE(int(tab.script->remaining()), 0);
    }

    // Every type of the tab over 30 seeded pages: each question has its type's
    // shape and ranges, its keys are the answer worked out here, the row is laid
    // out as the page lays it, and typing the keys marks all ten right.
    void everyTypeKeysItsQuestions_data()
    {
        QTest::addColumn<QString>("type");
        const QStringList types = tabTwoTypes();
        QCOMPARE(types.size(), 25);
        for (const QString& type : types)
            QTest::newRow(qPrintable(type)) << type;
    }
    void everyTypeKeysItsQuestions()
    {
        QFETCH(QString, type);
        TimeTab tab;
        MainForm& form = tab.form();
        form.setRandomSource(std::make_unique<SeededRandom>(qHash(type)));
        for (int round = 0; round < 30; ++round) {
            QVERIFY(tab.click(type));
            const int page = pageOf(type);
            QCOMPARE(form.seenPage(), page);
            QCOMPARE(form.Frame1[page].caption, type);
            for (int i = 0; i < 10; ++i) {
                if (page == 1)
                    checkClockItem(form, type, i);
                else
                    checkItem(form, rules().at(type), i);
                if (QTest::currentTestFailed())
                    return;
            }
            typeKeysAndSubmit(form, page);
            QVERIFY2(practicePage(form, page).summary->caption().contains(QStringLiteral(" 10道题")),
                     qPrintable(practicePage(form, page).summary->caption()));
        }
    }

    // Pages 2 and 3 are marked by the type named in the page caption. Each row
    // is one item: its keys, what the pupil typed, and the mark it gets.
    void conversionMarks_data()
    {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<int>("page");
        QTest::addColumn<QStringList>("keys");
        QTest::addColumn<QStringList>("typed");
        QTest::addColumn<QString>("mark");
        QTest::newRow("时转秒 right") << "时转秒（简单）" << 2 << QStringList{"3725"} << QStringList{"3725"} << "） 秒 √";
        QTest::newRow("时转秒 with its unit typed") << "时转秒（较难）" << 2 << QStringList{"3725"} << QStringList{"3725秒"}
                                                  << "） 秒 × 正确答案是3725秒";
        QTest::newRow("时转分 right") << "时转分（简单）" << 2 << QStringList{"205"} << QStringList{"205"} << "） 分 √";
        QTest::newRow("时转分 wrong") << "时转分（较难）" << 2 << QStringList{"205"} << QStringList{"250"} << "） 分 × 正确答案是205分";
        QTest::newRow("时间间隔 wrong") << "时间间隔（中等）" << 2 << QStringList{"0"} << QStringList{""} << "） 分 × 正确答案是0分";
        QTest::newRow("时间计算（除2） right") << "时间计算（除2）" << 2 << QStringList{"2"} << QStringList{"2"} << "） 倍 √";
        QTest::newRow("人民币（元转角） wrong") << "人民币（元转角）" << 2 << QStringList{"30"} << QStringList{"3"}
                                             << "） 角 × 正确答案是30角";
        QTest::newRow("人民币（除法2） wrong") << "人民币（除法2）" << 2 << QStringList{"8"} << QStringList{"8倍"}
                                            << "） 倍 × 正确答案是8倍";
        QTest::newRow("分数转小数 right") << "分数转小数（中等）" << 2 << QStringList{"0.25"} << QStringList{"0.25"} << ")  √";
        QTest::newRow("分数转小数 wrong, no unit") << "分数转小数（较难）" << 2 << QStringList{"0.25"} << QStringList{".25"}
                                                 << ")  × 正确答案是0.25";

        QTest::newRow("分转时 right") << "分转时（简单）" << 3 << QStringList{"2", "0"} << QStringList{"2", "0"} << " √";
        QTest::newRow("分转时 an empty minute box, no blank after ×")
            << "分转时（较难）" << 3 << QStringList{"2", "0"} << QStringList{"2", ""} << " ×正确答案是：2小时0分";
        QTest::newRow("秒转分 wrong") << "秒转分（较难）" << 3 << QStringList{"181", "38"} << QStringList{"181", "39"}
                                    << " × 正确答案是：181分38秒";
        QTest::newRow("时间计算（加） wrong") << "时间计算（加）" << 3 << QStringList{"5", "45"} << QStringList{"4", "105"}
                                           << " × 正确答案是：5小时45分";
        QTest::newRow("时间计算（减） right") << "时间计算（减）" << 3 << QStringList{"0", "0"} << QStringList{"0", "0"} << " √";
        QTest::newRow("时间计算（除1） wrong") << "时间计算（除1）" << 3 << QStringList{"2", "8"} << QStringList{"2", "7"}
                                            << " × 正确答案是：2小时8分";
        QTest::newRow("人民币（角转元） wrong") << "人民币（角转元）" << 3 << QStringList{"10", "0"} << QStringList{"10", "00"}
                                             << " × 正确答案是：10元0角";
        QTest::newRow("人民币（除法1） right") << "人民币（除法1）" << 3 << QStringList{"7", "7"} << QStringList{"7", "7"} << " √";
    }
    void conversionMarks()
    {
        QFETCH(QString, caption);
        QFETCH(int, page);
        QFETCH(QStringList, keys);
        QFETCH(QStringList, typed);
        QFETCH(QString, mark);
        TimeTab tab;
        MainForm& form = tab.form();
        form.openPage(page, caption);
        form.state.mainKey[0] = keys[0];
        const PracticePage controls = practicePage(form, page);
        controls.boxes[0][0].text = typed[0];
        if (page == 3) {
            form.state.secondKey[0] = keys[1];
            controls.boxes[1][0].text = typed[1];
            Command8_Click(form);
        } else {
            Command6_Click(form);
        }
        QCOMPARE(controls.marks[0].caption(), mark);
        QVERIFY(!controls.boxes[0][0].enabled);
    }

    // Page 1 takes either colon; the correction shows the ":" key.
    void clockMarks_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("mark");
        QTest::newRow("colon") << "7:05" << "               √";
        QTest::newRow("full-width colon") << "7：05" << "               √";
        QTest::newRow("leading zero") << "07:05" << "×正确答案是7:05";
        QTest::newRow("one-digit minute") << "7:5" << "×正确答案是7:05";
        QTest::newRow("decimal point") << "7.05" << "×正确答案是7:05";
        QTest::newRow("empty") << "" << "×正确答案是7:05";
    }
    void clockMarks()
    {
        QFETCH(QString, typed);
        QFETCH(QString, mark);
        TimeTab tab;
        tab.script->append({yielding(6, 10), yielding(4, 58)});
        tab.script->append(seededValues(500));
        QVERIFY(tab.click(QStringLiteral("看表读时间（上午）")));
        MainForm& form = tab.form();
        form.Text2[0].text = typed;
        for (int second = 0; second < 35; ++second)
            form.Timer1_Timer();
        Command4_Click(form);
        QCOMPARE(form.Label3[0].caption(), mark);
        QCOMPARE(form.Label4.caption(),
                 mark.contains(u'√') ? QStringLiteral("您答对了 1道题，用时 35秒。") : QStringLiteral("您答对了 0道题，用时 35秒。"));
        QCOMPARE(form.Timer1.interval(), 0);
        QVERIFY(!form.Text2[0].enabled);
        QVERIFY(form.Command4.enabled);
    }

    // The summaries of pages 2 and 3, and what their submits leave running.
    void conversionSummaries()
    {
        TimeTab tab;
        MainForm& form = tab.form();
        form.setRandomSource(std::make_unique<SeededRandom>(3));
        QVERIFY(tab.click(QStringLiteral("时转分（简单）")));
        typeKeys(form, 2);
        for (int second = 0; second < 62; ++second)
            form.Timer1_Timer();
        Command6_Click(form);
        QCOMPARE(form.Label7.caption(), QStringLiteral("您答对了 10道题，用时 62秒。"));
        QCOMPARE(form.Timer1.interval(), 1000); // page 2 lets the clock run on

        QVERIFY(tab.click(QStringLiteral("秒转分（简单）")));
        typeKeys(form, 3);
        form.Text5[9].text += u'0';
        for (int second = 0; second < 62; ++second)
            form.Timer1_Timer();
        Command8_Click(form);
        QCOMPARE(form.Label11.caption(), QStringLiteral("用时 62秒,答对了 9道题。"));
        QCOMPARE(form.Timer1.interval(), 0);
    }

    // The thinking child stays after money is marked and goes after time.
    void pictureAfterMarking_data()
    {
        QTest::addColumn<QString>("type");
        QTest::addColumn<bool>("shown");
        QTest::newRow("人民币（加法）") << "人民币（加法）" << true;
        QTest::newRow("人民币（除法1）") << "人民币（除法1）" << true;
        QTest::newRow("时间计算（乘）") << "时间计算（乘）" << false;
        QTest::newRow("分转时（简单）") << "分转时（简单）" << false;
    }
    void pictureAfterMarking()
    {
        QFETCH(QString, type);
        QFETCH(bool, shown);
        TimeTab tab;
        tab.form().setRandomSource(std::make_unique<SeededRandom>(4));
        QVERIFY(tab.click(type));
        QVERIFY(tab.form().Picture16.visible);
        Command8_Click(tab.form());
        QCOMPARE(tab.form().Picture16.visible, shown);
        // A new page brings it back, whether from the tree or from 出题.
        QVERIFY(tab.click(type));
        QVERIFY(tab.form().Picture16.visible);
    }

    // The check flag marks a page-2 type no rule names; a type a rule names is
    // marked by its own rule even with the flag up, each right answer once.
    void checkFlagOnPageTwo()
    {
        TimeTab tab;
        MainForm& form = tab.form();
        form.openPage(2, QStringLiteral("连加连减（简单）"));
        form.state.mainKey[0] = QStringLiteral("12");
        form.Text3[0].text = QStringLiteral("12");
        const QString unitLabel = form.Label6[0].caption();
        Command6_Click(form);
        QCOMPARE(form.Label6[0].caption(), unitLabel); // no rule, no flag: nothing is marked
        QVERIFY(form.Text3[0].enabled);
        QCOMPARE(form.Label7.caption(), QString());

        form.Label32.setCaption(QStringLiteral("1"));
        Command6_Click(form);
        QCOMPARE(form.Label6[0].caption(), QStringLiteral(")  √"));
        QCOMPARE(form.Label6[1].caption(), QStringLiteral(")  × 正确答案是"));

        form.setRandomSource(std::make_unique<SeededRandom>(8));
        QVERIFY(tab.click(QStringLiteral("时转秒（较难）")));
        typeKeys(form, 2);
        Command6_Click(form);
        for (int i = 0; i < 10; ++i)
            QCOMPARE(form.Label6[i].caption(), QStringLiteral("） 秒 √"));
        QVERIFY(form.Label7.caption().startsWith(QStringLiteral("您答对了 10道题")));
    }

    // Through the driver, as the pupil plays: every leaf of the tab shows its
    // page and caption, and the keys it shows mark themselves right.
    void everyLeafThroughTheDriver()
    {
        const QStringList types = tabTwoTypes();
        QStringList questions{command("tab", 2)};
        for (int k = 0; k < types.size(); ++k)
            questions += {command("seed", 100 + k), command("click", types[k]), command("dump")};
        const Run shown = drive(questions);
        QCOMPARE(shown.dumps.size(), types.size());

        QStringList answers{command("tab", 2)};
        for (int k = 0; k < types.size(); ++k) {
            const QJsonObject dump = shown.dumps[k];
            const int page = pageOf(types[k]);
            QVERIFY(!control(dump, QStringLiteral("Picture14"))[QStringLiteral("visible")].toBool());
            QVERIFY(control(dump, QStringLiteral("Frame1(%1)").arg(page))[QStringLiteral("visible")].toBool());
            QCOMPARE(control(dump, QStringLiteral("Frame1(%1)").arg(page))[QStringLiteral("caption")].toString(), types[k]);
            answers += {command("seed", 100 + k), command("click", types[k])};
            const QJsonArray first = dump[QStringLiteral("mainKey")].toArray();
            const QJsonArray second = dump[QStringLiteral("secondKey")].toArray();
            const QString boxes[3][2] = {{"Text2"}, {"Text3"}, {"Text4", "Text5"}};
            for (int i = 0; i < 10; ++i) {
                if (page != 1)
                    QVERIFY(!control(dump, QStringLiteral("Label%1(%2)").arg(page == 2 ? 5 : 8).arg(i))[QStringLiteral("caption")]
                                 .toString()
                                 .isEmpty());
                answers.append(command("type", QStringLiteral("%1(%2)").arg(boxes[page - 1][0]).arg(i), first[i].toString()));
                if (page == 3)
                    answers.append(command("type", QStringLiteral("%1(%2)").arg(boxes[2][1]).arg(i), second[i].toString()));
            }
            answers += {command("press", QStringLiteral("Command%1").arg(2 + 2 * page)), command("dump")};
        }
        const Run marked = drive(answers);
        QCOMPARE(marked.errors, QString());
        QCOMPARE(marked.dumps.size(), types.size());
        const char* summaries[3] = {"Label4", "Label7", "Label11"};
        for (int k = 0; k < types.size(); ++k) {
            const QString summary = control(marked.dumps[k], QString::fromLatin1(summaries[pageOf(types[k]) - 1]))[QStringLiteral("caption")].toString();
            QVERIFY2(summary.contains(QStringLiteral(" 10道题")), qPrintable(types[k] + u' ' + summary));
        }
    }

private:
    void checkItem(MainForm& form, const Rule& rule, int i)
    {
        const QString question = questionLabel(form, rule.page, i).caption();
        const std::optional<Numbers> numbers = numbersIn(question, rule.shape);
        QVERIFY2(numbers, qPrintable(question));
        for (std::size_t k = 0; k < numbers->size(); ++k)
            QVERIFY2((*numbers)[k] >= rule.ranges[k].first && (*numbers)[k] <= rule.ranges[k].second,
                     qPrintable(question + QStringLiteral(": number %1 out of its range").arg(k + 1)));
        const std::optional<Keys> keys = rule.keys(*numbers);
        QVERIFY2(keys, qPrintable(question + QStringLiteral(": breaks its type's rule")));
        QCOMPARE(form.state.mainKey[i], QString::number(keys->first));
        if (rule.page == 2) {
            QCOMPARE(form.Label6[i].caption(), rule.units[0]);
            QCOMPARE(form.Text3[i].rect.left, form.Label5[i].rect.left + form.Label5[i].rect.width + rule.gap);
            QCOMPARE(form.Label6[i].rect.left, form.Text3[i].rect.left + form.Text3[i].rect.width + rule.gap);
            return;
        }
        QCOMPARE(form.state.secondKey[i], QString::number(keys->second));
        QCOMPARE(form.Label9[i].caption(), rule.units[0]);
        QCOMPARE(form.Label9[i + 10].caption(), rule.units[1]);
        const Rect* row[] = {&form.Label8[i].rect, &form.Text4[i].rect, &form.Label9[i].rect, &form.Text5[i].rect,
                             &form.Label9[i + 10].rect, &form.Label10[i].rect};
        for (int k = 1; k < 6; ++k)
            QCOMPARE(row[k]->left, row[k - 1]->left + row[k - 1]->width);
    }

    // The time a face shows, read back from its hands, must be its key's time.
    void checkClockItem(MainForm& form, const QString& type, int i)
    {
        const QString key = form.state.mainKey[i];
        static const QRegularExpression time(QStringLiteral("^([1-9]\\d?):(\\d\\d)$"));
        const QRegularExpressionMatch match = time.match(key);
        QVERIFY2(match.hasMatch(), qPrintable(key));
        const int hour = match.captured(1).toInt();
        const int minute = match.captured(2).toInt();
        QCOMPARE(form.state.secondKey[i], QString(key).replace(u':', u'：'));
        QCOMPARE(minute % 5, 0);
        if (type == u"看表读时间（上午）")
            QVERIFY2(hour >= 1 && hour <= 10 && minute <= 55, qPrintable(key));
        else
            QVERIFY2(hour >= 12 && hour <= 22 && minute >= 5 && minute <= 55, qPrintable(key));
        const Line& hourHand = form.Line1[i];
        const Line& minuteHand = form.Line2[i];
        QVERIFY(std::abs(std::hypot(minuteHand.x2, minuteHand.y2) - 65) < 0.001);
        QVERIFY(std::abs(std::hypot(hourHand.x2, hourHand.y2) - 40) < 0.001);
        QVERIFY2(std::lround(degreesOf(minuteHand) / 6) % 60 == minute, qPrintable(key));
        const double hourDegrees = std::fmod(hour % 12 * 30 + minute / 2.0, 360);
        QVERIFY2(std::abs(degreesOf(hourHand) - hourDegrees) < 0.01, qPrintable(key));
    }

    void typeKeys(MainForm& form, int page)
    {
        const PracticePage controls = practicePage(form, page);
        for (int i = 0; i < 10; ++i) {
            controls.boxes[0][i].text = form.state.mainKey[i];
            if (page == 3)
                controls.boxes[1][i].text = form.state.secondKey[i];
        }
    }

    void typeKeysAndSubmit(MainForm& form, int page)
    {
        typeKeys(form, page);
        const std::function<void(MainForm&)> submits[] = {Command4_Click, Command6_Click, Command8_Click};
        submits[page - 1](form);
    }
};

QTEST_GUILESS_MAIN(Myframe1Test)
#include "test_myframe1.moc"

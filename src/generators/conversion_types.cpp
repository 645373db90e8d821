// Time units, intervals, durations and money: one answer per question on page
// 2, two (the larger unit and the smaller) on page 3.

#include "time_and_money.h"

#include "main_form.h"
#include "number_text.h"
#include "practice_pages.h"

#include <algorithm>
#include <array>
#include <iterator>

namespace {

// Int(Rnd × n) + m. With n = 0 it is the fixed value m and takes nothing from
// the random source; the unused draws of a row are such zeros.
struct Draw {
    int n = 0;
    int m = 0;
};
constexpr Draw fixed(int value)
{
    return {0, value};
}

// A type's numbers in the order they are drawn; the question shows them as %1 to %4.
using Numbers = std::array<long long, 4>;
using Draws = Draw[4];

// What a type's numbers count as in a key.
constexpr long long minutes(long long h, long long m)
{
    return h * 60 + m;
}
constexpr long long seconds(long long h, long long m, long long s)
{
    return h * 3600 + m * 60 + s;
}
constexpr long long jiao(long long yuan, long long j)
{
    return yuan * 10 + j;
}

// A quotient rounded to a whole number, an exact half upwards as a pupil
// rounds (四舍五入): 76.5 is 77. Whole numbers throughout, so a half is exactly a half.
constexpr long long roundedQuotient(long long dividend, long long divisor)
{
    return (2 * dividend + divisor) / (2 * divisor);
}

// The conditions under which a type keeps its numbers; until they hold, all
// of them are drawn again, in the same order.
bool wholeRatioOfDurations(const Numbers& v)
{
    return minutes(v[0], v[1]) % minutes(v[2], v[3]) == 0;
}
bool wholeRatioOfAmounts(const Numbers& v)
{
    return jiao(v[0], v[1]) % jiao(v[2], v[3]) == 0;
}
bool firstNotShorter(const Numbers& v)
{
    return minutes(v[0], v[1]) >= minutes(v[2], v[3]);
}

using N = const Numbers&;

// Page 2: the question, the box `gap` twips behind it, the unit label behind the box.
struct OneNumberType {
    const char* name;
    const char* question;
    const char* unit;
    int gap;
    Draws draws;
    long long (*key)(N);
    bool (*keep)(N) = nullptr;
};

const OneNumberType oneNumberTypes[] = {
    // name                question                              unit    gap  draws, in order                      key; drawn again until `keep` holds
    {"时转分（简单）",   "%1小时%2分=（",                      "）分", 100, {{9, 1}, {40, 1}},                    [](N v) { return minutes(v[0], v[1]); }},
    {"时转分（较难）",   "%1小时%2分=（",                      "）分", 100, {{89, 12}, {60, 1}},                  [](N v) { return minutes(v[0], v[1]); }},
    {"时转秒（简单）",   "%1小时%2分%3秒=（",                  "）秒", 100, {{12, 1}, {60, 1}, {60, 1}},          [](N v) { return seconds(v[0], v[1], v[2]); }},
    {"时转秒（较难）",   "%1小时%2分%3秒=（",                  "）秒", 100, {{77, 24}, {60, 1}, {60, 1}},         [](N v) { return seconds(v[0], v[1], v[2]); }},
    {"时间间隔（简单）", "%1小时%2分 到 %3小时%4分=（",         "）分", 100, {{12, 1}, {31, 0}, {12, 13}, {21, 40}}, [](N v) { return minutes(v[2], v[3]) - minutes(v[0], v[1]); }},
    // The second hour reaches 50: an interval of more than a day.
    {"时间间隔（中等）", "%1小时%2分 到 %3小时%4分=（",         "）分", 100, {{12, 1}, {21, 40}, {38, 13}, {31, 0}}, [](N v) { return minutes(v[2], v[3]) - minutes(v[0], v[1]); }},
    // Over midnight: what is left of the first day, then the time of the next.
    {"时间间隔（较难）", "%1小时%2分 到 第二天的%3小时%4分=（", "）分", 100, {{12, 12}, {21, 40}, {12, 1}, {31, 0}}, [](N v) { return 1440 - minutes(v[0], v[1]) + minutes(v[2], v[3]); }},
    // About one draw in 250 divides: an item takes a few hundred draws.
    {"时间计算（除2）",  "%1小时%2分÷%3小时%4分 =（",           "）倍", 0,   {{113, 13}, {61, 0}, {12, 1}, {51, 0}}, [](N v) { return minutes(v[0], v[1]) / minutes(v[2], v[3]); }, wholeRatioOfDurations},
    {"人民币（元转角）", "%1元%2角 =（",                       "）角", 0,   {{15, 1}, {10, 0}},                   [](N v) { return jiao(v[0], v[1]); }},
    // About one draw in 60 divides.
    {"人民币（除法2）",  "%1元%2角÷%3元%4角 =（",               "）倍", 0,   {{200, 1}, {9, 1}, {15, 1}, {9, 1}},  [](N v) { return jiao(v[0], v[1]) / jiao(v[2], v[3]); }, wholeRatioOfAmounts},
};

// Page 3: the question, then box, middle label, box, closing label. The result
// is counted in the smaller unit; the boxes take it apart into the larger unit
// and what remains.
struct TwoNumberType {
    const char* name;
    const char* question;
    const char* middle;
    const char* closing;
    int perLargerUnit; // 60 minutes to the hour or seconds to the minute, 10 jiao to the yuan
    Draws draws;
    long long (*result)(N);
    bool (*keep)(N) = nullptr;
    Draws redraws{}; // the rules of a redraw where they differ from the first draws
    const Draws* drawsByItem = nullptr; // for a type whose draws change down the page: one set per item
};

// 人民币（减法） pays with one note of whole yuan, larger further down the
// page, for a price below it: the note y1 is fixed, y2 and j2 are drawn.
const Draws changeFromANote[10] = {
    {fixed(5), {4, 1}, {9, 1}},    {fixed(5), {4, 1}, {9, 1}},   {fixed(5), {4, 1}, {9, 1}},
    {fixed(10), {9, 1}, {9, 1}},   {fixed(10), {9, 1}, {9, 1}},  {fixed(10), {9, 1}, {9, 1}},
    {fixed(50), {49, 1}, {9, 1}},  {fixed(50), {49, 1}, {9, 1}},
    {fixed(100), {99, 1}, {9, 1}}, {fixed(100), {99, 1}, {9, 1}},
};

const TwoNumberType twoNumberTypes[] = {
    // name                question                      middle      closing  per  draws, in order                      result in the smaller unit; redraw
    {"分转时（简单）",   "%1分=（",                    "）小时（", "）分",  60, {{901, 100}},                         [](N v) { return v[0]; }},
    {"分转时（较难）",   "%1分=（",                    "）小时（", "）分",  60, {{8001, 2000}},                       [](N v) { return v[0]; }},
    {"秒转分（简单）",   "%1秒=（",                    "）分（",   "）秒",  60, {{901, 100}},                         [](N v) { return v[0]; }},
    {"秒转分（较难）",   "%1秒=（",                    "）分（",   "）秒",  60, {{9899, 1000}},                       [](N v) { return v[0]; }},
    {"时间计算（加）",   "%1小时%2分+%3小时%4分 （",   "）小时（", "）分",  60, {{15, 1}, {21, 40}, {15, 1}, {29, 0}}, [](N v) { return minutes(v[0], v[1]) + minutes(v[2], v[3]); }},
    // A first time shorter than the second is drawn again, from narrower hours.
    {"时间计算（减）",   "%1小时%2分-%3小时%4分 （",   "）小时（", "）分",  60, {{50, 1}, {61, 0}, {25, 1}, {61, 0}}, [](N v) { return minutes(v[0], v[1]) - minutes(v[2], v[3]); },
                                                                                   firstNotShorter, {{24, 1}, {61, 0}, {15, 1}, {61, 0}}},
    {"时间计算（乘）",   "%1小时%2分×%3 （",           "）小时（", "）分",  60, {{18, 1}, {61, 0}, {15, 1}},          [](N v) { return minutes(v[0], v[1]) * v[2]; }},
    {"时间计算（除1）",  "%1小时%2分÷%3 （",           "）小时（", "）分",  60, {{234, 17}, {61, 0}, {16, 1}},        [](N v) { return roundedQuotient(minutes(v[0], v[1]), v[2]); }},
    {"人民币（角转元）", "%1角=（",                    "）元（",   "）角",  10, {{141, 10}},                          [](N v) { return v[0]; }},
    {"人民币（加法）",   "%1元%2角+%3元%4角=（",       "）元（",   "）角",  10, {{15, 1}, {9, 1}, {15, 1}, {9, 1}},   [](N v) { return jiao(v[0], v[1]) + jiao(v[2], v[3]); }},
    {"人民币（减法）",   "%1元 - %2元%3角=（",         "）元（",   "）角",  10, {},                                   [](N v) { return jiao(v[0], 0) - jiao(v[1], v[2]); },
                                                                                   nullptr, {}, changeFromANote},
    {"人民币（乘法）",   "%1元%2角×%3=（",             "）元（",   "）角",  10, {{15, 1}, {9, 1}, {13, 1}},           [](N v) { return jiao(v[0], v[1]) * v[2]; }},
    {"人民币（除法1）",  "%1元%2角÷%3=（",             "）元（",   "）角",  10, {{186, 15}, {9, 1}, {13, 1}},         [](N v) { return roundedQuotient(jiao(v[0], v[1]), v[2]); }},
};

Numbers drawAll(RandomSource& random, const Draws& draws)
{
    Numbers numbers{};
    for (std::size_t k = 0; k < numbers.size(); ++k)
        numbers[k] = draws[k].n > 0 ? draw(random, draws[k].n, draws[k].m) : draws[k].m;
    return numbers;
}

// Draws a type's numbers, and all of them again while `keep` does not hold.
Numbers drawNumbers(RandomSource& random, const Draws& draws, bool (*keep)(N), const Draws& redraws)
{
    Numbers numbers = drawAll(random, draws);
    while (keep && !keep(numbers))
        numbers = drawAll(random, redraws);
    return numbers;
}

// The question with Str of each number, so a blank stands before every number.
QString questionText(const char* pattern, const Numbers& numbers)
{
    QString text = QString::fromUtf8(pattern);
    for (std::size_t k = 0; k < numbers.size(); ++k)
        text.replace(QStringLiteral("%%1").arg(k + 1), Str(double(numbers[k])));
    return text;
}

QString keyText(long long number)
{
    return decimalText(double(number));
}

template <typename Type, std::size_t count>
const Type* typeNamed(const Type (&types)[count], const QString& name)
{
    const auto found = std::find_if(std::begin(types), std::end(types),
                                    [&](const Type& type) { return name == QString::fromUtf8(type.name); });
    return found == std::end(types) ? nullptr : found;
}

void buildOneNumberPage(MainForm& form, const OneNumberType& type)
{
    form.openPage(2, QString::fromUtf8(type.name));
    for (int i = 0; i < 10; ++i) {
        const Numbers numbers = drawNumbers(form.random(), type.draws, type.keep, type.draws);
        form.Label5[i].setCaption(questionText(type.question, numbers));
        PlaceAnswerBox(form, i, type.gap);
        form.Label6[i].setCaption(QString::fromUtf8(type.unit));
        form.state.mainKey[i] = keyText(type.key(numbers));
    }
}

void buildTwoNumberPage(MainForm& form, const TwoNumberType& type)
{
    form.openPage(3, QString::fromUtf8(type.name));
    // A new page shows the thinking child, however it was asked for; marking
    // a time page hides it.
    form.Picture16.visible = true;
    const bool redrawnAlike = std::all_of(std::begin(type.redraws), std::end(type.redraws),
                                          [](Draw d) { return d.n == 0 && d.m == 0; });
    for (int i = 0; i < 10; ++i) {
        form.Label9[i].setCaption(QString::fromUtf8(type.middle));
        form.Label9[i + 10].setCaption(QString::fromUtf8(type.closing));
        const Draws& draws = type.drawsByItem ? type.drawsByItem[i] : type.draws;
        const Numbers numbers = drawNumbers(form.random(), draws, type.keep, redrawnAlike ? draws : type.redraws);
        form.Label8[i].setCaption(questionText(type.question, numbers));
        PlaceAnswerPair(form, i);
        const long long result = type.result(numbers);
        form.state.mainKey[i] = keyText(result / type.perLargerUnit);
        form.state.secondKey[i] = keyText(result % type.perLargerUnit);
    }
}

} // namespace

bool buildConversionPage(MainForm& form, const QString& name)
{
    if (const OneNumberType* type = typeNamed(oneNumberTypes, name)) {
        buildOneNumberPage(form, *type);
        return true;
    }
    if (const TwoNumberType* type = typeNamed(twoNumberTypes, name)) {
        buildTwoNumberPage(form, *type);
        return true;
    }
    return false;
}

// 读数字 and 写数字: a number to read in Chinese words, or a reading to write
// in digits, by the reading rules of chinese_numerals.h.

#include "divisors_tab.h"

#include "chinese_numerals.h"
#include "main_form.h"
#include "number_text.h"

#include <algorithm>
#include <iterator>

namespace {

enum class Direction { Read, Write };

// One exercise type: numbers of fewestDigits..mostDigits digits, and the
// width of the box, enough for the longest answer in the window's font.
struct ReadingType {
    const char* name;
    Direction direction;
    int fewestDigits;
    int mostDigits;
    int boxWidth;
};

using enum Direction;

const ReadingType types[] = {
    // name              direction digits    box
    {"读数字（简单）", Read,     4,  4,  1950}, // up to 7 characters: 九千九百九十九
    {"读数字（中等）", Read,     5,  8,  3150}, // up to longestReading characters
    {"读数字（较难）", Read,     9,  12, 3150},
    {"写数字（简单）", Write,    4,  4,  900},
    {"写数字（中等）", Write,    5,  8,  1350},
    {"写数字（较难）", Write,    9,  12, 1800},
};

// A longer reading is drawn again: a wrong answer's mark repeats the reading
// behind the box that holds it, and both must fit the row.
constexpr int longestReading = 12;

// What every page trains, by item: the zeros read as one 零 (items 0, 3, 6
// and 9) and the zeros at the end that are not read (items 1, 4 and 7).
enum class Zeros { ReadAsLing, AtTheEnd, Any };
constexpr Zeros zerosOfItem[3] = {Zeros::ReadAsLing, Zeros::AtTheEnd, Zeros::Any};

long long drawNumber(const ReadingType& type, RandomSource& random)
{
    const int digits = draw(random, type.mostDigits - type.fewestDigits + 1, type.fewestDigits);
    long long number = draw(random, 9, 1);
    // Int(Rnd × 18) − 8 is −8..9; the nine values below 1 give a 0, so half
    // the digits after the first are 0, as in the numbers that train reading.
    for (int digit = 1; digit < digits; ++digit)
        number = number * 10 + std::max(0, draw(random, 18, -8));
    return number;
}

bool hasZeros(long long number, const QString& reading, Zeros zeros)
{
    switch (zeros) {
    case Zeros::ReadAsLing:
        return reading.contains(u'零');
    case Zeros::AtTheEnd:
        return number % 10 == 0;
    case Zeros::Any:
        break;
    }
    return true;
}

long long drawAskedNumber(const ReadingType& type, RandomSource& random, Zeros zeros)
{
    for (;;) {
        const long long number = drawNumber(type, random);
        const QString reading = chineseReading(number);
        if (reading.size() <= longestReading && hasZeros(number, reading, zeros))
            return number;
    }
}

TopicQuestion question(Direction direction, long long number)
{
    const QString digits = decimalText(double(number));
    const QString reading = chineseReading(number);
    if (direction == Read)
        return {digits + QStringLiteral(" 读作：（"), QStringLiteral("）"), reading};
    return {reading + QStringLiteral(" 写作：（"), QStringLiteral("）"), digits};
}

} // namespace

bool numberReadingPage(MainForm& form, const QString& name)
{
    const auto type = std::find_if(std::begin(types), std::end(types),
                                   [&](const ReadingType& t) { return name == QString::fromUtf8(t.name); });
    if (type == std::end(types))
        return false;
    openDivisorsTabPage(form, 8, topicCaption(name, type->direction == Read ? "在括号内用汉字写出读法" : "在括号内用数字写出这个数"));
    const auto numbers = differentItems<long long>(
        [&](int i) { return drawAskedNumber(*type, form.random(), zerosOfItem[i % std::size(zerosOfItem)]); });
    TopicQuestions questions;
    std::transform(numbers.begin(), numbers.end(), questions.begin(),
                   [&](long long number) { return question(type->direction, number); });
    writeTopicRows(form, questions, type->boxWidth);
    return true;
}

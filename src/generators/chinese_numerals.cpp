#include "chinese_numerals.h"

#include <array>

namespace {

constexpr char16_t digitWords[] = u"零一二三四五六七八九";
constexpr std::array<const char16_t*, 4> placeWords = {u"", u"十", u"百", u"千"};

// The levels from the highest down, with the word that follows each.
struct Level {
    long long unit;
    const char16_t* word;
};
constexpr std::array<Level, 3> levels = {{{100'000'000, u"亿"}, {10'000, u"万"}, {1, u""}}};

// One level's value, 1..9999, from its first digit that is not 0 (whether a
// 零 stands before it is for the caller to say). `opensTheNumber`: nothing is read before it.
QString readLevel(int value, bool opensTheNumber)
{
    QString words;
    bool zerosBefore = false;
    for (int place = 3, unit = 1000; place >= 0; --place, unit /= 10) {
        const int digit = value / unit % 10;
        if (digit == 0) {
            // Zeros read nothing yet: one 零 if a digit follows, none at the level's end.
            zerosBefore = !words.isEmpty();
            continue;
        }
        if (zerosBefore)
            words += u'零';
        zerosBefore = false;
        const bool bareTen = digit == 1 && place == 1 && opensTheNumber && words.isEmpty();
        if (!bareTen)
            words += digitWords[digit];
        words += QString::fromUtf16(placeWords[place]);
    }
    return words;
}

} // namespace

QString chineseReading(long long number)
{
    if (number < 0 || number > largestReadNumber)
        return {};
    if (number == 0)
        return QStringLiteral("零");
    QString reading;
    bool zerosBefore = false; // a whole level of zeros since the last level read
    for (const Level& level : levels) {
        const int value = int(number / level.unit % 10'000);
        if (value == 0) {
            zerosBefore = !reading.isEmpty();
            continue;
        }
        // Zeros between what is read and this level's first digit, whether at
        // the head of this level or a whole level of them, are one 零.
        if (!reading.isEmpty() && (zerosBefore || value < 1000))
            reading += u'零';
        reading += readLevel(value, reading.isEmpty()) + QString::fromUtf16(level.word);
        zerosBefore = false;
    }
    return reading;
}

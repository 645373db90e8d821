// The rules of the number-sense questions: remainders, how many more or fewer,
// numbers in order, complements, means, squares and cubes.

#include "number_sense.h"

#include "random_source.h"

#include <QStringList>

#include <algorithm>
#include <cstdlib>
#include <iterator>
#include <vector>

namespace {

int drawFrom(RandomSource& random, Range range)
{
    return draw(random, range.size(), range.least);
}

// `count` different numbers of the range, in the order drawn. Each draw picks
// one of the numbers not taken yet, so no draw is wasted on a repeat.
std::vector<int> drawDifferent(RandomSource& random, Range range, int count)
{
    std::vector<int> drawn;
    std::vector<int> taken; // ascending
    for (int k = 0; k < count; ++k) {
        int value = draw(random, range.size() - k, range.least);
        for (const int earlier : taken)
            if (value >= earlier)
                ++value;
        taken.insert(std::upper_bound(taken.begin(), taken.end(), value), value);
        drawn.push_back(value);
    }
    return drawn;
}

QString joined(const std::vector<int>& numbers, const QString& separator)
{
    QStringList texts;
    for (const int number : numbers)
        texts.append(QString::number(number));
    return texts.join(separator);
}

// The children and things of the comparison questions; a thing comes with the
// measure word that counts it.
const char* const children[] = {"小明", "小红", "小华", "小刚", "小丽", "小军", "小芳", "小亮"};

struct Thing {
    const char* measureWord;
    const char* name;
};

const Thing things[] = {
    {"张", "画片"}, {"支", "铅笔"}, {"本", "书"},   {"个", "苹果"},
    {"颗", "糖"},   {"朵", "花"},   {"块", "橡皮"}, {"枚", "邮票"},
};

enum class Asked { More, Fewer };

NumberRow comparedAmounts(RandomSource& random, Range amounts, Asked asked)
{
    const int childCount = int(std::size(children));
    const int first = draw(random, childCount);
    int second = draw(random, childCount - 1);
    if (second >= first)
        ++second;
    const Thing& thing = things[draw(random, int(std::size(things)))];
    const std::vector<int> amount = drawDifferent(random, amounts, 2);

    const QString measureWord = QString::fromUtf8(thing.measureWord);
    const QString firstChild = QString::fromUtf8(children[first]);
    const QString secondChild = QString::fromUtf8(children[second]);
    const bool firstHasMore = amount[0] > amount[1];
    const QString& more = firstHasMore ? firstChild : secondChild;
    const QString& fewer = firstHasMore ? secondChild : firstChild;
    const QString told = QStringLiteral("%1有 %2 %3%4，%5有 %6 %3。")
                             .arg(firstChild)
                             .arg(amount[0])
                             .arg(measureWord, QString::fromUtf8(thing.name), secondChild)
                             .arg(amount[1]);
    const QString question = asked == Asked::More ? more + QStringLiteral("比") + fewer + QStringLiteral("多（")
                                                  : fewer + QStringLiteral("比") + more + QStringLiteral("少（");
    return {told + question, QStringLiteral("）") + measureWord, std::abs(amount[0] - amount[1])};
}

} // namespace

NumberRow RemainderAfterQuotient::operator()(RandomSource& random) const
{
    const int d = drawFrom(random, divisor);
    const int q = drawFrom(random, quotient);
    const int r = draw(random, d - 1, 1);
    return {QStringLiteral("%1 ÷ %2 = %3 ……（").arg(d * q + r).arg(d).arg(q), QStringLiteral("）"), r};
}

NumberRow RemainderOf::operator()(RandomSource& random) const
{
    const int d = drawFrom(random, divisor);
    const int r = draw(random, d - 1, 1);
    // The quotients that keep d × q + r inside the dividend's range.
    const int fewest = (dividend.least - r + d - 1) / d;
    const int most = (dividend.most - r) / d;
    const int q = draw(random, most - fewest + 1, fewest);
    return {QStringLiteral("%1 ÷ %2 的余数是（").arg(d * q + r).arg(d), QStringLiteral("）"), r};
}

NumberRow HowManyMore::operator()(RandomSource& random) const
{
    return comparedAmounts(random, amounts, Asked::More);
}

NumberRow HowManyFewer::operator()(RandomSource& random) const
{
    return comparedAmounts(random, amounts, Asked::Fewer);
}

NumberRow InOrder::operator()(RandomSource& random) const
{
    std::vector<int> shown = drawDifferent(random, numbers, 5);
    // Numbers drawn in order would ask nothing: the first goes to the end.
    if (std::is_sorted(shown.begin(), shown.end()))
        std::rotate(shown.begin(), shown.begin() + 1, shown.end());
    std::vector<int> ordered = shown;
    std::sort(ordered.begin(), ordered.end());
    const int missing = draw(random, 5);

    QString before = joined(shown, QStringLiteral("、")) + QStringLiteral(" 从小到大排列：");
    for (int k = 0; k < missing; ++k)
        before += QString::number(ordered[k]) + QStringLiteral(" < ");
    QString after = QStringLiteral("）");
    for (int k = missing + 1; k < 5; ++k)
        after += QStringLiteral(" < ") + QString::number(ordered[k]);
    return {before + QStringLiteral("（"), after, ordered[missing]};
}

NumberRow Complement::operator()(RandomSource& random) const
{
    const int shown = drawFrom(random, part);
    return {QStringLiteral("%1 + （").arg(shown), QStringLiteral("） = %1").arg(whole), whole - shown};
}

NumberRow MeanOf::operator()(RandomSource& random) const
{
    std::vector<int> values;
    int sum = 0;
    for (int k = 0; k + 1 < count; ++k) {
        values.push_back(drawFrom(random, numbers));
        sum += values.back();
    }
    // The last number completes count × mean; the mean is drawn among the
    // whole numbers that keep the last number inside the range. There always
    // is one: the range holds at least `count` numbers, so least + sum .. most
    // + sum holds a multiple of count.
    const int lowest = (numbers.least + sum + count - 1) / count;
    const int highest = (numbers.most + sum) / count;
    const int mean = draw(random, highest - lowest + 1, lowest);
    values.push_back(count * mean - sum);
    return {joined(values, QStringLiteral("、")) + QStringLiteral(" 的平均数是（"), QStringLiteral("）"), mean};
}

NumberRow Power::operator()(RandomSource& random) const
{
    const int b = drawFrom(random, base);
    int value = 1;
    for (int k = 0; k < exponent; ++k)
        value *= b;
    const QString superscript = exponent == 2 ? QStringLiteral("²") : QStringLiteral("³");
    return {QString::number(b) + superscript + QStringLiteral(" = （"), QStringLiteral("）"), value};
}

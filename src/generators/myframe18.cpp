// The generator of the 倍数与约数 tab. Greatest common divisors and least
// common multiples are asked on page 0, in the rows of the whole-number page;
// factors, interest and reading and writing numbers on page 8 (their own files).

#include "generators.h"

#include "divisors_tab.h"
#include "main_form.h"
#include "number_text.h"

#include <algorithm>
#include <iterator>
#include <limits>
#include <span>

namespace {

enum class Asked { GreatestCommonDivisor, LeastCommonMultiple };

// Int(Rnd × n) + m: a whole number from m to m + n − 1.
struct Draw {
    int n;
    int m;
};

// Which drawn pairs a type asks about; any other pair is drawn again.
enum class Pairs {
    SharingAFactor,          // a common divisor above 1; a number with itself too
    Different,               // any two different numbers
    DifferentSharingAFactor, // two different numbers with a common divisor above 1
    DifferentCoprime,        // two different numbers without one
};

// 6 to 50 with no prime factor above 7: common divisors that a pupil finds by
// short division.
constexpr int shortDivisionDivisors[] = {6,  7,  8,  9,  10, 12, 14, 15, 16, 18, 20, 21, 24,
                                         25, 27, 28, 30, 32, 35, 36, 40, 42, 45, 48, 49, 50};

// One exercise type: a and b are drawn, a first, and drawn again while the
// pair is not one the type asks. A type with common divisors draws one of them
// first and shows it times a and times b (redrawn with them); with coprime a
// and b it is the answer.
struct PairType {
    const char* name;
    const char* caption;
    Asked asked;
    Draw a;
    Draw b;
    Pairs pairs;
    int multipleAtMost = 0;                // the least common multiple's bound; 0: none
    std::span<const int> commonDivisors{}; // empty: none drawn
    int shownAtLeast = 0; // both numbers shown lie in shownAtLeast..shownAtMost
    int shownAtMost = std::numeric_limits<int>::max();
};

using enum Asked;
using enum Pairs;

const PairType types[] = {
    // name                  caption                                          asked                  a          b          pairs                    lcm ≤  common divisors        shown
    {"求最大公约数（简单）", "求最大公约数(简单)   在括号内填入适当的数", GreatestCommonDivisor, {19, 2},   {19, 2},   SharingAFactor},
    {"求最大公约数（中等）", "求最大公约数(中等)   在括号内填入适当的数", GreatestCommonDivisor, {101, 20}, {101, 20}, SharingAFactor},
    {"求最大公约数（较难）", "求最大公约数(较难)   在括号内填入适当的数", GreatestCommonDivisor, {19, 2},   {19, 2},   DifferentCoprime,        0,     shortDivisionDivisors, 100, 999},
    {"求最小公倍数（简单）", "求最小公倍数(简单)   在括号内填入适当的数", LeastCommonMultiple,   {11, 2},   {11, 2},   Different},
    {"求最小公倍数（中等）", "求最小公倍数(中等)   在括号内填入适当的数", LeastCommonMultiple,   {21, 10},  {21, 10},  Different,               150},
    {"求最小公倍数（较难）", "求最小公倍数(较难)   在括号内填入适当的数", LeastCommonMultiple,   {41, 20},  {41, 20},  DifferentSharingAFactor, 360},
};

// Euclid's algorithm, as a pupil learns it: divide the larger by the smaller,
// then the divisor by the remainder, until nothing remains.
int greatestCommonDivisor(int a, int b)
{
    int x = std::max(a, b);
    int y = std::min(a, b);
    while (x % y != 0) {
        const int remainder = x % y;
        x = y;
        y = remainder;
    }
    return y;
}

int leastCommonMultiple(int a, int b)
{
    return a / greatestCommonDivisor(a, b) * b;
}

bool pairAsked(Pairs pairs, int a, int b)
{
    const bool shareAFactor = greatestCommonDivisor(a, b) != 1;
    switch (pairs) {
    case SharingAFactor:
        return shareAFactor;
    case Different:
        return a != b;
    case DifferentSharingAFactor:
        return a != b && shareAFactor;
    case DifferentCoprime:
        return a != b && !shareAFactor;
    }
    return false;
}

// The two numbers a question shows.
struct Question {
    int a;
    int b;
};

bool isAsked(const PairType& type, int common, int a, int b)
{
    const auto shown = [&](int number) { return number >= type.shownAtLeast && number <= type.shownAtMost; };
    return pairAsked(type.pairs, a, b) && (type.multipleAtMost == 0 || leastCommonMultiple(a, b) <= type.multipleAtMost)
        && shown(common * a) && shown(common * b);
}

Question drawQuestion(const PairType& type, RandomSource& random)
{
    for (;;) {
        const int common = type.commonDivisors.empty()
                               ? 1
                               : type.commonDivisors[std::size_t(draw(random, int(type.commonDivisors.size())))];
        const int a = draw(random, type.a.n, type.a.m);
        const int b = draw(random, type.b.n, type.b.m);
        if (isAsked(type, common, a, b))
            return {common * a, common * b};
    }
}

void writePairPage(MainForm& form, const PairType& type)
{
    openDivisorsTabPage(form, 0, QString::fromUtf8(type.caption));
    const QString askedWords = type.asked == GreatestCommonDivisor ? QStringLiteral(" 最大公约数是：(")
                                                                   : QStringLiteral(" 最小公倍数是：(");
    for (int i = 0; i < 10; ++i) {
        const auto [a, b] = drawQuestion(type, form.random());
        const int answer = type.asked == GreatestCommonDivisor ? greatestCommonDivisor(a, b) : leastCommonMultiple(a, b);
        form.Label33[i].setCaption(Str(a) + QStringLiteral(" 和 ") + Str(b) + askedWords);
        form.Label34[i].setCaption(QStringLiteral(")"));
        form.state.mainKey[i] = decimalText(answer);
        placeBehind(form.Text1[i].rect, form.Label33[i].rect);
        placeBehind(form.Label34[i].rect, form.Text1[i].rect);
    }
}

bool pairPage(MainForm& form, const QString& name)
{
    const auto type = std::find_if(std::begin(types), std::end(types),
                                   [&](const PairType& t) { return name == QString::fromUtf8(t.name); });
    if (type == std::end(types))
        return false;
    writePairPage(form, *type);
    return true;
}

} // namespace

void myframe18(MainForm& form)
{
    const QString name = form.TreeView1.selectedText();
    for (const auto page : {pairPage, factorPage, interestPage, numberReadingPage})
        if (page(form, name))
            return;
}

// The generator of the 找规律 tab: ten rows of numbers on page 5, each with its
// answer box inside the row, or the one picture question of page 6.

#include "generators.h"

#include "main_form.h"
#include "number_rows.h"
#include "number_sense.h"
#include "number_text.h"

#include <algorithm>
#include <array>
#include <functional>
#include <iterator>
#include <vector>

namespace {

// A number pattern: the terms before the missing one, the missing term and the terms after it.
NumberRow patternRow(const std::vector<int>& before, int missing, const std::vector<int>& after)
{
    NumberRow row{Str(before.front()), QStringLiteral("）"), missing};
    for (std::size_t k = 1; k < before.size(); ++k)
        row.beforeBox += QStringLiteral("  ,  ") + Str(before[k]);
    row.beforeBox += QStringLiteral(" , （");
    for (const int term : after)
        row.afterBox += QStringLiteral("  ,  ") + Str(term);
    return row;
}

// The patterns are built by counting loops, and each missing term is reckoned
// from its loop's counter after the loop: the first value beyond the loop's end.

// Eight consecutive numbers from s; the 4th to 7th is missing.
NumberRow consecutiveNumbers(RandomSource& random)
{
    const int s = draw(random, 12, 1);
    const int n = draw(random, 4, 1);
    std::vector<int> before{s};
    int j = 0;
    for (; j <= n; ++j)
        before.push_back(s + j + 1);
    const int missing = s + j + 1;
    std::vector<int> after;
    for (int k = 0; k <= 4 - n; ++k)
        after.push_back(missing + k + 1);
    return patternRow(before, missing, after);
}

// Steps of d = 2 or 3 from s: 2 + ⌊n / d⌋ terms before the gap, 1 + ⌊(4 − n) / d⌋ after it.
NumberRow stepsOfTwoOrThree(RandomSource& random)
{
    const int d = draw(random, 2, 2);
    const int s = draw(random, 12, 1);
    const int n = draw(random, 4, 1);
    std::vector<int> before{s};
    int j = 0;
    for (; j <= n; j += d)
        before.push_back(s + j + d);
    const int missing = s + j + d;
    std::vector<int> after;
    for (int k = 0; k <= 4 - n; k += d)
        after.push_back(missing + k + d);
    return patternRow(before, missing, after);
}

// The multiples s, 2s, … 6s of s = 8..47; the 3rd to 6th is missing.
NumberRow multiples(RandomSource& random)
{
    const int s = draw(random, 40, 8);
    const int n = draw(random, 4, 1);
    std::vector<int> before{s};
    int j = 1;
    for (; j <= n; ++j)
        before.push_back(s * j + s);
    const int missing = s * j + s;
    std::vector<int> after;
    for (int k = 1; k <= 4 - n; ++k)
        after.push_back(s * (j + k) + s);
    return patternRow(before, missing, after);
}

// Where a row's box and mark stand: the width of the box, which stands 100
// twips behind the text before it, and the gap between the row and its mark.
struct RowLayout {
    int boxWidth;
    int markGap;
};

// The patterns: a box that shows three digits in the page's font (no term
// passes 282); the mark touches the consecutive numbers and stands apart from
// the other two.
constexpr RowLayout markTouching{600, 0};
constexpr RowLayout markApart{600, 300};
// The number-sense rows, whose answers reach four digits (10³).
constexpr RowLayout numberSense{700, 300};
// Numbers to put in order make the longest rows: a box for their three digits
// at most, and the mark a little closer.
constexpr RowLayout inOrder{600, 150};

// MayRepeat: every row is drawn on its own, so two rows of a page may be
// equal, as for the patterns. Distinct: a row the page already shows is drawn
// again, so that a page of squares asks ten different squares.
enum class OnAPage { MayRepeat, Distinct };

// BesidePicture: the rows leave Picture8 its corner of the page. WholeWidth:
// the rows need the page's whole width, and the picture makes way.
enum class RowsReach { BesidePicture, WholeWidth };

struct PageFiveType {
    const char* name;
    RowLayout layout;
    OnAPage page;
    std::function<NumberRow(RandomSource&)> row;
    RowsReach reach = RowsReach::BesidePicture;
};

using enum OnAPage;

const PageFiveType pageFiveTypes[] = {
    // name                 layout        page       row
    {"规律运算（最简单）",  markTouching, MayRepeat, consecutiveNumbers},
    {"规律运算（简单）",    markApart,    MayRepeat, stepsOfTwoOrThree},
    {"规律运算（中等）",    markApart,    MayRepeat, multiples},
    {"求余数（简单）",      numberSense,  Distinct,  RemainderAfterQuotient{.divisor = {2, 9}, .quotient = {1, 9}}},
    {"求余数（中等）",      numberSense,  Distinct,  RemainderOf{.divisor = {2, 9}, .dividend = {10, 99}}},
    {"求余数（较难）",      numberSense,  Distinct,  RemainderOf{.divisor = {11, 99}, .dividend = {100, 999}}},
    {"多多少（较难）",      numberSense,  Distinct,  HowManyMore{.amounts = {10, 100}}},
    {"少多少（简单）",      numberSense,  Distinct,  HowManyFewer{.amounts = {1, 20}}},
    {"少多少（较难）",      numberSense,  Distinct,  HowManyFewer{.amounts = {10, 100}}},
    {"数字排序（简单）",    inOrder,      Distinct,  InOrder{.numbers = {1, 20}}},
    {"数字排序（中等）",    inOrder,      Distinct,  InOrder{.numbers = {10, 99}}},
    {"数字排序（困难）",    inOrder,      Distinct,  InOrder{.numbers = {100, 999}}, RowsReach::WholeWidth},
    {"求补数（简单）",      numberSense,  Distinct,  Complement{.whole = 10, .part = {1, 9}}},
    {"求补数（中等）",      numberSense,  Distinct,  Complement{.whole = 100, .part = {10, 99}}},
    {"求补数（较难）",      numberSense,  Distinct,  Complement{.whole = 1000, .part = {100, 999}}},
    {"求平均数（简单）",    numberSense,  Distinct,  MeanOf{.count = 3, .numbers = {1, 30}}},
    {"求平均数（中等）",    numberSense,  Distinct,  MeanOf{.count = 4, .numbers = {10, 99}}},
    {"求平均数（较难）",    numberSense,  Distinct,  MeanOf{.count = 5, .numbers = {50, 200}}},
    {"10以内平方计算",      numberSense,  Distinct,  Power{.exponent = 2, .base = {1, 10}}},
    {"20以内平方计算",      numberSense,  Distinct,  Power{.exponent = 2, .base = {11, 20}}},
    {"10以内立方计算",      numberSense,  Distinct,  Power{.exponent = 3, .base = {1, 10}}},
};

// The one type of page 6: of the 24 puppies and the 24 birds of its pictures,
// so many puppies and fewer birds (at least one) are shown. How many more puppies?
struct PictureQuestion {
    const char* name;
    Range puppies;
};

const PictureQuestion pictureQuestion{"多多少（简单）", {10, 24}};

// Enough tries for ten different rows of a type with only ten (the squares);
// few enough that a type with fewer (求补数（简单）, nine) or a source which
// keeps repeating itself cannot hold the page up.
constexpr int triesForADistinctRow = 100;

std::array<NumberRow, 10> drawRows(const PageFiveType& type, RandomSource& random)
{
    std::array<NumberRow, 10> rows;
    auto shownBefore = [&](std::size_t i) {
        return std::any_of(rows.begin(), rows.begin() + i, [&](const NumberRow& earlier) {
            return earlier.beforeBox == rows[i].beforeBox && earlier.afterBox == rows[i].afterBox;
        });
    };
    for (std::size_t i = 0; i < rows.size(); ++i) {
        rows[i] = type.row(random);
        for (int tries = 1; type.page == Distinct && tries < triesForADistinctRow && shownBefore(i); ++tries)
            rows[i] = type.row(random);
    }
    return rows;
}

// Row i of page 5: the text before the box, the box 100 twips behind it, the
// text after it right behind the box, and the mark behind that.
void writeRow(MainForm& form, int i, const NumberRow& row, RowLayout layout)
{
    form.Text7[i].rect.width = layout.boxWidth;
    form.Label15[i].setCaption(row.beforeBox);
    form.Label16[i].setCaption(row.afterBox);
    placeBehind(form.Text7[i].rect, form.Label15[i].rect, 100);
    placeBehind(form.Label16[i].rect, form.Text7[i].rect);
    placeBehind(form.Label17[i].rect, form.Label16[i].rect, layout.markGap);
    form.Text7[i].text.clear();
    form.state.mainKey[i] = form.state.thirdKey[i] = decimalText(row.answer);
}

void openNumberRows(MainForm& form, const PageFiveType& type)
{
    form.openPage(5, QString::fromUtf8(type.name));
    // A new page shows the picture, unless its rows need the room.
    form.Picture8.visible = type.reach == RowsReach::BesidePicture;
    const std::array<NumberRow, 10> rows = drawRows(type, form.random());
    for (int i = 0; i < 10; ++i)
        writeRow(form, i, rows[i], type.layout);
}

void openPictureQuestion(MainForm& form)
{
    form.openPage(6, QString::fromUtf8(pictureQuestion.name));
    const int puppies = draw(form.random(), pictureQuestion.puppies.size(), pictureQuestion.puppies.least);
    const int birds = draw(form.random(), puppies - 1, 1);
    form.Picture9.items.shown = puppies;
    form.Picture10.items.shown = birds;
    form.Text8.text.clear();
    form.state.mainKey[0] = decimalText(puppies - birds);
}

} // namespace

void myframe15(MainForm& form)
{
    const QString name = form.TreeView1.selectedText();
    if (name == QString::fromUtf8(pictureQuestion.name)) {
        openPictureQuestion(form);
        return;
    }
    const auto type = std::find_if(std::begin(pageFiveTypes), std::end(pageFiveTypes),
                                   [&](const PageFiveType& t) { return name == QString::fromUtf8(t.name); });
    if (type != std::end(pageFiveTypes))
        openNumberRows(form, *type);
}

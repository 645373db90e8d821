// The fraction types of the 比例与分数 tab on page 7. Each question is two
// fractions and an operator written over three rows (numerators, bars with the
// operator, denominators); the pupil types the result in lowest terms, its
// numerator over the result bar and its denominator under it.

#include "myframe17_pages.h"

#include "fraction_arithmetic.h"
#include "main_form.h"
#include "number_text.h"
#include "question_page.h"

#include <algorithm>
#include <iterator>
#include <optional>

namespace {

using enum FractionOperation;

// Int(Rnd × n) + m: a whole number from m to m + n − 1.
struct Draw {
    int n;
    int m;
};

// One: unit fractions, 1 over the drawn denominator. Proper: any numerator
// below the denominator, drawn again until the fraction is in lowest terms.
enum class Numerators { One, Proper };

// What a question must be like, besides a positive result (a difference is
// drawn again until it is positive). A bound of 0 is no bound.
struct Rules {
    // A whole result is drawn again unless kept: a pupil would type 1 and leave
    // the lower box empty. An improper result always stays an improper fraction.
    bool keepsWholeResults = false;
    OnAPage page = OnAPage::Distinct;
    int commonDenominatorAtMost = 0;
    bool denominatorsDifferButShareAFactor = false;
    int denominatorProductAtMost = 0;
    // How many cross pairs of the product must cancel, at least: the first
    // numerator with the second denominator, the second numerator with the
    // first denominator (a quotient counts as the product by the reciprocal).
    int crossCancellations = 0;
    int resultDenominatorAtMost = 0;
};

// The six unit-fraction sums and differences the page was first made for keep
// every pair they draw, whole results and repeats included.
constexpr Rules firstScheme{.keepsWholeResults = true, .page = OnAPage::MayRepeat};

// How the first six types space their denominator row: the first denominator
// with or without its leading blank, then the blanks, then Str(b).
struct Spacing {
    bool blankBeforeFirst;
    int blanks;
};

// Draws are made for the first fraction, then the second, and both again while
// the question breaks a rule: with the redraw rules where a row gives them.
struct FractionType {
    const char* name;
    FractionOperation operation;
    Numerators numerators;
    Draw first; // the first fraction's denominator
    Draw second;
    Rules rules{};
    Draw redrawFirst{}; // {0, 0}: as the first draw
    Draw redrawSecond{};
    std::optional<Spacing> denominatorRow{}; // none: in the columns of the numerator row
};

using enum Numerators;

// 任意 types draw proper fractions in lowest terms. 加减: denominators 2..9;
// 2..24 over a common denominator of at most 60; 10..60, different but with a
// common factor, over a common denominator of at most 120. 乘除 with numerator
// 1: denominators never 1. 乘除 with any numerator train cancelling first
// (先约分): one cross pair cancels at 中等, both at 较难.
const FractionType types[] = {
    // name                    operation numerators first     second    rules        redrawn from         denominator row
    {"分子为1加法（简单）",     Add,      One,       {9, 1},   {9, 1},   firstScheme, {},       {},        Spacing{true, 9}},
    {"分子为1加法（中等）",     Add,      One,       {16, 10}, {9, 1},   firstScheme, {},       {},        Spacing{false, 8}},
    {"分子为1加法（较难）",     Add,      One,       {51, 50}, {51, 50}, firstScheme, {},       {},        Spacing{false, 7}},
    {"分子为1减法（简单）",     Subtract, One,       {9, 1},   {9, 1},   firstScheme, {9, 1},   {9, 1},    Spacing{true, 9}},
    {"分子为1减法（中等）",     Subtract, One,       {16, 10}, {16, 10}, firstScheme, {16, 10}, {16, 10},  Spacing{false, 6}},
    // A pair from 50..100 with a ≥ b is replaced by a pair from 10..25.
    {"分子为1减法（较难）",     Subtract, One,       {51, 50}, {51, 50}, firstScheme, {16, 10}, {16, 10},  Spacing{false, 7}},

    {"分子为任意加法（简单）",  Add,      Proper,    {8, 2},   {8, 2}},
    {"分子为任意加法（中等）",  Add,      Proper,    {23, 2},  {23, 2},  {.commonDenominatorAtMost = 60}},
    {"分子为任意加法（较难）",  Add,      Proper,    {51, 10}, {51, 10}, {.commonDenominatorAtMost = 120, .denominatorsDifferButShareAFactor = true}},
    {"分子为任意减法（简单）",  Subtract, Proper,    {8, 2},   {8, 2}},
    {"分子为任意减法（中等）",  Subtract, Proper,    {23, 2},  {23, 2},  {.commonDenominatorAtMost = 60}},
    {"分子为任意减法（较难）",  Subtract, Proper,    {51, 10}, {51, 10}, {.commonDenominatorAtMost = 120, .denominatorsDifferButShareAFactor = true}},

    {"分子为1乘法（简单）",     Multiply, One,       {8, 2},   {8, 2}},
    {"分子为1乘法（中等）",     Multiply, One,       {11, 2},  {11, 2}},
    {"分子为1乘法（较难）",     Multiply, One,       {16, 10}, {16, 10}, {.denominatorProductAtMost = 300}},
    {"分子为1除法（简单）",     Divide,   One,       {8, 2},   {8, 2}},
    {"分子为1除法（中等）",     Divide,   One,       {11, 2},  {11, 2}},
    {"分子为1除法（较难）",     Divide,   One,       {16, 10}, {16, 10}, {.denominatorProductAtMost = 300}},

    {"分子为任意乘法（简单）",  Multiply, Proper,    {8, 2},   {8, 2}},
    {"分子为任意乘法（中等）",  Multiply, Proper,    {19, 2},  {19, 2},  {.crossCancellations = 1}},
    {"分子为任意乘法（较难）",  Multiply, Proper,    {31, 10}, {31, 10}, {.crossCancellations = 2, .resultDenominatorAtMost = 100}},
    {"分子为任意除法（简单）",  Divide,   Proper,    {8, 2},   {8, 2}},
    {"分子为任意除法（中等）",  Divide,   Proper,    {19, 2},  {19, 2},  {.crossCancellations = 1}},
    {"分子为任意除法（较难）",  Divide,   Proper,    {31, 10}, {31, 10}, {.crossCancellations = 2, .resultDenominatorAtMost = 100}},
};

struct FractionQuestion {
    Fraction first;
    Fraction second;

    bool operator==(const FractionQuestion&) const = default;
};

Fraction drawFraction(RandomSource& random, Draw denominatorRule, Numerators numerators)
{
    const int denominator = draw(random, denominatorRule.n, denominatorRule.m);
    if (numerators == One)
        return {1, denominator};
    int numerator = draw(random, denominator - 1, 1);
    while (greatestCommonDivisor(denominator, numerator) != 1)
        numerator = draw(random, denominator - 1, 1);
    return {numerator, denominator};
}

bool sharesAFactor(long long x, long long y)
{
    return greatestCommonDivisor(x, y) > 1;
}

int crossCancellations(FractionOperation operation, Fraction first, Fraction second)
{
    if (operation == Divide)
        second = {second.denominator, second.numerator};
    else if (operation != Multiply)
        return 0;
    return int(sharesAFactor(first.numerator, second.denominator)) + int(sharesAFactor(second.numerator, first.denominator));
}

bool fits(const FractionType& type, const FractionQuestion& question)
{
    const Rules& rules = type.rules;
    const long long a = question.first.denominator;
    const long long b = question.second.denominator;
    const Fraction result = calculate(type.operation, question.first, question.second);
    auto within = [](long long value, int bound) { return bound == 0 || value <= bound; };
    return result.numerator > 0 && (rules.keepsWholeResults || !isWhole(result))
        && within(commonDenominator(a, b), rules.commonDenominatorAtMost)
        && (!rules.denominatorsDifferButShareAFactor || (a != b && sharesAFactor(a, b)))
        && within(a * b, rules.denominatorProductAtMost)
        && crossCancellations(type.operation, question.first, question.second) >= rules.crossCancellations
        && within(result.denominator, rules.resultDenominatorAtMost);
}

FractionQuestion drawQuestion(const FractionType& type, RandomSource& random)
{
    const Draw redrawFirst = type.redrawFirst.n > 0 ? type.redrawFirst : type.first;
    const Draw redrawSecond = type.redrawSecond.n > 0 ? type.redrawSecond : type.second;
    FractionQuestion question;
    question.first = drawFraction(random, type.first, type.numerators);
    question.second = drawFraction(random, type.second, type.numerators);
    while (!fits(type, question)) {
        question.first = drawFraction(random, redrawFirst, type.numerators);
        question.second = drawFraction(random, redrawSecond, type.numerators);
    }
    return question;
}

const QString resultBar = QStringLiteral("———");
// Wide enough for a four-digit denominator such as 9900 (1/99 + 1/100).
constexpr int narrowestAnswerBox = 810;
constexpr int markGap = 120;

// The bar row: a bar over each fraction, the operator between them and the
// long result bar after the equals sign.
QString barRow(FractionOperation operation)
{
    const char* sign = "";
    switch (operation) {
    case Add:
        sign = "+";
        break;
    case Subtract:
        sign = "-";
        break;
    case Multiply:
        sign = "×";
        break;
    case Divide:
        sign = "÷";
        break;
    }
    return QStringLiteral("—— ") + QString::fromUtf8(sign) + QStringLiteral(" —— = ") + resultBar;
}

// Two numbers in the columns of " 1          1", each written with Str: the
// second one's digits stand twelve characters from the start.
QString inColumns(long long first, long long second)
{
    return Str(double(first)).leftJustified(11) + Str(double(second));
}

QString denominatorRow(const FractionType& type, const FractionQuestion& question)
{
    const long long a = question.first.denominator;
    const long long b = question.second.denominator;
    if (!type.denominatorRow)
        return inColumns(a, b);
    const Spacing spacing = *type.denominatorRow;
    return (spacing.blankBeforeFirst ? Str(double(a)) : decimalText(double(a))) + QString(spacing.blanks, u' ')
        + Str(double(b));
}

// A text's width in a label's font.
int widthOf(const Label& label, const QString& text)
{
    Label probe = label;
    probe.setCaption(text);
    return probe.rect.width;
}

// The answer boxes stand over and under the result bar that ends the bar row,
// centred on it, and the mark behind them.
void placeAnswerBoxes(MainForm& form, int i)
{
    const Rect& bars = form.Label24[i].rect;
    const int barWidth = widthOf(form.Label24[i], resultBar);
    const int boxWidth = std::max(barWidth, narrowestAnswerBox);
    const int boxLeft = bars.left + bars.width - barWidth / 2 - boxWidth / 2;
    for (TextBox* box : {&form.Text9[i], &form.Text10[i]}) {
        box->rect.left = boxLeft;
        box->rect.width = boxWidth;
    }
    placeBehind(form.Label25[i].rect, form.Text9[i].rect, markGap);
}

} // namespace

bool buildFractionPage(MainForm& form, const QString& name)
{
    const auto type = std::find_if(std::begin(types), std::end(types),
                                   [&](const FractionType& t) { return name == QString::fromUtf8(t.name); });
    if (type == std::end(types))
        return false;
    form.openPage(7, name);
    const auto questions = drawQuestions<FractionQuestion>([&] { return drawQuestion(*type, form.random()); },
                                                           type->rules.page);
    for (int i = 0; i < 10; ++i) {
        const FractionQuestion& question = questions[i];
        form.Label24[i].setCaption(barRow(type->operation));
        form.Label22[i].setCaption(inColumns(question.first.numerator, question.second.numerator));
        form.Label23[i].setCaption(denominatorRow(*type, question));
        placeAnswerBoxes(form, i);
        const Fraction result = calculate(type->operation, question.first, question.second);
        form.state.mainKey[i] = decimalText(double(result.numerator));
        form.state.secondKey[i] = decimalText(double(result.denominator));
    }
    return true;
}

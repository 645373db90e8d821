// The whole-number generator of the 加减乘除 tab: ten questions on page 0.

#include "generators.h"

#include "main_form.h"
#include "number_text.h"

#include <algorithm>
#include <array>
#include <iterator>
#include <limits>
#include <span>

namespace {

enum class Operation { Add, Subtract, Multiply, Divide };

// Int(Rnd × n) + m: a whole number from m to m + n − 1.
struct Draw {
    int n;
    int m;
};

// Both ends included: the range of the number that the two draws make.
struct Made {
    long long least = 0;
    long long most = std::numeric_limits<long long>::max();
};

// MayRepeat: every question is drawn on its own, as the addition types always
// have been, so a page may show one twice (also the choice for a type with too
// few questions to fill a page). Distinct: a question the page already shows is
// drawn again, and so is a second one whose answer is 0, which keeps
// differences of 0 rare.
enum class OnAPage { MayRepeat, Distinct };

// One exercise type. Draws are made a first, then b, and both again while the
// number they make (the sum, the difference, the product; for division the
// dividend) lies outside `made`: by default a difference never goes below 0.
// Division draws the divisor a and the quotient b and shows a × b ÷ a, so it
// always comes out exactly. A redraw uses the redraw rules where a row gives
// them, the first rules otherwise.
struct WholeNumberType {
    const char* name;
    Operation operation;
    OnAPage page;
    Draw a;
    Draw b;
    Made made{};
    Draw redrawA{}; // {0, 0}: as the first draw
    Draw redrawB{};
    const char* caption = nullptr; // when not the name followed by "   填空"
};

using enum Operation;
using enum OnAPage;

// The subtraction, multiplication and division types keep the words of their
// names: "X位数" is an operand of exactly X digits (a one-digit factor or
// divisor is 2..9: × 1 and ÷ 1 belong to the times table only); "N以内" bounds
// the operands and the result, "N内" the product, "N以上" is a product of at
// least N. Their draw ranges are the narrowest that still reach every such
// question, so that few draws are wasted; their pages show distinct questions.
const WholeNumberType types[] = {
    // name                      operation page       a             b             made               redraw a, b where they differ from a, b
    {"10以内加法",               Add,      MayRepeat, {10, 0},      {10, 0},      {0, 10},           {},           {},      "10以内加法    填空"},
    // A drawn 20 never survives the redraw, since b ≥ 1; a redrawn b has one value fewer.
    {"20以内加法",               Add,      MayRepeat, {11, 10},     {21, 1},      {0, 20},           {11, 10},     {20, 1}},
    {"50以内加法",               Add,      MayRepeat, {31, 20},     {31, 0},      {0, 50}},
    {"100以内加法",              Add,      MayRepeat, {51, 50},     {51, 0},      {0, 100}},
    {"1000以内加法",             Add,      MayRepeat, {501, 500},   {501, 0},     {0, 1000}},
    {"5000以内加法",             Add,      MayRepeat, {4001, 1000}, {4001, 0},    {0, 5000}},
    {"一位数加一位数",           Add,      MayRepeat, {10, 0},      {10, 0}},
    {"两位数加一位数-简单",      Add,      MayRepeat, {41, 10},     {10, 0}},
    {"两位数加一位数-较难",      Add,      MayRepeat, {50, 50},     {10, 0}},
    {"两位数加两位数-简单",      Add,      MayRepeat, {21, 10},     {21, 10}},
    {"两位数加两位数-较难",      Add,      MayRepeat, {50, 50},     {90, 10}},
    {"三位数加两位数",           Add,      MayRepeat, {900, 100},   {90, 10}},
    {"三位数加三位数",           Add,      MayRepeat, {900, 100},   {900, 100}},
    {"四位数加四位数",           Add,      MayRepeat, {9000, 1000}, {9000, 1000}},

    // Minuends are drawn like the first operand of the like-named addition, but
    // never 0: a subtrahend is at least 1, since taking nothing away teaches nothing.
    {"10以内减法",               Subtract, Distinct,  {10, 1},      {10, 1},      {},                {},           {},      "10以内减法    填空"},
    {"20以内减法",               Subtract, Distinct,  {11, 10},     {20, 1}},
    {"50以内减法",               Subtract, Distinct,  {31, 20},     {50, 1}},
    {"100以内减法",              Subtract, Distinct,  {51, 50},     {100, 1}},
    {"1000以内减法",             Subtract, Distinct,  {501, 500},   {1000, 1}},
    {"5000以内减法",             Subtract, Distinct,  {4001, 1000}, {5000, 1}},
    {"一位数减一位数",           Subtract, Distinct,  {9, 1},       {9, 1}},
    {"两位数减一位数-简单",      Subtract, Distinct,  {41, 10},     {9, 1}},
    {"两位数减一位数-较难",      Subtract, Distinct,  {50, 50},     {9, 1}},
    {"两位数减两位数-简单",      Subtract, Distinct,  {21, 10},     {21, 10}},
    {"两位数减两位数-较难",      Subtract, Distinct,  {50, 50},     {90, 10}},
    {"三位数减两位数",           Subtract, Distinct,  {900, 100},   {90, 10}},
    {"三位数减三位数",           Subtract, Distinct,  {900, 100},   {900, 100}},
    {"四位数减四位数",           Subtract, Distinct,  {9000, 1000}, {9000, 1000}},

    // The times table, 1 included.
    {"一位数乘法",               Multiply, Distinct,  {9, 1},       {9, 1}},
    {"100内两位数乘一位数",      Multiply, Distinct,  {41, 10},     {8, 2},       {0, 100}},
    {"250内两位数乘一位数",      Multiply, Distinct,  {90, 10},     {8, 2},       {0, 250}},
    {"250内两位数乘两位数",      Multiply, Distinct,  {16, 10},     {16, 10},     {0, 250}},
    {"500内两位数乘一位数",      Multiply, Distinct,  {90, 10},     {8, 2},       {0, 500}},
    {"500内两位数乘两位数",      Multiply, Distinct,  {41, 10},     {41, 10},     {0, 500}},
    {"1000内两位数乘一位数",     Multiply, Distinct,  {90, 10},     {8, 2},       {0, 1000}},
    {"1000内两位数乘两位数",     Multiply, Distinct,  {90, 10},     {90, 10},     {0, 1000}},
    {"10000内两位数乘两位数",    Multiply, Distinct,  {90, 10},     {90, 10},     {0, 10000}},
    {"10000内三位数乘两位数",    Multiply, Distinct,  {900, 100},   {90, 10},     {0, 10000}},
    {"10000以上三位数乘两位数",  Multiply, Distinct,  {900, 100},   {90, 10},     {10000}},
    {"10000以上三位数乘三位数",  Multiply, Distinct,  {900, 100},   {900, 100},   {10000}},

    //                                                divisor       quotient      dividend
    // The times table backwards, 1 included.
    {"直用乘法口诀除法",         Divide,   Distinct,  {9, 1},       {9, 1}},
    {"两位数除一位数",           Divide,   Distinct,  {8, 2},       {48, 2},      {10, 99}},
    {"三位数除一位数",           Divide,   Distinct,  {8, 2},       {488, 12},    {100, 999}},
    {"四位数除一位数",           Divide,   Distinct,  {8, 2},       {4888, 112},  {1000, 9999}},
    // In 两位数除两位数 and 三位数除三位数 quotients start at 2: a number divided
    // by itself would be half of their questions.
    {"两位数除两位数",           Divide,   Distinct,  {40, 10},     {8, 2},       {10, 99}},
    {"三位数除两位数",           Divide,   Distinct,  {90, 10},     {98, 2},      {100, 999}},
    {"四位数除两位数",           Divide,   Distinct,  {90, 10},     {989, 11},    {1000, 9999}},
    {"五位数除两位数",           Divide,   Distinct,  {90, 10},     {9898, 102},  {10000, 99999}},
    {"三位数除三位数",           Divide,   Distinct,  {400, 100},   {8, 2},       {100, 999}},
    {"四位数除三位数",           Divide,   Distinct,  {900, 100},   {98, 2},      {1000, 9999}},
    {"五位数除三位数",           Divide,   Distinct,  {900, 100},   {989, 11},    {10000, 99999}},
    {"六位数除三位数",           Divide,   Distinct,  {900, 100},   {9899, 101},  {100000, 999999}},
};

// Enough tries for a type of a few dozen questions to fill its page without a
// repeat; few enough that a source which keeps repeating itself cannot hold
// the page up.
constexpr int triesForADistinctQuestion = 100;

struct Question {
    QString text;
    QString key;
};

using Page = std::array<Question, 10>;

int drawFrom(RandomSource& random, Draw rule)
{
    return draw(random, rule.n, rule.m);
}

long long numberMade(Operation operation, long long a, long long b)
{
    switch (operation) {
    case Add:
        return a + b;
    case Subtract:
        return a - b;
    case Multiply:
    case Divide:
        return a * b;
    }
    return 0;
}

bool fits(const WholeNumberType& type, long long a, long long b)
{
    const long long made = numberMade(type.operation, a, b);
    return made >= type.made.least && made <= type.made.most;
}

Question drawQuestion(const WholeNumberType& type, RandomSource& random)
{
    long long a = drawFrom(random, type.a);
    long long b = drawFrom(random, type.b);
    const Draw redrawA = type.redrawA.n > 0 ? type.redrawA : type.a;
    const Draw redrawB = type.redrawB.n > 0 ? type.redrawB : type.b;
    while (!fits(type, a, b)) {
        a = drawFrom(random, redrawA);
        b = drawFrom(random, redrawB);
    }
    auto question = [](long long left, const char* op, long long right) {
        return Str(left) + QString::fromUtf8(op) + Str(right) + QStringLiteral(" = (");
    };
    switch (type.operation) {
    case Add:
        return {question(a, "  + ", b), decimalText(a + b)};
    case Subtract:
        return {question(a, "  - ", b), decimalText(a - b)};
    case Multiply:
        return {question(a, "  × ", b), decimalText(a * b)};
    case Divide:
        return {question(a * b, "  ÷ ", a), decimalText(b)};
    }
    return {};
}

// Whether a page of distinct questions, holding `earlier`, must not take `question`.
bool clashes(const Question& question, std::span<const Question> earlier)
{
    const bool answersZero = question.key == QLatin1String("0");
    return std::any_of(earlier.begin(), earlier.end(), [&](const Question& shown) {
        return shown.text == question.text || (answersZero && shown.key == question.key);
    });
}

Page drawPage(const WholeNumberType& type, RandomSource& random)
{
    Page page;
    for (std::size_t i = 0; i < page.size(); ++i) {
        const std::span<const Question> earlier(page.data(), i);
        page[i] = drawQuestion(type, random);
        for (int tries = 1; type.page == Distinct && tries < triesForADistinctQuestion && clashes(page[i], earlier);
             ++tries)
            page[i] = drawQuestion(type, random);
    }
    return page;
}

QString pageCaption(const WholeNumberType& type)
{
    return type.caption ? QString::fromUtf8(type.caption) : QString::fromUtf8(type.name) + QStringLiteral("   填空");
}

} // namespace

void myframe0(MainForm& form)
{
    const QString name = form.TreeView1.selectedText();
    const auto type = std::find_if(std::begin(types), std::end(types),
                                   [&](const WholeNumberType& t) { return name == QString::fromUtf8(t.name); });
    if (type == std::end(types))
        return;
    form.openPage(0, pageCaption(*type));
    const Page page = drawPage(*type, form.random());
    for (int i = 0; i < 10; ++i) {
        form.Label33[i].setCaption(page[i].text);
        form.Label34[i].setCaption(QStringLiteral(")"));
        form.state.mainKey[i] = page[i].key;
        placeBehind(form.Text1[i].rect, form.Label33[i].rect);
        placeBehind(form.Label34[i].rect, form.Text1[i].rect);
    }
}

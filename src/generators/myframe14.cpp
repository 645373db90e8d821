// The decimal generator of the 小数运算 tab: ten questions on page 4, with
// operands of one decimal place.

#include "generators.h"

#include "decimal_keys.h"
#include "main_form.h"
#include "number_text.h"

#include <algorithm>
#include <iterator>

namespace {

enum class Operation { Add, Subtract, Multiply, Divide };

// D(n, m), DrawOneDecimal: a one-decimal number from m.0 to (m + n).0.
struct Draw {
    int n;
    int m;
};

// When a and b are drawn again, tested on their values in double precision.
struct RedrawWhile {
    enum Test { Never, SumAbove, BAboveA, ProductAbove } test = Never;
    double bound = 0;
};

constexpr RedrawWhile never{};
constexpr RedrawWhile bAboveA{RedrawWhile::BAboveA};
constexpr RedrawWhile sumAbove(double bound) { return {RedrawWhile::SumAbove, bound}; }
constexpr RedrawWhile productAbove(double bound) { return {RedrawWhile::ProductAbove, bound}; }

// How the key is written (decimal_keys.h): the shortest text of the sum or
// product, "0" or one decimal for a difference, the quotient as drawn.
enum class KeyForm { Shortest, ZeroOrOneDecimal, DrawnQuotient };

// One exercise type: a is drawn first, then b, and both again, with the
// redraw rules where a row gives them, while the redraw condition holds.
// Division draws the divisor a and the quotient b and shows a × b ÷ a, so it
// always comes out exactly.
struct DecimalType {
    const char* name;
    const char* caption; // asName: the name itself
    Operation operation;
    KeyForm key;
    Draw a;
    Draw b;
    RedrawWhile redraw;
    Draw redrawA{}; // {0, 0}: as the first draw
    Draw redrawB{};
};

constexpr const char* asName = nullptr;

using enum Operation;
using enum KeyForm;

const DecimalType types[] = {
    // name                      caption                       operation key              a             b             redraw while       redraw a, b where they differ
    {"10以内加法",               "10以内加法",                 Add,      Shortest,         {10, 1},      {10, 1},      sumAbove(10)},
    {"20以内加法",               "小数20以内加法",             Add,      Shortest,         {11, 10},     {20, 1},      sumAbove(20)},
    {"50以内加法",               "小数50以内加法",             Add,      Shortest,         {31, 20},     {50, 1},      sumAbove(50)},
    // A redrawn a starts at 50.0, no longer at 40.0.
    {"100以内加法",              "小数100以内加法",            Add,      Shortest,         {61, 40},     {100, 1},     sumAbove(100),     {51, 50}},
    {"500以内加法",              "小数500以内加法",            Add,      Shortest,         {401, 100},   {500, 1},     sumAbove(500)},
    // A redrawn b reaches only 101.0, no longer 1001.0.
    {"1000以内加法",             "小数1000以内加法",           Add,      Shortest,         {501, 500},   {1000, 1},    sumAbove(1000),    {},           {100, 1}},
    {"5000以内加法",             "小数5000以内加法",           Add,      Shortest,         {4001, 1000}, {5000, 1},    sumAbove(5000)},
    {"一位数加一位数",           "小数一位数加一位数",         Add,      Shortest,         {9, 1},       {9, 1},       never},
    {"两位数加一位数（容易）",   "小数两位数加一位数（容易）", Add,      Shortest,         {41, 10},     {9, 1},       never},
    {"两位数加一位数（较难）",   "小数两位数加一位数（较难）", Add,      Shortest,         {50, 50},     {9, 1},       never},
    {"两位数加两位数（容易）",   "小数两位数加两位数（容易）", Add,      Shortest,         {41, 10},     {41, 10},     never},
    {"两位数加两位数（较难）",   "小数两位数加两位数（较难）", Add,      Shortest,         {50, 50},     {80, 20},     never},
    {"三位数加两位数",           "小数三位数加两位数",         Add,      Shortest,         {900, 100},   {90, 10},     never},
    {"三位数加三位数",           "小数三位数加三位数",         Add,      Shortest,         {900, 100},   {900, 100},   never},
    {"四位数加四位数",           "小数四位数加四位数",         Add,      Shortest,         {9000, 1000}, {9000, 1000}, never},

    // a is the minuend, b the subtrahend; equal operands are allowed.
    {"10以内减法",               asName,                       Subtract, ZeroOrOneDecimal, {9, 1},       {9, 1},       bAboveA},
    {"20以内减法",               asName,                       Subtract, ZeroOrOneDecimal, {10, 10},     {19, 1},      bAboveA},
    {"50以内减法",               asName,                       Subtract, ZeroOrOneDecimal, {40, 10},     {49, 1},      bAboveA},
    {"100以内减法",              asName,                       Subtract, ZeroOrOneDecimal, {50, 50},     {99, 1},      bAboveA},
    {"500以内减法",              asName,                       Subtract, ZeroOrOneDecimal, {400, 100},   {499, 1},     bAboveA},
    {"1000以内减法",             asName,                       Subtract, ZeroOrOneDecimal, {500, 500},   {999, 1},     bAboveA},
    {"5000以内减法",             asName,                       Subtract, ZeroOrOneDecimal, {4000, 1000}, {4999, 1},    bAboveA},
    {"一位数减一位数",           asName,                       Subtract, ZeroOrOneDecimal, {9, 1},       {9, 1},       bAboveA},
    // Never redrawn: a is at least 10.0, b at most 10.0.
    {"两位数减一位数（容易）",   asName,                       Subtract, ZeroOrOneDecimal, {41, 10},     {9, 1},       bAboveA},
    {"两位数减一位数（较难）",   asName,                       Subtract, ZeroOrOneDecimal, {50, 50},     {9, 1},       bAboveA},
    {"两位数减两位数（容易）",   asName,                       Subtract, ZeroOrOneDecimal, {40, 10},     {41, 10},     bAboveA},
    {"两位数减两位数（较难）",   asName,                       Subtract, ZeroOrOneDecimal, {50, 50},     {90, 10},     bAboveA},
    {"三位数减两位数",           asName,                       Subtract, ZeroOrOneDecimal, {900, 100},   {90, 10},     bAboveA},
    {"三位数减三位数",           asName,                       Subtract, ZeroOrOneDecimal, {900, 100},   {900, 100},   bAboveA},
    {"四位数减四位数",           asName,                       Subtract, ZeroOrOneDecimal, {9000, 1000}, {9000, 1000}, bAboveA},

    {"一位数乘法",               asName,                       Multiply, Shortest,         {9, 1},       {9, 1},       never},
    {"100内两位数乘一位数",      asName,                       Multiply, Shortest,         {90, 10},     {9, 1},       productAbove(100)},
    // Where the first factor starts as D(50, 50), every redraw draws it from 10.0 on.
    {"250内两位数乘一位数",      asName,                       Multiply, Shortest,         {50, 50},     {9, 1},       productAbove(250),  {90, 10}},
    {"250内两位数乘两位数",      asName,                       Multiply, Shortest,         {50, 50},     {90, 10},     productAbove(250),  {90, 10}},
    {"500内两位数乘一位数",      asName,                       Multiply, Shortest,         {50, 50},     {9, 1},       productAbove(500),  {90, 10}},
    {"500内两位数乘两位数",      asName,                       Multiply, Shortest,         {50, 50},     {90, 10},     productAbove(500),  {90, 10}},
    // At most 100.0 × 10.0: no redraw needed.
    {"1000内两位数乘一位数",     asName,                       Multiply, Shortest,         {50, 50},     {9, 1},       never},
    {"1000内两位数乘两位数",     asName,                       Multiply, Shortest,         {50, 50},     {90, 10},     productAbove(1000), {90, 10}},
    {"5000内两位数乘两位数",     asName,                       Multiply, Shortest,         {50, 50},     {50, 50},     productAbove(5000)},
    {"5000内三位数乘两位数",     asName,                       Multiply, Shortest,         {900, 100},   {90, 10},     productAbove(5000)},
    {"5000内三位数乘一位数",     asName,                       Multiply, Shortest,         {900, 100},   {9, 1},       productAbove(5000)},
    {"10000内两位数乘两位数",    asName,                       Multiply, Shortest,         {90, 10},     {90, 10},     productAbove(10000)},
    {"10000内三位数乘两位数",    asName,                       Multiply, Shortest,         {900, 100},   {90, 10},     productAbove(10000)},
    // No lower bound: 100.0 × 50.0 can occur.
    {"10000以上三位数乘两位数",  asName,                       Multiply, Shortest,         {900, 100},   {50, 50},     never},
    {"10000以上三位数乘三位数",  asName,                       Multiply, Shortest,         {900, 200},   {900, 100},   never},

    //                                                                                     divisor       quotient
    {"直用乘法口诀除法",         asName,                       Divide,   DrawnQuotient,    {9, 1},       {9, 1},       never},
    {"两位数除一位数",           asName,                       Divide,   DrawnQuotient,    {6, 5},       {9, 1},       never},
    {"三位数除一位数",           asName,                       Divide,   DrawnQuotient,    {8, 2},       {50, 50},     never},
    {"四位数除一位数",           asName,                       Divide,   DrawnQuotient,    {8, 2},       {500, 500},   never},
    // A divisor from 10.0 to 11.0.
    {"两位数除两位数",           asName,                       Divide,   DrawnQuotient,    {1, 10},      {7, 2},       never},
    {"三位数除两位数",           asName,                       Divide,   DrawnQuotient,    {50, 50},     {8, 2},       never},
    {"四位数除两位数",           asName,                       Divide,   DrawnQuotient,    {65, 35},     {65, 35},     never},
    {"五位数除两位数",           asName,                       Divide,   DrawnQuotient,    {80, 20},     {500, 500},   never},
    {"三位数除三位数",           asName,                       Divide,   DrawnQuotient,    {201, 100},   {3, 1},       never},
    {"四位数除三位数",           asName,                       Divide,   DrawnQuotient,    {101, 100},   {40, 10},     never},
    {"五位数除三位数",           asName,                       Divide,   DrawnQuotient,    {600, 400},   {75, 25},     never},
    {"六位数除三位数",           asName,                       Divide,   DrawnQuotient,    {500, 500},   {800, 200},   never},
};

// A drawn operand. Its text, as drawn, is what the key of a quotient shows;
// the question and the arithmetic use its value.
struct Operand {
    QString text;
    double value;
};

struct Question {
    QString text;
    QString key;
};

Operand drawOperand(RandomSource& random, Draw rule)
{
    QString text = DrawOneDecimal(random, rule.n, rule.m);
    const double value = text.toDouble();
    return {std::move(text), value};
}

// The sum, the difference or the product; for division the dividend.
double numberMade(Operation operation, double a, double b)
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

bool mustRedraw(RedrawWhile redraw, const Operand& a, const Operand& b)
{
    switch (redraw.test) {
    case RedrawWhile::Never:
        return false;
    case RedrawWhile::SumAbove:
        return a.value + b.value > redraw.bound;
    case RedrawWhile::BAboveA:
        return b.value > a.value;
    case RedrawWhile::ProductAbove:
        return a.value * b.value > redraw.bound;
    }
    return false;
}

QString questionText(Operation operation, const Operand& a, const Operand& b)
{
    auto question = [](double left, char16_t sign, double right) {
        return Str(left) + QChar(sign) + Str(right) + QStringLiteral("=（");
    };
    switch (operation) {
    case Add:
        return question(a.value, u'+', b.value);
    case Subtract:
        return question(a.value, u'-', b.value);
    case Multiply:
        return question(a.value, u'×', b.value);
    case Divide:
        return question(numberMade(Divide, a.value, b.value), u'÷', a.value);
    }
    return {};
}

QString keyText(const DecimalType& type, const Operand& a, const Operand& b)
{
    switch (type.key) {
    case Shortest:
        return sumOrProductKey(numberMade(type.operation, a.value, b.value));
    case ZeroOrOneDecimal:
        return differenceKey(numberMade(type.operation, a.value, b.value));
    case DrawnQuotient:
        return quotientKey(b.text);
    }
    return {};
}

Question drawQuestion(const DecimalType& type, RandomSource& random)
{
    Operand a = drawOperand(random, type.a);
    Operand b = drawOperand(random, type.b);
    const Draw redrawA = type.redrawA.n > 0 ? type.redrawA : type.a;
    const Draw redrawB = type.redrawB.n > 0 ? type.redrawB : type.b;
    while (mustRedraw(type.redraw, a, b)) {
        a = drawOperand(random, redrawA);
        b = drawOperand(random, redrawB);
    }
    return {questionText(type.operation, a, b), keyText(type, a, b)};
}

} // namespace

void myframe14(MainForm& form)
{
    const QString name = form.TreeView1.selectedText();
    const auto type = std::find_if(std::begin(types), std::end(types),
                                   [&](const DecimalType& t) { return name == QString::fromUtf8(t.name); });
    if (type == std::end(types))
        return;
    form.openPage(4, QString::fromUtf8(type->caption ? type->caption : type->name));
    // The keys mix forms (a whole sum is 9, a whole difference 3.0, a quotient
    // 10.0), so any plain numeral of the key's value is right: 3 for 3.0, 9.0 for 9.
    form.state.answerForms.fill(AnswerForm::DecimalValue);
    for (int i = 0; i < 10; ++i) {
        const Question question = drawQuestion(*type, form.random());
        form.Label12[i].setCaption(question.text);
        placeBehind(form.Text6[i].rect, form.Label12[i].rect);
        placeBehind(form.Label14[i].rect, form.Text6[i].rect);
        form.Label14[i].setCaption(QStringLiteral("）"));
        form.state.mainKey[i] = question.key;
    }
}

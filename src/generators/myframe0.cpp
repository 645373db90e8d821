// The whole-number generator of the 加减乘除 tab: ten questions on page 0.

#include "generators.h"

#include "main_form.h"
#include "number_text.h"

#include <algorithm>
#include <iterator>

namespace {

enum class Operation { Add, Subtract, Multiply, Divide };

// Int(Rnd × n) + m: a whole number from m to m + n − 1.
struct Draw {
    int n;
    int m;
};

// One exercise type. Draws are made a first, then b. Addition and
// multiplication redraw both while the result is above `bound` (0: no bound);
// subtraction redraws both while b > a; division draws the divisor a and the
// quotient b and shows a × b ÷ a, so it always comes out exactly. A redraw uses
// the redraw rules where a row gives them, the first rules otherwise.
struct WholeNumberType {
    const char* name;
    Operation operation;
    Draw a;
    Draw b;
    int bound = 0;
    Draw redrawA{}; // {0, 0}: as the first draw
    Draw redrawB{};
    const char* caption = nullptr; // when not the name followed by "   填空"
};

using enum Operation;

const WholeNumberType types[] = {
    // name                     operation  a             b             bound  redraw a, b where they differ from a, b
    {"10以内加法",               Add,      {10, 0},      {10, 0},      10,    {},           {},      "10以内加法    填空"},
    // A drawn 20 never survives the redraw, since b ≥ 1; a redrawn b has one value fewer.
    {"20以内加法",               Add,      {11, 10},     {21, 1},      20,    {11, 10},     {20, 1}},
    {"50以内加法",               Add,      {31, 20},     {31, 0},      50},
    {"100以内加法",              Add,      {51, 50},     {51, 0},      100},
    {"1000以内加法",             Add,      {501, 500},   {501, 0},     1000},
    {"5000以内加法",             Add,      {4001, 1000}, {4001, 0},    5000},
    {"一位数加一位数",           Add,      {10, 0},      {10, 0}},
    {"两位数加一位数-简单",      Add,      {41, 10},     {10, 0}},
    {"两位数加一位数-较难",      Add,      {50, 50},     {10, 0}},
    {"两位数加两位数-简单",      Add,      {21, 10},     {21, 10}},
    {"两位数加两位数-较难",      Add,      {50, 50},     {90, 10}},
    {"三位数加两位数",           Add,      {900, 100},   {90, 10}},
    {"三位数加三位数",           Add,      {900, 100},   {900, 100}},
    {"四位数加四位数",           Add,      {9000, 1000}, {9000, 1000}},

    {"10以内减法",               Subtract, {9, 1},       {9, 1},       0,     {},           {},      "10以内减法    填空"},
    {"20以内减法",               Subtract, {10, 10},     {19, 1}},
    {"50以内减法",               Subtract, {40, 10},     {49, 1}},
    {"100以内减法",              Subtract, {50, 50},     {99, 1}},
    {"1000以内减法",             Subtract, {500, 500},   {999, 1}},
    {"5000以内减法",             Subtract, {4000, 1000}, {4999, 1}},
    {"一位数减一位数",           Subtract, {9, 1},       {9, 1}},
    {"两位数减一位数-简单",      Subtract, {41, 10},     {9, 1}},
    {"两位数减一位数-较难",      Subtract, {50, 50},     {9, 1}},
    {"两位数减两位数-简单",      Subtract, {40, 10},     {41, 10}},
    {"两位数减两位数-较难",      Subtract, {50, 50},     {90, 10}},
    {"三位数减两位数",           Subtract, {900, 100},   {90, 10}},
    {"三位数减三位数",           Subtract, {900, 100},   {900, 100}},
    {"四位数减四位数",           Subtract, {9000, 1000}, {9000, 1000}},

    {"一位数乘法",               Multiply, {9, 1},       {9, 1}},
    {"100内两位数乘一位数",      Multiply, {90, 10},     {9, 1},       100},
    {"250内两位数乘一位数",      Multiply, {50, 50},     {9, 1},       250,   {90, 10},     {9, 1}},
    {"250内两位数乘两位数",      Multiply, {50, 50},     {90, 10},     250,   {90, 10},     {90, 10}},
    {"500内两位数乘一位数",      Multiply, {50, 50},     {9, 1},       500,   {90, 10},     {9, 1}},
    {"500内两位数乘两位数",      Multiply, {50, 50},     {90, 10},     500,   {90, 10},     {90, 10}},
    {"1000内两位数乘一位数",     Multiply, {50, 50},     {9, 1}},
    {"1000内两位数乘两位数",     Multiply, {50, 50},     {90, 10},     1000,  {90, 10},     {90, 10}},
    {"10000内两位数乘两位数",    Multiply, {90, 10},     {90, 10},     10000},
    {"10000内三位数乘两位数",    Multiply, {900, 100},   {90, 10},     10000},
    {"10000以上三位数乘两位数",  Multiply, {900, 100},   {50, 50}},
    {"10000以上三位数乘三位数",  Multiply, {900, 200},   {900, 100}},

    //                                     divisor       quotient
    {"直用乘法口诀除法",         Divide,   {9, 1},       {9, 1}},
    {"两位数除一位数",           Divide,   {6, 5},       {9, 1}},
    {"三位数除一位数",           Divide,   {8, 2},       {50, 50}},
    {"四位数除一位数",           Divide,   {8, 2},       {500, 500}},
    {"两位数除两位数",           Divide,   {1, 10},      {7, 2}},
    {"三位数除两位数",           Divide,   {50, 50},     {8, 2}},
    {"四位数除两位数",           Divide,   {65, 35},     {65, 35}},
    {"五位数除两位数",           Divide,   {80, 20},     {500, 500}},
    {"三位数除三位数",           Divide,   {201, 100},   {3, 1}},
    {"四位数除三位数",           Divide,   {101, 100},   {40, 10}},
    {"五位数除三位数",           Divide,   {600, 400},   {75, 25}},
    {"六位数除三位数",           Divide,   {500, 500},   {800, 200}},
};

struct Question {
    QString text;
    QString key;
};

int drawFrom(RandomSource& random, Draw rule)
{
    return draw(random, rule.n, rule.m);
}

bool needsRedraw(const WholeNumberType& type, long long a, long long b)
{
    switch (type.operation) {
    case Add:
        return type.bound > 0 && a + b > type.bound;
    case Subtract:
        return b > a;
    case Multiply:
        return type.bound > 0 && a * b > type.bound;
    case Divide:
        return false;
    }
    return false;
}

Question drawQuestion(const WholeNumberType& type, RandomSource& random)
{
    long long a = drawFrom(random, type.a);
    long long b = drawFrom(random, type.b);
    const Draw redrawA = type.redrawA.n > 0 ? type.redrawA : type.a;
    const Draw redrawB = type.redrawB.n > 0 ? type.redrawB : type.b;
    while (needsRedraw(type, a, b)) {
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
    for (int i = 0; i < 10; ++i) {
        const Question question = drawQuestion(*type, form.random());
        form.Label33[i].setCaption(question.text);
        form.Label34[i].setCaption(QStringLiteral(")"));
        form.state.mainKey[i] = question.key;
        placeBehind(form.Text1[i].rect, form.Label33[i].rect);
        placeBehind(form.Label34[i].rect, form.Text1[i].rect);
    }
}

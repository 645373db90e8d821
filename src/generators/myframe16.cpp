// The generator of the 四则运算 tab: chained additions and subtractions of four
// numbers, mixed operations and equations, ten questions on page 2. Every page
// raises the check flag, so that page 2's submit marks it with its plain
// marks, without a unit.

#include "generators.h"

#include "main_form.h"
#include "number_text.h"
#include "operations_page.h"
#include "practice_pages.h"
#include "random_source.h"

#include <algorithm>
#include <array>
#include <iterator>

namespace {

// Int(Rnd × n) + m: a whole number from m to m + n − 1.
struct Draw {
    int n;
    int m;
};

// The three separators between a, b, c and d. Their blanks are part of the
// question as the pupil has always seen it, odd ones included.
using Separators = std::array<const char*, 3>;

const Separators plusThreeTimes = {" + ", " + ", " + "};
const Separators minusThreeTimes = {" - ", " - ", " - "};
// The mixed forms, two questions of each in this order down the page.
const std::array<Separators, 5> mixedForms = {{
    {" + ", " + ", " - "},
    {" + ", "  - ", " - "},
    {" + ", "  - ", "+ "},
    {"  - ", " + ", "+ "},
    {"  - ", " + ", "  - "},
}};

enum class Signs { Plus, Minus, MixedByItem };

// One exercise type: four numbers drawn a, b, c, d in this order, never redrawn.
// The ranges keep every step of every question at least 1.
struct ChainedType {
    const char* name;
    Draw a, b, c, d;
    Signs signs;
};

using enum Signs;

const ChainedType types[] = {
    // name                  a            b           c           d
    {"连加运算（简单）",     {9, 1},      {9, 1},     {9, 1},     {9, 1},     Plus},
    {"连加运算（中等）",     {11, 10},    {11, 10},   {11, 10},   {11, 10},   Plus},
    {"连加运算（较难）",     {51, 10},    {51, 10},   {21, 100},  {21, 100},  Plus},
    {"连减运算（简单）",     {8, 28},     {9, 1},     {9, 1},     {9, 1},     Minus},
    {"连减运算（中等）",     {20, 151},   {100, 1},   {30, 1},    {20, 1},    Minus},
    {"连减运算（较难）",     {50, 451},   {51, 100},  {51, 100},  {51, 100},  Minus},
    {"加减混合运算（简单）", {9, 22},     {7, 1},     {7, 1},     {7, 1},     MixedByItem},
    {"加减混合运算（中等）", {20, 61},    {11, 10},   {11, 10},   {11, 10},   MixedByItem},
    // A start of 200 or more cannot be used up by three numbers below 100.
    {"加减混合运算（较难）", {301, 200},  {90, 10},   {90, 10},   {90, 10},   MixedByItem},
};

const Separators& separatorsOf(Signs signs, std::size_t item)
{
    switch (signs) {
    case Plus:
        return plusThreeTimes;
    case Minus:
        return minusThreeTimes;
    case MixedByItem:
        break;
    }
    return mixedForms[item / 2];
}

Question drawQuestion(const ChainedType& type, std::size_t item, RandomSource& random)
{
    const std::array<int, 4> numbers = {draw(random, type.a.n, type.a.m), draw(random, type.b.n, type.b.m),
                                        draw(random, type.c.n, type.c.m), draw(random, type.d.n, type.d.m)};
    const Separators& separators = separatorsOf(type.signs, item);
    QString text = Str(numbers[0]);
    int value = numbers[0];
    for (std::size_t i = 0; i < separators.size(); ++i) {
        const QString separator = QString::fromUtf8(separators[i]);
        text += separator + Str(numbers[i + 1]);
        value += separator.contains(u'+') ? numbers[i + 1] : -numbers[i + 1];
    }
    return {text + QStringLiteral(" = ("), decimalText(value)};
}

PageDrawer chainedPage(const QString& name)
{
    const auto type = std::find_if(std::begin(types), std::end(types),
                                   [&](const ChainedType& t) { return name == QString::fromUtf8(t.name); });
    if (type == std::end(types))
        return {};
    return [type](RandomSource& random) {
        QuestionPage page;
        for (std::size_t i = 0; i < page.size(); ++i)
            page[i] = drawQuestion(*type, i, random);
        return page;
    };
}

} // namespace

void myframe16(MainForm& form)
{
    const QString name = form.TreeView1.selectedText();
    PageDrawer drawPage = chainedPage(name);
    if (!drawPage)
        drawPage = equationOrMixedPage(name);
    if (!drawPage)
        return;
    form.openPage(2, name);
    form.Label32.setCaption(QStringLiteral("1"));
    const QuestionPage page = drawPage(form.random());
    for (int i = 0; i < 10; ++i) {
        form.state.mainKey[i] = page[i].key;
        form.Label5[i].setCaption(page[i].text);
        form.Label6[i].setCaption(QStringLiteral(")"));
        PlaceAnswerBox(form, i, 0);
    }
}

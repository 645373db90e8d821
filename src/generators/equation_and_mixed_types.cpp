// The equations and the mixed operations of the 四则运算 tab, each type a row of
// forms written with letters: the page shows each form with drawn numbers in
// place of the letters, and the key is worked out from the form itself, so a
// key always answers the question shown.

#include "operations_page.h"

#include "form_arithmetic.h"
#include "number_text.h"
#include "random_source.h"

#include <algorithm>
#include <iterator>
#include <limits>
#include <vector>

namespace {

// A letter's number: a whole number from least to most, multiplied by the
// numbers of the letters in `times` (drawn before it). A dividend made so is
// divisible by construction: "a ÷ b" with a = b × 2..9.
struct Letter {
    char name;
    int least;
    int most;
    const char* times = "";
};

// Forms that share one draw of their letters. A form with x is the left side
// of an equation, "x + a" reading "x + 15 = 42，x = (" with x as the key; any
// other form is worked out, "a + b × c" reading "36 + 4 × 7 = (". The two forms
// of a mixed operation show the same numbers without and with brackets, one
// below the other, since that contrast is what teaches the order of operations.
struct Group {
    std::vector<const char*> forms;
    std::vector<Letter> letters; // drawn in this order
};

// TimesTable: every product and every quotient is one of the times table, both
// factors (divisor and quotient) at most 9.
enum class Factors { Any, TimesTable };

// Whatever the draws give is redrawn, all letters anew, until every step of
// every form of the group comes out at least 1 and at most `most`, within the
// times table where the row asks for it, and the forms of a group differ in
// their answers. So no number on the way is ever negative or 0.
struct LetteredType {
    const char* name;
    long long most;
    Factors factors;
    std::vector<Group> groups; // taken in turn down the page
};

constexpr long long unbounded = std::numeric_limits<long long>::max();

using enum Factors;

// Equations: the solution x is drawn first and is at least 1 (for x ÷ a, x is
// made a multiple of a, so the quotient stays whole).
const LetteredType types[] = {
    {"方程运算1（简单）", 100, Any, {
        {{"x + a"}, {{'x', 1, 99}, {'a', 1, 99}}}}},
    {"方程运算1（较难）", 999, Any, {
        {{"x + a"}, {{'x', 100, 899}, {'a', 100, 899}}},
        {{"a + x"}, {{'x', 100, 899}, {'a', 100, 899}}}}},
    {"方程运算2（简单）", unbounded, Any, {
        {{"x - a"}, {{'x', 2, 100}, {'a', 1, 99}}}}},
    {"方程运算2（较难）", unbounded, Any, {
        {{"a - x"}, {{'x', 1, 99}, {'a', 2, 100}}}}},
    {"方程运算3（简单）", unbounded, Any, {
        {{"ax"}, {{'x', 2, 12}, {'a', 2, 9}}}}},
    {"方程运算3（较难）", unbounded, Any, {
        {{"ax"}, {{'x', 2, 40}, {'a', 11, 25}}}}},
    {"方程运算4（简单）", unbounded, Any, {
        {{"x ÷ a"}, {{'a', 2, 9}, {'x', 2, 12, "a"}}}}},
    {"方程运算4（较难）", unbounded, Any, {
        {{"ax + b"}, {{'x', 2, 20}, {'a', 2, 9}, {'b', 1, 50}}},
        {{"ax - b"}, {{'x', 2, 20}, {'a', 2, 9}, {'b', 1, 50}}}}},

    // Mixed operations. 简单: two operations in the times table, nothing above
    // 100. 中等: two operations on two-digit numbers. 较难: three operations.
    {"加减乘混合运算（简单）", 100, TimesTable, {
        {{"a + b × c", "(a + b) × c"}, {{'a', 1, 7}, {'b', 2, 8}, {'c', 2, 9}}},
        {{"a × b - c", "a × (b - c)"}, {{'a', 2, 9}, {'b', 2, 9}, {'c', 1, 8}}},
        {{"a × b + c", "a × (b + c)"}, {{'a', 2, 9}, {'b', 2, 8}, {'c', 1, 7}}}}},
    {"加减乘混合运算（中等）", 999, Any, {
        {{"a + b × c", "(a + b) × c"}, {{'a', 10, 99}, {'b', 2, 9}, {'c', 2, 9}}},
        {{"a - b × c", "(a - b) × c"}, {{'a', 20, 99}, {'b', 2, 9}, {'c', 2, 9}}},
        {{"a × b + c", "a × (b + c)"}, {{'a', 2, 9}, {'b', 10, 60}, {'c', 10, 49}}},
        {{"a × b - c", "a × (b - c)"}, {{'a', 2, 9}, {'b', 20, 99}, {'c', 10, 89}}}}},
    {"加减乘混合运算（较难）", 2000, Any, {
        {{"a + b × c - d", "(a + b) × c - d"}, {{'a', 10, 60}, {'b', 2, 9}, {'c', 2, 9}, {'d', 10, 60}}},
        {{"a - b × c + d", "(a - b) × (c + d)"}, {{'a', 20, 99}, {'b', 2, 9}, {'c', 2, 9}, {'d', 2, 9}}},
        {{"a × b + c × d", "a × (b + c) × d"}, {{'a', 2, 9}, {'b', 10, 30}, {'c', 2, 9}, {'d', 2, 5}}},
        {{"a × b - c × d", "a × (b - c) × d"}, {{'a', 2, 9}, {'b', 20, 50}, {'c', 2, 9}, {'d', 2, 5}}},
        {{"a + b × c + d", "(a + b) × (c + d)"}, {{'a', 10, 50}, {'b', 2, 9}, {'c', 2, 9}, {'d', 2, 9}}}}},
    {"加减乘除混合运算（简单）", 100, TimesTable, {
        {{"a + b ÷ c", "(a + b) ÷ c"}, {{'c', 2, 9}, {'a', 1, 8, "c"}, {'b', 1, 8, "c"}}},
        {{"a + b × c", "(a + b) × c"}, {{'a', 1, 7}, {'b', 2, 8}, {'c', 2, 9}}},
        {{"a - b ÷ c", "(a - b) ÷ c"}, {{'c', 2, 9}, {'a', 2, 9, "c"}, {'b', 1, 8, "c"}}},
        {{"a × b - c", "a × (b - c)"}, {{'a', 2, 9}, {'b', 2, 9}, {'c', 1, 8}}}}},
    {"加减乘除混合运算（中等）", 999, Any, {
        {{"a + b ÷ c", "(a + b) ÷ c"}, {{'c', 2, 9}, {'a', 5, 11, "c"}, {'b', 5, 11, "c"}}},
        {{"a × b - c", "a × (b - c)"}, {{'a', 2, 9}, {'b', 20, 99}, {'c', 10, 89}}},
        {{"a - b ÷ c", "(a - b) ÷ c"}, {{'c', 2, 9}, {'a', 6, 11, "c"}, {'b', 5, 10, "c"}}},
        {{"a + b × c", "(a + b) × c"}, {{'a', 10, 99}, {'b', 2, 9}, {'c', 2, 9}}},
        {{"a ÷ b × c", "a ÷ (b × c)"}, {{'b', 2, 4}, {'c', 2, 4}, {'a', 3, 6, "bc"}}}}},
    {"加减乘除混合运算（较难）", 2000, Any, {
        {{"a × b + c ÷ d", "a × (b + c) ÷ d"}, {{'a', 2, 9}, {'d', 2, 9}, {'b', 2, 9, "d"}, {'c', 2, 9, "d"}}},
        {{"a - b ÷ c × d", "(a - b) ÷ c × d"}, {{'c', 2, 9}, {'d', 2, 9}, {'a', 10, 20, "c"}, {'b', 2, 9, "c"}}},
        {{"a + b × c - d", "(a + b) × (c - d)"}, {{'a', 10, 50}, {'b', 2, 9}, {'c', 5, 20}, {'d', 2, 9}}},
        {{"a × b - c ÷ d", "a × (b - c) ÷ d"}, {{'a', 2, 9}, {'d', 2, 9}, {'b', 3, 12, "d"}, {'c', 1, 9, "d"}}},
        {{"a + b ÷ c - d", "(a + b) ÷ c - d"}, {{'c', 2, 9}, {'a', 2, 12, "c"}, {'b', 2, 12, "c"}, {'d', 1, 9}}}}},
};

std::size_t slot(char letter)
{
    return std::size_t(letter - 'a');
}

LetterValues drawLetters(const std::vector<Letter>& letters, RandomSource& random)
{
    LetterValues values{};
    for (const Letter& letter : letters) {
        long long value = draw(random, letter.most - letter.least + 1, letter.least);
        for (const char* factor = letter.times; *factor; ++factor)
            value *= values[slot(*factor)];
        values[slot(letter.name)] = value;
    }
    return values;
}

bool withinTimesTable(const Step& step)
{
    if (step.operation == u'×')
        return step.left <= 9 && step.right <= 9;
    if (step.operation == u'÷')
        return step.right <= 9 && step.result <= 9;
    return true;
}

bool keepsTheRules(const LetteredType& type, const WorkedOut& worked)
{
    return std::all_of(worked.steps.begin(), worked.steps.end(), [&](const Step& step) {
        return step.result >= 1 && step.result <= type.most
            && (type.factors == Any || withinTimesTable(step));
    });
}

bool isEquation(QStringView form)
{
    return form.contains(u'x');
}

// The group's questions from one draw, or none when the draw breaks a rule of the type.
std::vector<Question> questionsOf(const LetteredType& type, const Group& group, const LetterValues& values)
{
    std::vector<Question> questions;
    std::vector<long long> answers;
    for (const char* form : group.forms) {
        const QString written = QString::fromUtf8(form);
        const auto worked = workOut(written, values);
        if (!worked || !keepsTheRules(type, *worked)
            || std::find(answers.begin(), answers.end(), worked->value) != answers.end())
            return {};
        answers.push_back(worked->value);
        const QString value = decimalText(double(worked->value));
        if (isEquation(written))
            questions.push_back({writeOut(written, values) + QStringLiteral(" = ") + value + QStringLiteral("，x = ("),
                                 decimalText(double(values[slot('x')]))});
        else
            questions.push_back({writeOut(written, values) + QStringLiteral(" = ("), value});
    }
    return questions;
}

std::vector<Question> drawGroup(const LetteredType& type, const Group& group, RandomSource& random)
{
    std::vector<Question> questions;
    while (questions.empty())
        questions = questionsOf(type, group, drawLetters(group.letters, random));
    return questions;
}

// Enough tries for the smallest types (方程运算3（简单） and 方程运算4（简单）, 88
// questions each) to fill a page without a repeat; few enough that a source which keeps repeating itself
// cannot hold the page up.
constexpr int triesForNewQuestions = 100;

QuestionPage drawPage(const LetteredType& type, RandomSource& random)
{
    QuestionPage page;
    std::size_t filled = 0;
    auto onThePage = [&](const Question& question) {
        return std::any_of(page.begin(), page.begin() + std::ptrdiff_t(filled),
                           [&](const Question& shown) { return shown.text == question.text; });
    };
    for (std::size_t turn = 0; filled < page.size(); ++turn) {
        const Group& group = type.groups[turn % type.groups.size()];
        std::vector<Question> questions = drawGroup(type, group, random);
        for (int tries = 1; tries < triesForNewQuestions && std::any_of(questions.begin(), questions.end(), onThePage);
             ++tries)
            questions = drawGroup(type, group, random);
        for (std::size_t i = 0; i < questions.size() && filled < page.size(); ++i)
            page[filled++] = questions[i];
    }
    return page;
}

} // namespace

PageDrawer equationOrMixedPage(const QString& name)
{
    const auto type = std::find_if(std::begin(types), std::end(types),
                                   [&](const LetteredType& t) { return name == QString::fromUtf8(t.name); });
    if (type == std::end(types))
        return {};
    return [type](RandomSource& random) { return drawPage(*type, random); };
}

// The 四则运算 tab on page 2: the chained types draw for draw, the mixed forms
// by item, the equations and mixed operations from scripted draws, and every
// type's keys worked out again from the question text by an evaluator of the
// test's own, in exact fractions.

#include "catalogue.h"
#include "driver_support.h"
#include "form_arithmetic.h"
#include "page_commands.h"
#include "test_support.h"

#include <QRegularExpression>
#include <QTest>

#include <optional>

using Values = std::vector<float>;
Q_DECLARE_METATYPE(Values)

struct Range {
    long long least;
    long long most;
    bool holds(long long n) const { return n >= least && n <= most; }
};
using Ranges = QList<Range>;
Q_DECLARE_METATYPE(Range)
Q_DECLARE_METATYPE(Ranges)

namespace {

// An exact number, in lowest terms, the denominator positive.
struct Fraction {
    long long top = 0;
    long long bottom = 1;

    Fraction(long long whole = 0) : top(whole) {}
    Fraction(long long numerator, long long denominator) : top(numerator), bottom(denominator)
    {
        if (bottom < 0) {
            top = -top;
            bottom = -bottom;
        }
        const long long common = std::gcd(top, bottom);
        if (common > 1) {
            top /= common;
            bottom /= common;
        }
    }
    bool isWhole() const { return bottom == 1; }
    bool operator==(const Fraction&) const = default;
};

Fraction operator+(Fraction a, Fraction b) { return {a.top * b.bottom + b.top * a.bottom, a.bottom * b.bottom}; }
Fraction operator-(Fraction a, Fraction b) { return {a.top * b.bottom - b.top * a.bottom, a.bottom * b.bottom}; }
Fraction operator*(Fraction a, Fraction b) { return {a.top * b.top, a.bottom * b.bottom}; }
Fraction operator/(Fraction a, Fraction b) { return {a.top * b.bottom, a.bottom * b.top}; }

// constant + perX · x: what a side of a linear equation stands for.
struct Linear {
    Fraction constant;
    Fraction perX;
    bool hasX() const { return perX.top != 0; }
};

struct Token {
    QChar symbol; // 'n' for a number, 'x', or one of + - × ÷ ( )
    Fraction number = 0;
};

std::optional<QList<Token>> tokensOf(QStringView text)
{
    QList<Token> tokens;
    for (qsizetype i = 0; i < text.size();) {
        const QChar c = text[i];
        if (c == u' ') {
            ++i;
        } else if (c.isDigit()) {
            qsizetype end = i;
            while (end < text.size() && text[end].isDigit())
                ++end;
            tokens.append({u'n', text.mid(i, end - i).toLongLong()});
            i = end;
        } else if (QStringView(u"x+-×÷()").contains(c)) {
            tokens.append({c});
            ++i;
        } else {
            return std::nullopt;
        }
    }
    // A number written right before x multiplies it: "4x".
    for (qsizetype i = 1; i < tokens.size(); ++i)
        if (tokens[i - 1].symbol == u'n' && tokens[i].symbol == u'x')
            tokens.insert(i++, {u'×'});
    return tokens;
}

int precedence(QChar op)
{
    return op == u'+' || op == u'-' ? 1 : 2;
}

// Reverse Polish order by the shunting yard: brackets first, × ÷ before + -,
// equal levels from left to right.
std::optional<QList<Token>> postfixOf(const QList<Token>& tokens)
{
    QList<Token> out, waiting;
    for (const Token& token : tokens) {
        if (token.symbol == u'n' || token.symbol == u'x') {
            out.append(token);
        } else if (token.symbol == u'(') {
            waiting.append(token);
        } else if (token.symbol == u')') {
            while (!waiting.isEmpty() && waiting.last().symbol != u'(')
                out.append(waiting.takeLast());
            if (waiting.isEmpty())
                return std::nullopt;
            waiting.removeLast();
        } else {
            while (!waiting.isEmpty() && waiting.last().symbol != u'('
                   && precedence(waiting.last().symbol) >= precedence(token.symbol))
                out.append(waiting.takeLast());
            waiting.append(token);
        }
    }
    while (!waiting.isEmpty()) {
        if (waiting.last().symbol == u'(')
            return std::nullopt;
        out.append(waiting.takeLast());
    }
    return out;
}

struct TestStep {
    QChar op;
    Fraction left, right, result;
};

struct Evaluated {
    Linear value;
    std::vector<TestStep> steps; // only when no x is left in them
    QString operators;
};

// Evaluates an expression, x standing for itself unless its value is given.
std::optional<Evaluated> evaluate(QStringView text, std::optional<Fraction> x = std::nullopt)
{
    const auto tokens = tokensOf(text);
    const auto postfix = tokens ? postfixOf(*tokens) : std::nullopt;
    if (!postfix)
        return std::nullopt;
    Evaluated evaluated;
    QList<Linear> stack;
    for (const Token& token : *postfix) {
        if (token.symbol == u'n') {
            stack.append({token.number, 0});
        } else if (token.symbol == u'x') {
            stack.append(x ? Linear{*x, 0} : Linear{0, 1});
        } else {
            if (stack.size() < 2)
                return std::nullopt;
            const Linear right = stack.takeLast();
            const Linear left = stack.takeLast();
            Linear result;
            if (token.symbol == u'+') {
                result = {left.constant + right.constant, left.perX + right.perX};
            } else if (token.symbol == u'-') {
                result = {left.constant - right.constant, left.perX - right.perX};
            } else if (token.symbol == u'×') {
                if (left.hasX() && right.hasX())
                    return std::nullopt;
                result = {left.constant * right.constant, left.constant * right.perX + left.perX * right.constant};
            } else {
                if (right.hasX() || right.constant.top == 0)
                    return std::nullopt;
                result = {left.constant / right.constant, left.perX / right.constant};
            }
            if (!result.hasX() && !left.hasX() && !right.hasX())
                evaluated.steps.push_back({token.symbol, left.constant, right.constant, result.constant});
            evaluated.operators += token.symbol;
            stack.append(result);
        }
    }
    if (stack.size() != 1)
        return std::nullopt;
    evaluated.value = stack.first();
    return evaluated;
}

// A question worked out: the answer, every step on the way, the numbers it
// shows and the operations it asks for.
struct Answered {
    Fraction answer;
    std::vector<TestStep> steps;
    QList<long long> numbers;
    QString operators;
};

QList<long long> numbersIn(const QString& text)
{
    static const QRegularExpression digits(QStringLiteral("\\d+"));
    QList<long long> numbers;
    for (const auto& match : digits.globalMatch(text))
        numbers.append(match.captured().toLongLong());
    return numbers;
}

// "… = (" asks for the value of the expression; "… = b，x = (" for the x that
// solves the equation.
std::optional<Answered> answerOf(const QString& question)
{
    static const QString equationEnd = QStringLiteral("，x = (");
    static const QString expressionEnd = QStringLiteral(" = (");
    if (question.endsWith(equationEnd)) {
        const QString equation = question.chopped(equationEnd.size());
        const QStringList sides = equation.split(u'=');
        if (sides.size() != 2)
            return std::nullopt;
        const auto left = evaluate(sides[0]);
        const auto right = evaluate(sides[1]);
        if (!left || !right)
            return std::nullopt;
        const Fraction slope = left->value.perX - right->value.perX;
        if (slope.top == 0)
            return std::nullopt;
        const Fraction x = (right->value.constant - left->value.constant) / slope;
        const auto solved = evaluate(sides[0], x); // the left side's steps, x put in
        return Answered{x, solved->steps, numbersIn(equation), left->operators + right->operators};
    }
    if (!question.endsWith(expressionEnd))
        return std::nullopt;
    const QString expression = question.chopped(expressionEnd.size());
    const auto worked = evaluate(expression);
    if (!worked || worked->value.hasX())
        return std::nullopt;
    return Answered{worked->value.constant, worked->steps, numbersIn(expression), worked->operators};
}

bool withinTimesTable(const TestStep& step)
{
    if (step.op == u'×')
        return step.left.top <= 9 && step.right.top <= 9;
    if (step.op == u'÷')
        return step.right.top <= 9 && step.result.top <= 9;
    return true;
}

// Why a question breaks its type's promise; empty when it keeps it.
struct Promise {
    QRegularExpression shape;
    int operations;
    Ranges numbers;       // the numbers shown, in order; empty: see largestNumber
    Range largestNumber;  // the largest number a question shows
    Range key;
    long long largestStep;
    bool timesTable;
};

QString breach(const Promise& promise, const QString& question, const QString& key)
{
    if (!promise.shape.match(question).hasMatch())
        return QStringLiteral("shape");
    const auto answered = answerOf(question);
    if (!answered)
        return QStringLiteral("cannot be worked out");
    if (!answered->answer.isWhole() || key != QString::number(answered->answer.top))
        return QStringLiteral("key is not the answer");
    if (!promise.key.holds(answered->answer.top))
        return QStringLiteral("key out of range");
    if (answered->operators.size() != promise.operations)
        return QStringLiteral("number of operations");
    for (const TestStep& step : answered->steps) {
        if (!step.result.isWhole() || step.result.top < 0)
            return QStringLiteral("a step is negative or not whole");
        if (step.result.top > promise.largestStep)
            return QStringLiteral("a step is too large");
        if (promise.timesTable && !withinTimesTable(step))
            return QStringLiteral("outside the times table");
    }
    if (!promise.numbers.isEmpty()) {
        if (answered->numbers.size() != promise.numbers.size())
            return QStringLiteral("count of numbers");
        for (qsizetype i = 0; i < answered->numbers.size(); ++i)
            if (!promise.numbers[i].holds(answered->numbers[i]))
                return QStringLiteral("number %1 out of range").arg(i);
    }
    const long long largest = *std::max_element(answered->numbers.begin(), answered->numbers.end());
    if (!promise.largestNumber.holds(largest) || *std::min_element(answered->numbers.begin(), answered->numbers.end()) < 1)
        return QStringLiteral("numbers out of range");
    return {};
}

// The operations of a question in the order they are written.
QString writtenOperators(const QString& question)
{
    QString operators;
    for (const QChar c : question.section(u'=', 0, 0))
        if (QStringView(u"+-×÷").contains(c))
            operators += c;
    return operators;
}

Values seededValues(int count)
{
    SeededRandom random(7);
    Values values;
    for (int i = 0; i < count; ++i)
        values.push_back(random.next());
    return values;
}

QStringList tab6Types()
{
    return ExerciseCatalogue::tab(6).exerciseTypes();
}

// Opens tab 6 and a page of one type: the given values first, then a seeded tail.
void generate(Practice& practice, const QString& type, const Values& first)
{
    practice.model.selectTab(6);
    practice.script->append(first);
    practice.script->append(seededValues(4000));
    QVERIFY(practice.click(type));
}

const QString wrongMark = QStringLiteral(")  × 正确答案是");

} // namespace

class Myframe16Test : public QObject {
    Q_OBJECT

private slots:
    // The first question of a page from scripted draws.
    void firstQuestions_data()
    {
        QTest::addColumn<QString>("type");
        QTest::addColumn<Values>("values");
        QTest::addColumn<QStringList>("questions");
        QTest::addColumn<QStringList>("keys");
        QTest::newRow("连加运算（简单）, the worked example") << "连加运算（简单）" << Values{0.45f, 0.25f, 0.8f, 0.0f}
                                                           << QStringList{" 5 +  3 +  8 +  1 = ("} << QStringList{"17"};
        QTest::newRow("连减运算（简单） 28 - 9 - 9 - 9 leaves 1") << "连减运算（简单）" << Values{0.0f, 0.9f, 0.9f, 0.9f}
                                                                << QStringList{" 28 -  9 -  9 -  9 = ("} << QStringList{"1"};
        QTest::newRow("连减运算（较难） 451 - 150 - 150 - 150 leaves 1")
            << "连减运算（较难）" << Values{0.0f, 0.99f, 0.99f, 0.99f} << QStringList{" 451 -  150 -  150 -  150 = ("}
            << QStringList{"1"};
        QTest::newRow("连加运算（较难） at its largest is 360") << "连加运算（较难）" << Values{0.99f, 0.99f, 0.99f, 0.99f}
                                                                << QStringList{" 60 +  60 +  120 +  120 = ("} << QStringList{"360"};
        QTest::newRow("加减混合运算（较难） starts at 200") << "加减混合运算（较难）" << Values{0.0f, 0.99f, 0.0f, 0.99f}
                                                            << QStringList{" 200 +  99 +  10 -  99 = ("} << QStringList{"210"};
        QTest::newRow("方程运算1（简单）, x drawn first") << "方程运算1（简单）" << Values{0.265f, 0.145f}
                                                          << QStringList{"x + 15 = 42，x = ("} << QStringList{"27"};
        QTest::newRow("方程运算1（较难） writes a + x second") << "方程运算1（较难）" << Values{0.5f, 0.0f, 0.0f, 0.5f}
                                                              << QStringList{"x + 100 = 600，x = (", "500 + x = 600，x = ("}
                                                              << QStringList{"500", "100"};
        // 50 - 50 leaves nothing: both letters are drawn again.
        QTest::newRow("方程运算2（较难） redraws a - x = 0") << "方程运算2（较难）" << Values{0.5f, 0.49f, 0.095f, 0.285f}
                                                              << QStringList{"30 - x = 20，x = ("} << QStringList{"10"};
        QTest::newRow("方程运算3（较难） writes the factor before x") << "方程运算3（较难）" << Values{0.04f, 0.1f}
                                                                      << QStringList{"12x = 36，x = ("} << QStringList{"3"};
        QTest::newRow("方程运算4（简单） makes x a multiple") << "方程运算4（简单）" << Values{0.3f, 0.15f}
                                                              << QStringList{"x ÷ 4 = 3，x = ("} << QStringList{"12"};
        QTest::newRow("方程运算4（较难） alternates + and -") << "方程运算4（较难）" << Values{0.1f, 0.4f, 0.5f, 0.1f, 0.4f, 0.09f}
                                                              << QStringList{"5x + 26 = 41，x = (", "5x - 5 = 10，x = ("}
                                                              << QStringList{"3", "3"};
        QTest::newRow("加减乘混合运算（中等）, with and without brackets") << "加减乘混合运算（中等）" << Values{0.295f, 0.3f, 0.7f}
                                                                       << QStringList{"36 + 4 × 7 = (", "(36 + 4) × 7 = ("}
                                                                       << QStringList{"64", "280"};
        QTest::newRow("加减乘除混合运算（简单） divides exactly") << "加减乘除混合运算（简单）" << Values{0.3f, 0.3f, 0.2f}
                                                                 << QStringList{"12 + 8 ÷ 4 = (", "(12 + 8) ÷ 4 = ("}
                                                                 << QStringList{"14", "5"};
        // (7 + 8) × 2 leaves the times table: all three letters are drawn again.
        QTest::newRow("加减乘混合运算（简单） keeps to the times table") << "加减乘混合运算（简单）"
                                                                          << Values{0.99f, 0.99f, 0.0f, 0.2f, 0.3f, 0.5f}
                                                                          << QStringList{"2 + 4 × 6 = (", "(2 + 4) × 6 = ("}
                                                                          << QStringList{"26", "36"};
    }
    void firstQuestions()
    {
        QFETCH(QString, type);
        QFETCH(Values, values);
        QFETCH(QStringList, questions);
        QFETCH(QStringList, keys);
        Practice practice;
        generate(practice, type, values);
        for (int i = 0; i < questions.size(); ++i) {
            QCOMPARE(practice.form().Label5[i].caption(), questions[i]);
            QCOMPARE(practice.form().state.mainKey[i], keys[i]);
        }
    }

    // Every page of a mixed addition and subtraction holds two questions of each
    // form, in this order, with the blanks of each form.
    void mixedFormsByItem()
    {
        Values values;
        for (int i = 0; i < 10; ++i)
            values.insert(values.end(), {0.35f, 0.35f, 0.75f, 0.2f}); // 25, 3, 6, 2
        Practice practice;
        generate(practice, QStringLiteral("加减混合运算（简单）"), values);
        const QString forms[5] = {" 25 +  3 +  6 -  2 = (", " 25 +  3  -  6 -  2 = (", " 25 +  3  -  6+  2 = (",
                                  " 25  -  3 +  6+  2 = (", " 25  -  3 +  6  -  2 = ("};
        const QString keys[5] = {"32", "20", "24", "30", "26"};
        for (int i = 0; i < 10; ++i) {
            QCOMPARE(practice.form().Label5[i].caption(), forms[i / 2]);
            QCOMPARE(practice.form().state.mainKey[i], keys[i / 2]);
        }
    }

    // Over many seeded pages of every type of the tab: the page is page 2 under
    // the type's own name with the check flag raised, each key is the answer the
    // test works out from the question, every question keeps its type's
    // promise, and each row, marked wrong, stays inside the page.
    void everyTypeKeysItsQuestions_data()
    {
        QTest::addColumn<QString>("type");
        QTest::addColumn<QString>("shape");
        QTest::addColumn<int>("operations");
        QTest::addColumn<Ranges>("numbers");
        QTest::addColumn<Range>("largestNumber");
        QTest::addColumn<Range>("key");
        QTest::addColumn<long long>("largestStep");
        QTest::addColumn<bool>("timesTable");
        QTest::addColumn<QString>("operatorsOnAPage"); // every sign written on a page, no other
        QTest::addColumn<QStringList>("signsByPair");  // the operations of items 0-1, 2-3, ... where fixed
        QTest::addColumn<bool>("bracketPairs");        // items 2k and 2k + 1 differ only by brackets
        const QString chained = QStringLiteral("^ \\d+( *[-+] +\\d+){3} = \\($");
        const QString mixed = QStringLiteral("^[\\d()][\\d ()+×÷-]*[\\d)] = \\($");
        const QStringList plus(5, QStringLiteral("+++")), minus(5, QStringLiteral("---"));
        const QStringList mixedSigns{"++-", "+--", "+-+", "-++", "-+-"};
        const Range any{1, 999};
        auto row = [](const char* type) -> QTestData& { return QTest::newRow(type) << QString::fromUtf8(type); };
        // type                      shape      ops  numbers in order                                   largest number  key          step  table  operators  signs       pairs
        row("连加运算（简单）")          << chained << 3 << Ranges{{1, 9}, {1, 9}, {1, 9}, {1, 9}}           << any << Range{4, 36}    << 36LL   << false << "+"   << plus       << false;
        row("连加运算（中等）")          << chained << 3 << Ranges{{10, 20}, {10, 20}, {10, 20}, {10, 20}}   << any << Range{40, 80}   << 80LL   << false << "+"   << plus       << false;
        row("连加运算（较难）")          << chained << 3 << Ranges{{10, 60}, {10, 60}, {100, 120}, {100, 120}} << any << Range{220, 360} << 360LL << false << "+"   << plus       << false;
        row("连减运算（简单）")          << chained << 3 << Ranges{{28, 35}, {1, 9}, {1, 9}, {1, 9}}         << any << Range{1, 32}    << 34LL   << false << "-"   << minus      << false;
        row("连减运算（中等）")          << chained << 3 << Ranges{{151, 170}, {1, 100}, {1, 30}, {1, 20}}   << any << Range{1, 167}   << 169LL  << false << "-"   << minus      << false;
        row("连减运算（较难）")          << chained << 3 << Ranges{{451, 500}, {100, 150}, {100, 150}, {100, 150}} << any << Range{1, 200} << 400LL << false << "-" << minus  << false;
        row("加减混合运算（简单）")      << chained << 3 << Ranges{{22, 30}, {1, 7}, {1, 7}, {1, 7}}         << any << Range{9, 43}    << 44LL   << false << "+-"  << mixedSigns << false;
        row("加减混合运算（中等）")      << chained << 3 << Ranges{{61, 80}, {10, 20}, {10, 20}, {10, 20}}   << any << Range{31, 110}  << 120LL  << false << "+-"  << mixedSigns << false;
        row("加减混合运算（较难）")      << chained << 3 << Ranges{{200, 500}, {10, 99}, {10, 99}, {10, 99}} << any << Range{12, 688}  << 698LL  << false << "+-"  << mixedSigns << false;
        row("方程运算1（简单）")         << "^x \\+ \\d+ = \\d+，x = \\($"                 << 1 << Ranges{{1, 99}, {2, 100}}    << any << Range{1, 99}    << 100LL  << false << "+"   << QStringList() << false;
        row("方程运算1（较难）")         << "^(x \\+ \\d+|\\d+ \\+ x) = \\d+，x = \\($"   << 1 << Ranges{{100, 899}, {200, 999}} << any << Range{100, 899} << 999LL << false << "+" << QStringList() << false;
        row("方程运算2（简单）")         << "^x - \\d+ = \\d+，x = \\($"                  << 1 << Ranges{{1, 99}, {1, 99}}     << any << Range{2, 100}   << 99LL   << false << "-"   << QStringList() << false;
        row("方程运算2（较难）")         << "^\\d+ - x = \\d+，x = \\($"                  << 1 << Ranges{{2, 100}, {1, 99}}    << any << Range{1, 99}    << 99LL   << false << "-"   << QStringList() << false;
        row("方程运算3（简单）")         << "^\\d+x = \\d+，x = \\($"                     << 1 << Ranges{{2, 9}, {4, 108}}     << any << Range{2, 12}    << 108LL  << false << ""    << QStringList() << false;
        row("方程运算3（较难）")         << "^\\d+x = \\d+，x = \\($"                     << 1 << Ranges{{11, 25}, {22, 1000}} << Range{1, 1000} << Range{2, 40} << 1000LL << false << "" << QStringList() << false;
        row("方程运算4（简单）")         << "^x ÷ \\d+ = \\d+，x = \\($"                  << 1 << Ranges{{2, 9}, {2, 12}}      << any << Range{4, 108}   << 12LL   << false << "÷"   << QStringList() << false;
        row("方程运算4（较难）")         << "^\\d+x [-+] \\d+ = \\d+，x = \\($"           << 2 << Ranges{{2, 9}, {1, 50}, {1, 230}} << any << Range{2, 20} << 230LL << false << "+-" << QStringList() << false;
        row("加减乘混合运算（简单）")    << mixed << 2 << Ranges() << Range{1, 9}   << Range{1, 100}  << 100LL  << true  << "+-×"  << QStringList() << true;
        row("加减乘混合运算（中等）")    << mixed << 2 << Ranges() << Range{10, 99} << Range{1, 999}  << 999LL  << false << "+-×"  << QStringList() << true;
        row("加减乘混合运算（较难）")    << mixed << 3 << Ranges() << any           << Range{1, 2000} << 2000LL << false << "+-×"  << QStringList() << true;
        row("加减乘除混合运算（简单）")  << mixed << 2 << Ranges() << Range{1, 81}  << Range{1, 100}  << 100LL  << true  << "+-×÷" << QStringList() << true;
        row("加减乘除混合运算（中等）")  << mixed << 2 << Ranges() << Range{10, 99} << Range{1, 999}  << 999LL  << false << "+-×÷" << QStringList() << true;
        row("加减乘除混合运算（较难）")  << mixed << 3 << Ranges() << any           << Range{1, 2000} << 2000LL << false << "+-×÷" << QStringList() << true;
    }
    void everyTypeKeysItsQuestions()
    {
        QFETCH(QString, type);
        QFETCH(QString, shape);
        QFETCH(int, operations);
        QFETCH(Ranges, numbers);
        QFETCH(Range, largestNumber);
        QFETCH(Range, key);
        QFETCH(long long, largestStep);
        QFETCH(bool, timesTable);
        QFETCH(QString, operatorsOnAPage);
        QFETCH(QStringList, signsByPair);
        QFETCH(bool, bracketPairs);
        QVERIFY(tab6Types().contains(type));
        const Promise promise{QRegularExpression(shape), operations, numbers, largestNumber, key, largestStep, timesTable};
        Practice practice;
        practice.model.selectTab(6);
        practice.model.form.setRandomSource(std::make_unique<SeededRandom>(qHash(type)));
        MainForm& form = practice.form();
        for (int page = 0; page < 30; ++page) {
            QVERIFY(practice.click(type));
            QCOMPARE(form.seenPage(), 2);
            QCOMPARE(form.Frame1[2].caption, type);
            QCOMPARE(form.Label32.caption(), QStringLiteral("1"));
            QString operatorsUsed;
            for (int i = 0; i < 10; ++i) {
                const QString question = form.Label5[i].caption();
                const QString why = breach(promise, question, form.state.mainKey[i]);
                QVERIFY2(why.isEmpty(), qPrintable(question + QStringLiteral(" → ") + form.state.mainKey[i] + u' ' + why));
                operatorsUsed += writtenOperators(question);
                if (!signsByPair.isEmpty())
                    QCOMPARE(writtenOperators(question), signsByPair[i / 2]);
                if (bracketPairs && i % 2 == 1) {
                    const QString plain = form.Label5[i - 1].caption();
                    const QString bracketed = question.chopped(4); // without its " = ("
                    QVERIFY2(!plain.chopped(4).contains(u'(') && bracketed.contains(u'('), qPrintable(question));
                    QCOMPARE(QString(bracketed).remove(u'(').remove(u')'), plain.chopped(4));
                    QVERIFY(form.state.mainKey[i] != form.state.mainKey[i - 1]);
                }
                // The row: question, box and closing bracket, side by side.
                QCOMPARE(form.Label5[i].rect.width, practice.metrics.widthTwips(question));
                QCOMPARE(form.Label6[i].caption(), QStringLiteral(")"));
                QCOMPARE(form.Text3[i].rect.left, form.Label5[i].rect.left + form.Label5[i].rect.width);
                QCOMPARE(form.Label6[i].rect.left, form.Text3[i].rect.left + form.Text3[i].rect.width);
                QVERIFY(form.Text3[i].text.isEmpty() && form.Text3[i].enabled);
                // Marked wrong, the row is at its longest; it stays inside the page and clear of its picture.
                const Rect& row = form.Label6[i].rect;
                const int end = row.left + practice.metrics.widthTwips(wrongMark + form.state.mainKey[i]);
                const Rect& picture = form.Picture15.rect;
                const bool besidePicture = row.top < picture.top + picture.height && row.top + row.height > picture.top;
                QVERIFY2(end <= (besidePicture ? picture.left : form.Frame1[2].rect.width), qPrintable(question));
            }
            for (const QChar op : operatorsOnAPage)
                QVERIFY2(operatorsUsed.contains(op), qPrintable(type));
            for (const QChar op : operatorsUsed)
                QVERIFY2(operatorsOnAPage.contains(op), qPrintable(type));
        }
    }

    // A page opens afresh: the clock from 0, boxes empty, and Command5 draws the
    // same type again.
    void aNewPageRestartsTheRound()
    {
        Practice practice;
        practice.model.selectTab(6);
        practice.model.form.setRandomSource(std::make_unique<SeededRandom>(3));
        MainForm& form = practice.form();
        QVERIFY(practice.click(QStringLiteral("连减运算（中等）")));
        form.Text3[0].text = QStringLiteral("12");
        for (int tick = 0; tick < 5; ++tick)
            form.Timer1_Timer();
        Command6_Click(form);
        QVERIFY(!form.Label7.caption().isEmpty());
        const QString firstQuestion = form.Label5[0].caption();
        Command5_Click(form);
        QCOMPARE(form.Frame1[2].caption, QStringLiteral("连减运算（中等）"));
        QCOMPARE(form.state.elapsedSeconds, 0);
        QCOMPARE(form.Timer1.interval(), 1000);
        QCOMPARE(form.Label7.caption(), QString());
        QCOMPARE(form.Text3[0].text, QString());
        QVERIFY(form.Text3[0].enabled);
        QCOMPARE(form.Label6[0].caption(), QStringLiteral(")"));
        QVERIFY(form.Label5[0].caption() != firstQuestion);
    }

    // The submit marks a flagged page with the plain marks, keeps the clock
    // running and closes the boxes.
    void theSubmitMarksWithThePlainMarks()
    {
        Practice practice;
        practice.model.selectTab(6);
        practice.model.form.setRandomSource(std::make_unique<SeededRandom>(5));
        MainForm& form = practice.form();
        QVERIFY(practice.click(QStringLiteral("加减乘除混合运算（较难）")));
        for (int i = 0; i < 8; ++i)
            form.Text3[i].text = form.state.mainKey[i];
        form.Text3[8].text = form.state.mainKey[8] + QStringLiteral("0");
        for (int tick = 0; tick < 7; ++tick)
            form.Timer1_Timer();
        Command6_Click(form);
        for (int i = 0; i < 8; ++i)
            QCOMPARE(form.Label6[i].caption(), QStringLiteral(")  √"));
        QCOMPARE(form.Label6[8].caption(), wrongMark + form.state.mainKey[8]);
        QCOMPARE(form.Label6[9].caption(), wrongMark + form.state.mainKey[9]);
        QCOMPARE(form.Label7.caption(), QStringLiteral("您答对了 8道题，用时 7秒。"));
        QVERIFY(!form.Text3[0].enabled);
        QCOMPARE(form.Timer1.interval(), 1000);
    }

    // The working-out that makes the keys: the school order, and no answer
    // where a division leaves a remainder or the form cannot be read.
    void workingOut_data()
    {
        QTest::addColumn<QString>("form");
        QTest::addColumn<long long>("value"); // -1: nothing
        QTest::addColumn<int>("steps");
        QTest::newRow("× before +") << "a + b × c" << 64LL << 2;
        QTest::newRow("brackets first") << "(a + b) × c" << 280LL << 2;
        QTest::newRow("- and + from the left") << "a - b + c" << 39LL << 2;
        QTest::newRow("÷ and × from the left") << "a ÷ b × c" << 63LL << 2;
        QTest::newRow("a number before x multiplies it") << "bx" << 16LL << 1;
        QTest::newRow("a remainder") << "a ÷ c" << -1LL << 0;
        QTest::newRow("an open bracket") << "(a + b × c" << -1LL << 0;
        QTest::newRow("a sign it does not know") << "a * b" << -1LL << 0;
    }
    void workingOut()
    {
        QFETCH(QString, form);
        QFETCH(long long, value);
        QFETCH(int, steps);
        LetterValues values{};
        values['a' - 'a'] = 36;
        values['b' - 'a'] = 4;
        values['c' - 'a'] = 7;
        values['x' - 'a'] = 4;
        const auto worked = workOut(form, values);
        QCOMPARE(worked ? worked->value : -1LL, value);
        QCOMPARE(worked ? int(worked->steps.size()) : 0, steps);
    }

    // Through the driver, as a program outside would: every leaf of the tab
    // shows page 2 under its name, and its own keys, typed in, are all right.
    void everyLeafMarksItsKeysRight()
    {
        const QStringList types = tab6Types();
        QCOMPARE(types.size(), 23);
        QStringList generate{command("seed", 21), command("tab", 6)};
        QStringList answer = generate;
        for (const QString& type : types) {
            generate += {command("click", type), command("dump")};
            answer += {command("click", type)};
            answer += QStringLiteral("KEYS"); // replaced by the typing once the keys are known
            answer += {command("tick", 3), command("press", "Command6"), command("dump")};
        }
        const Run shown = drive(generate);
        QCOMPARE(shown.dumps.size(), types.size());
        for (qsizetype t = 0; t < types.size(); ++t) {
            QStringList typing;
            const QJsonArray keys = shown.dumps[t][QStringLiteral("mainKey")].toArray();
            for (int i = 0; i < 10; ++i)
                typing.append(command("type", QStringLiteral("Text3(%1)").arg(i), keys[i].toString()));
            answer.replace(answer.indexOf(QStringLiteral("KEYS")), typing.join(u'\n'));
        }
        const Run marked = drive(answer);
        QCOMPARE(marked.errors, QString());
        QCOMPARE(marked.dumps.size(), types.size());
        for (qsizetype t = 0; t < types.size(); ++t) {
            const QJsonObject& dump = marked.dumps[t];
            const auto caption = [&](const QString& name) { return control(dump, name)[QStringLiteral("caption")].toString(); };
            QVERIFY(!control(dump, QStringLiteral("Picture14"))[QStringLiteral("visible")].toBool());
            for (int page = 3; page < 12; ++page)
                QVERIFY(!control(dump, QStringLiteral("Frame1(%1)").arg(page))[QStringLiteral("visible")].toBool());
            QVERIFY(control(dump, QStringLiteral("Frame1(2)"))[QStringLiteral("visible")].toBool());
            QCOMPARE(caption(QStringLiteral("Frame1(2)")), types[t]);
            QCOMPARE(dump[QStringLiteral("mainKey")], shown.dumps[t][QStringLiteral("mainKey")]);
            for (int i = 0; i < 10; ++i) {
                static const QRegularExpression wholeNumber(QStringLiteral("^(0|[1-9]\\d*)$"));
                QVERIFY(wholeNumber.match(dump[QStringLiteral("mainKey")].toArray()[i].toString()).hasMatch());
                QCOMPARE(caption(QStringLiteral("Label6(%1)").arg(i)), QStringLiteral(")  √"));
            }
            QCOMPARE(caption(QStringLiteral("Label7")), QStringLiteral("您答对了 10道题，用时 3秒。"));
        }
    }
};

QTEST_GUILESS_MAIN(Myframe16Test)
#include "test_myframe16.moc"

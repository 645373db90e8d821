#include "expression.h"

#include <algorithm>
#include <functional>
#include <vector>

namespace {

// Thrown inside the parser only; evaluateExpression turns it into an error text.
struct ExpressionError {
    QString message;
    bool needsChoice = false;
};

struct Function {
    const char16_t* name;
    int minimumArguments;
    int maximumArguments; // -1: any number
    std::function<Rational(const std::vector<Rational>&)> apply;
};

// What a part of an expression stands for: a number, or the truth of a relation.
struct Outcome {
    std::optional<Rational> value;
    std::optional<bool> truth;
    QString relation;
};

// Each sign as it may be written, and the one name evaluateExpression gives it.
struct Sign {
    QStringView written;
    QStringView name;
};

const std::vector<Sign>& signs()
{
    // Two-character forms come first, so that "<=" is not read as "<".
    static const std::vector<Sign> all = {
        {u"<=", u"≤"}, {u">=", u"≥"}, {u"!=", u"≠"}, {u"=", u"="}, {u"＝", u"="}, {u"<", u"<"}, {u"＜", u"<"},
        {u">", u">"},  {u"＞", u">"},  {u"≤", u"≤"},  {u"≥", u"≥"}, {u"≠", u"≠"},
    };
    return all;
}

// Whether two numbers stand in this relation, told by their difference left − right.
bool holds(const Rational& difference, QStringView sign)
{
    if (sign == u"=")
        return difference.isZero();
    if (sign == u"≠")
        return !difference.isZero();
    if (sign == u"<")
        return difference.isNegative();
    if (sign == u">")
        return !difference.isNegative() && !difference.isZero();
    if (sign == u"≤")
        return difference.isNegative() || difference.isZero();
    return !difference.isNegative(); // ≥
}

[[noreturn]] void fail(const QString& message)
{
    throw ExpressionError{message};
}

Rational checked(const std::optional<Rational>& value)
{
    if (!value)
        fail(QStringLiteral("the result does not fit in 64 bits"));
    return *value;
}

qint64 wholeArgument(const Rational& value, const QString& function)
{
    if (!value.isWhole())
        fail(QStringLiteral("%1 takes whole numbers, not %2").arg(function, value.toString()));
    return value.numerator();
}

Rational greatestCommonDivisorOf(const std::vector<Rational>& arguments)
{
    qint64 result = 0;
    for (const Rational& argument : arguments)
        result = greatestCommonDivisor(result, wholeArgument(argument, QStringLiteral("gcd")));
    return Rational::whole(result);
}

Rational leastCommonMultipleOf(const std::vector<Rational>& arguments)
{
    qint64 result = 1;
    for (const Rational& argument : arguments) {
        const auto next = leastCommonMultiple(result, wholeArgument(argument, QStringLiteral("lcm")));
        if (!next)
            fail(QStringLiteral("the result does not fit in 64 bits"));
        result = *next;
    }
    return Rational::whole(result);
}

bool isLess(const Rational& a, const Rational& b)
{
    return checked(a - b).isNegative();
}

Rational largest(const std::vector<Rational>& arguments)
{
    return *std::max_element(arguments.begin(), arguments.end(), isLess);
}

Rational smallest(const std::vector<Rational>& arguments)
{
    return *std::min_element(arguments.begin(), arguments.end(), isLess);
}

Rational absolute(const std::vector<Rational>& arguments)
{
    return arguments[0].isNegative() ? checked(-arguments[0]) : arguments[0];
}

// The remainder of a whole division, never negative: mod(17, 7) = 3, mod(-1, 7) = 6.
Rational remainder(const std::vector<Rational>& arguments)
{
    const qint64 dividend = wholeArgument(arguments[0], QStringLiteral("mod"));
    const qint64 divisor = wholeArgument(arguments[1], QStringLiteral("mod"));
    if (divisor == 0)
        fail(QStringLiteral("division by zero"));
    const qint64 rest = dividend % divisor;
    return Rational::whole(rest < 0 ? rest + (divisor < 0 ? -divisor : divisor) : rest);
}

Rational rounded(const std::vector<Rational>& arguments)
{
    const qint64 decimals = wholeArgument(arguments[1], QStringLiteral("round"));
    if (decimals < 0 || decimals > 18)
        fail(QStringLiteral("round keeps 0 to 18 decimals, not %1").arg(decimals));
    return checked(roundHalfUp(arguments[0], int(decimals)));
}

const std::vector<Function>& functions()
{
    static const std::vector<Function> all = {
        {u"abs", 1, 1, absolute},
        {u"gcd", 1, -1, greatestCommonDivisorOf},
        {u"lcm", 1, -1, leastCommonMultipleOf},
        {u"max", 1, -1, largest},
        {u"min", 1, -1, smallest},
        {u"mod", 2, 2, remainder},
        {u"round", 2, 2, rounded},
        {u"floor", 1, 1, [](const std::vector<Rational>& arguments) { return floor(arguments[0]); }},
    };
    return all;
}

bool isSpace(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\u3000';
}

bool isWordLetter(QChar c)
{
    return c.isLetter() && c.unicode() < 128;
}

// Recursive descent, one function per precedence level:
//   either     = both ("or" both)*
//   both       = comparison ("and" comparison)*
//   comparison = sum (sign sum)?
//   sum        = product (("+" | "-") product)*
//   product    = signed (("*" | "×" | "/" | "÷" | "∶") signed)*
//   signed     = "-" signed | "+" signed | power
//   power      = primary ("^" signed)?
//   primary    = number | "x" | "(" sum ")" | name "(" sum ("," sum)* ")"
class Parser {
public:
    Parser(const QString& text, std::optional<Rational> x) : m_text(text), m_x(x) {}

    Outcome parseAll()
    {
        const Outcome outcome = parseEither();
        skipSpaces();
        if (m_position < m_text.size())
            fail(QStringLiteral("unexpected “%1” at position %2").arg(m_text[m_position]).arg(m_position + 1));
        return outcome;
    }

private:
    // Deep enough for any real expression, shallow enough for any stack.
    static constexpr int maximumDepth = 100;

    const QString& m_text;
    std::optional<Rational> m_x;
    qsizetype m_position = 0;
    int m_depth = 0;

    void skipSpaces()
    {
        while (m_position < m_text.size() && isSpace(m_text[m_position]))
            ++m_position;
    }

    bool take(std::initializer_list<char16_t> characters)
    {
        skipSpaces();
        if (m_position >= m_text.size())
            return false;
        for (const char16_t c : characters) {
            if (m_text[m_position] == c) {
                ++m_position;
                return true;
            }
        }
        return false;
    }

    // A whole word only: "and" but not the start of "android".
    bool takeWord(QStringView word)
    {
        skipSpaces();
        const qsizetype end = m_position + word.size();
        if (!QStringView(m_text).mid(m_position).startsWith(word) || (end < m_text.size() && isWordLetter(m_text[end])))
            return false;
        m_position = end;
        return true;
    }

    QChar peek()
    {
        skipSpaces();
        return m_position < m_text.size() ? m_text[m_position] : QChar();
    }

    void expect(std::initializer_list<char16_t> characters, const QString& what)
    {
        if (!take(characters)) {
            if (m_position >= m_text.size())
                fail(QStringLiteral("%1 expected at the end").arg(what));
            fail(QStringLiteral("%1 expected at position %2").arg(what).arg(m_position + 1));
        }
    }

    static bool truthOf(const Outcome& outcome, const QString& word)
    {
        if (!outcome.truth)
            fail(QStringLiteral("“%1” joins relations, not the number %2").arg(word, outcome.value->toString()));
        return *outcome.truth;
    }

    Outcome parseEither()
    {
        Outcome outcome = parseBoth();
        while (takeWord(u"or")) {
            const bool left = truthOf(outcome, QStringLiteral("or"));
            const bool right = truthOf(parseBoth(), QStringLiteral("or"));
            outcome = {std::nullopt, left || right, {}};
        }
        return outcome;
    }

    Outcome parseBoth()
    {
        Outcome outcome = parseComparison();
        while (takeWord(u"and")) {
            const bool left = truthOf(outcome, QStringLiteral("and"));
            const bool right = truthOf(parseComparison(), QStringLiteral("and"));
            outcome = {std::nullopt, left && right, {}};
        }
        return outcome;
    }

    Outcome parseComparison()
    {
        const Rational left = parseSum();
        const QString sign = takeSign();
        if (sign.isEmpty())
            return {left, std::nullopt, {}};
        const Rational right = parseSum();
        return {std::nullopt, holds(checked(left - right), sign), sign};
    }

    QString takeSign()
    {
        skipSpaces();
        const QStringView rest = QStringView(m_text).mid(m_position);
        for (const Sign& sign : signs()) {
            if (rest.startsWith(sign.written)) {
                m_position += sign.written.size();
                return sign.name.toString();
            }
        }
        return {};
    }

    Rational parseSum()
    {
        Rational value = parseProduct();
        for (;;) {
            if (take({u'+', u'＋'}))
                value = checked(value + parseProduct());
            else if (take({u'-', u'－', u'−'}))
                value = checked(value - parseProduct());
            else
                return value;
        }
    }

    Rational parseProduct()
    {
        Rational value = parseSigned();
        for (;;) {
            if (take({u'*', u'×'})) {
                value = checked(value * parseSigned());
            } else if (take({u'/', u'÷', u'∶'})) {
                const Rational divisor = parseSigned();
                if (divisor.isZero())
                    fail(QStringLiteral("division by zero"));
                value = checked(value / divisor);
            } else {
                return value;
            }
        }
    }

    Rational parseSigned()
    {
        if (++m_depth > maximumDepth)
            fail(QStringLiteral("the expression is nested too deeply"));
        Rational value;
        if (take({u'-', u'－', u'−'}))
            value = checked(-parseSigned());
        else if (take({u'+', u'＋'}))
            value = parseSigned();
        else
            value = parsePower();
        --m_depth;
        return value;
    }

    Rational parsePower()
    {
        const Rational base = parsePrimary();
        if (!take({u'^'}))
            return base;
        const Rational exponent = parseSigned();
        if (!exponent.isWhole())
            fail(QStringLiteral("the exponent %1 is not a whole number").arg(exponent.toString()));
        if (base.isZero() && exponent.numerator() <= 0)
            fail(QStringLiteral("0 has no power %1").arg(exponent.numerator()));
        return checked(power(base, exponent.numerator()));
    }

    Rational parsePrimary()
    {
        const QChar next = peek();
        if (take({u'(', u'（'})) {
            const Rational value = parseSum();
            expect({u')', u'）'}, QStringLiteral("“)”"));
            return value;
        }
        if (next.isDigit() && next.unicode() < 128)
            return parseNumber();
        if (isWordLetter(next))
            return parseWord();
        if (next.isNull())
            fail(QStringLiteral("a number expected at the end"));
        fail(QStringLiteral("unexpected “%1” at position %2").arg(next).arg(m_position + 1));
    }

    Rational parseNumber()
    {
        const qsizetype start = m_position;
        while (m_position < m_text.size() && (m_text[m_position] == u'.' || (m_text[m_position] >= u'0' && m_text[m_position] <= u'9')))
            ++m_position;
        const QStringView digits = QStringView(m_text).mid(start, m_position - start);
        const auto value = Rational::fromDecimal(digits);
        if (!value) {
            if (digits.count(u'.') > 1 || digits.endsWith(u'.'))
                fail(QStringLiteral("“%1” is not a number").arg(digits));
            fail(QStringLiteral("the number %1 does not fit in 64 bits").arg(digits));
        }
        return *value;
    }

    // The choice's value x, or a function call.
    Rational parseWord()
    {
        const qsizetype start = m_position;
        while (m_position < m_text.size() && isWordLetter(m_text[m_position]))
            ++m_position;
        const QString name = m_text.mid(start, m_position - start);
        if (name == u"x") {
            if (!m_x)
                throw ExpressionError{QStringLiteral("x stands for the value of a choice, and only a 选择 item has choices"),
                                      true};
            return *m_x;
        }
        const Function* function = nullptr;
        for (const Function& candidate : functions())
            if (name == QStringView(candidate.name))
                function = &candidate;
        if (!function)
            fail(QStringLiteral("unknown function “%1”").arg(name));
        expect({u'(', u'（'}, QStringLiteral("“(” after %1").arg(name));
        std::vector<Rational> arguments{parseSum()};
        while (take({u',', u'，'}))
            arguments.push_back(parseSum());
        expect({u')', u'）'}, QStringLiteral("“)”"));
        const int count = int(arguments.size());
        if (count < function->minimumArguments || (function->maximumArguments >= 0 && count > function->maximumArguments))
            fail(QStringLiteral("%1 does not take %2 argument(s)").arg(name).arg(count));
        return function->apply(arguments);
    }
};

} // namespace

Evaluation evaluateExpression(const QString& expression, std::optional<Rational> x)
{
    try {
        const Outcome outcome = Parser(expression, x).parseAll();
        return {outcome.value, outcome.truth, outcome.relation, {}};
    } catch (const ExpressionError& error) {
        return {std::nullopt, std::nullopt, {}, error.message, error.needsChoice};
    }
}

QString relationSign(QStringView text)
{
    for (const Sign& sign : signs())
        if (text == sign.written)
            return sign.name.toString();
    return {};
}

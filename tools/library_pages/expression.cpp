#include "expression.h"

#include <functional>
#include <vector>

namespace {

// Thrown inside the parser only; evaluateExpression turns it into an error text.
struct ExpressionError {
    QString message;
};

struct Function {
    const char16_t* name;
    int minimumArguments;
    int maximumArguments; // -1: any number
    std::function<Rational(const std::vector<Rational>&)> apply;
};

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
        {u"gcd", 1, -1, greatestCommonDivisorOf},
        {u"lcm", 1, -1, leastCommonMultipleOf},
        {u"round", 2, 2, rounded},
        {u"floor", 1, 1, [](const std::vector<Rational>& arguments) { return floor(arguments[0]); }},
    };
    return all;
}

bool isSpace(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\u3000';
}

// Recursive descent, one function per precedence level:
//   sum     = product (("+" | "-") product)*
//   product = signed (("*" | "×" | "/" | "÷") signed)*
//   signed  = "-" signed | "+" signed | power
//   power   = primary ("^" signed)?
//   primary = number | "(" sum ")" | name "(" sum ("," sum)* ")"
class Parser {
public:
    explicit Parser(const QString& text) : m_text(text) {}

    Rational parseAll()
    {
        const Rational value = parseSum();
        skipSpaces();
        if (m_position < m_text.size())
            fail(QStringLiteral("unexpected “%1” at position %2").arg(m_text[m_position]).arg(m_position + 1));
        return value;
    }

private:
    // Deep enough for any real expression, shallow enough for any stack.
    static constexpr int maximumDepth = 100;

    const QString& m_text;
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

    Rational parseSum()
    {
        Rational value = parseProduct();
        for (;;) {
            if (take({u'+'}))
                value = checked(value + parseProduct());
            else if (take({u'-'}))
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
            } else if (take({u'/', u'÷'})) {
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
        if (take({u'-'}))
            value = checked(-parseSigned());
        else if (take({u'+'}))
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
        if (next.isLetter() && next.unicode() < 128)
            return parseCall();
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

    Rational parseCall()
    {
        const qsizetype start = m_position;
        while (m_position < m_text.size() && m_text[m_position].isLetter() && m_text[m_position].unicode() < 128)
            ++m_position;
        const QString name = m_text.mid(start, m_position - start);
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

Evaluation evaluateExpression(const QString& expression)
{
    try {
        return {Parser(expression).parseAll(), {}};
    } catch (const ExpressionError& error) {
        return {std::nullopt, error.message};
    }
}

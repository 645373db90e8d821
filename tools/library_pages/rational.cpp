#include "rational.h"

#include <limits>
#include <numeric>

namespace {

constexpr qint64 lowest = std::numeric_limits<qint64>::min();

std::optional<qint64> sum(qint64 a, qint64 b)
{
    qint64 result;
    return __builtin_add_overflow(a, b, &result) ? std::nullopt : std::optional(result);
}

std::optional<qint64> product(qint64 a, qint64 b)
{
    qint64 result;
    return __builtin_mul_overflow(a, b, &result) ? std::nullopt : std::optional(result);
}

// Floor division for a positive divisor.
qint64 floorQuotient(qint64 numerator, qint64 denominator)
{
    const qint64 quotient = numerator / denominator;
    return (numerator % denominator != 0 && numerator < 0) ? quotient - 1 : quotient;
}

} // namespace

Rational Rational::whole(qint64 value)
{
    return of(value, 1).value_or(Rational());
}

std::optional<Rational> Rational::of(qint64 numerator, qint64 denominator)
{
    // The lowest value has no positive counterpart, so it never takes part.
    if (denominator == 0 || numerator == lowest || denominator == lowest)
        return std::nullopt;
    if (denominator < 0) {
        numerator = -numerator;
        denominator = -denominator;
    }
    const qint64 divisor = std::gcd(numerator, denominator);
    Rational value;
    value.m_numerator = numerator / divisor;
    value.m_denominator = denominator / divisor;
    return value;
}

std::optional<Rational> Rational::fromDecimal(QStringView digits)
{
    const qsizetype point = digits.indexOf(u'.');
    const QStringView fraction = point < 0 ? QStringView() : digits.mid(point + 1);
    const QStringView integer = point < 0 ? digits : digits.left(point);
    if (integer.isEmpty() || (point >= 0 && fraction.isEmpty()))
        return std::nullopt;
    qint64 numerator = 0;
    for (const QStringView part : {integer, fraction}) {
        for (const QChar c : part) {
            if (c < u'0' || c > u'9')
                return std::nullopt;
            const auto shifted = product(numerator, 10);
            const auto next = shifted ? sum(*shifted, c.unicode() - u'0') : std::nullopt;
            if (!next)
                return std::nullopt;
            numerator = *next;
        }
    }
    const auto scale = tenToThe(int(fraction.size()));
    if (!scale)
        return std::nullopt;
    return of(numerator, scale->numerator());
}

QString Rational::toString() const
{
    return isWhole() ? QString::number(m_numerator) : QStringLiteral("%1/%2").arg(m_numerator).arg(m_denominator);
}

std::optional<Rational> operator+(const Rational& a, const Rational& b)
{
    const qint64 divisor = std::gcd(a.denominator(), b.denominator());
    const auto left = product(a.numerator(), b.denominator() / divisor);
    const auto right = product(b.numerator(), a.denominator() / divisor);
    const auto denominator = product(a.denominator() / divisor, b.denominator());
    if (!left || !right || !denominator)
        return std::nullopt;
    const auto numerator = sum(*left, *right);
    return numerator ? Rational::of(*numerator, *denominator) : std::nullopt;
}

std::optional<Rational> operator-(const Rational& a)
{
    return Rational::of(-a.numerator(), a.denominator());
}

std::optional<Rational> operator-(const Rational& a, const Rational& b)
{
    const auto negated = -b;
    return negated ? a + *negated : std::nullopt;
}

std::optional<Rational> operator*(const Rational& a, const Rational& b)
{
    // Cancel across first, so that a product that fits is never refused.
    const qint64 first = std::gcd(a.numerator(), b.denominator());
    const qint64 second = std::gcd(b.numerator(), a.denominator());
    const qint64 firstDivisor = first == 0 ? 1 : first;
    const qint64 secondDivisor = second == 0 ? 1 : second;
    const auto numerator = product(a.numerator() / firstDivisor, b.numerator() / secondDivisor);
    const auto denominator = product(a.denominator() / secondDivisor, b.denominator() / firstDivisor);
    if (!numerator || !denominator)
        return std::nullopt;
    return Rational::of(*numerator, *denominator);
}

std::optional<Rational> operator/(const Rational& a, const Rational& b)
{
    const auto inverse = Rational::of(b.denominator(), b.numerator());
    return inverse ? a * *inverse : std::nullopt;
}

std::optional<Rational> power(const Rational& base, qint64 exponent)
{
    if (exponent < 0) {
        const auto inverse = base.isZero() ? std::nullopt : Rational::of(base.denominator(), base.numerator());
        return inverse && exponent != lowest ? power(*inverse, -exponent) : std::nullopt;
    }
    // Squaring, so that a huge exponent of 1 or -1 takes few steps.
    Rational result = Rational::whole(1);
    Rational factor = base;
    while (exponent > 0) {
        if (exponent & 1) {
            const auto next = result * factor;
            if (!next)
                return std::nullopt;
            result = *next;
        }
        exponent >>= 1;
        if (exponent > 0) {
            const auto squared = factor * factor;
            if (!squared)
                return std::nullopt;
            factor = *squared;
        }
    }
    return result;
}

std::optional<Rational> tenToThe(int exponent)
{
    return exponent < 0 ? std::nullopt : power(Rational::whole(10), exponent);
}

Rational floor(const Rational& value)
{
    return Rational::whole(floorQuotient(value.numerator(), value.denominator()));
}

std::optional<Rational> roundHalfUp(const Rational& value, int decimals)
{
    const auto scale = tenToThe(decimals);
    const auto half = Rational::of(1, 2);
    if (!scale)
        return std::nullopt;
    const Rational size = value.isNegative() ? *(-value) : value;
    const auto scaled = size * *scale;
    const auto shifted = scaled ? *scaled + *half : std::nullopt;
    if (!shifted)
        return std::nullopt;
    const auto rounded = floor(*shifted) / *scale;
    if (!rounded)
        return std::nullopt;
    return value.isNegative() ? -*rounded : rounded;
}

qint64 greatestCommonDivisor(qint64 a, qint64 b)
{
    return std::gcd(a, b);
}

std::optional<qint64> leastCommonMultiple(qint64 a, qint64 b)
{
    if (a == 0 || b == 0)
        return 0;
    const qint64 divisor = std::gcd(a, b);
    const auto multiple = product(a / divisor, b);
    if (!multiple || *multiple == lowest)
        return std::nullopt;
    return *multiple < 0 ? -*multiple : *multiple;
}

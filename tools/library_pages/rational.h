#pragma once

// An exact fraction with 64-bit parts, for checking the answers of the library
// pages. Every operation that could leave the 64-bit range says so instead of
// wrapping around.

#include <QString>
#include <QStringView>

#include <optional>

class Rational {
public:
    Rational() = default;
    static Rational whole(qint64 value);
    // The reduced fraction; nothing for a zero denominator or a part out of range.
    static std::optional<Rational> of(qint64 numerator, qint64 denominator);
    // Digits with an optional decimal point, e.g. "12", "0.375"; nothing if the
    // text is not of that form or too long to hold.
    static std::optional<Rational> fromDecimal(QStringView digits);

    qint64 numerator() const { return m_numerator; }
    qint64 denominator() const { return m_denominator; }
    bool isWhole() const { return m_denominator == 1; }
    bool isZero() const { return m_numerator == 0; }
    bool isNegative() const { return m_numerator < 0; }
    // "7", "-7/3"
    QString toString() const;

    friend bool operator==(const Rational&, const Rational&) = default;

private:
    qint64 m_numerator = 0;
    qint64 m_denominator = 1;
};

// Each gives nothing when the exact result does not fit.
std::optional<Rational> operator+(const Rational& a, const Rational& b);
std::optional<Rational> operator-(const Rational& a, const Rational& b);
std::optional<Rational> operator*(const Rational& a, const Rational& b);
// The divisor must not be zero.
std::optional<Rational> operator/(const Rational& a, const Rational& b);
std::optional<Rational> operator-(const Rational& a);
// A whole exponent, negative allowed; a zero base needs a positive exponent.
std::optional<Rational> power(const Rational& base, qint64 exponent);
std::optional<Rational> tenToThe(int exponent);
Rational floor(const Rational& value);
// To `decimals` places, halves away from zero (so 2.345 -> 2.35 and -2.345 -> -2.35).
std::optional<Rational> roundHalfUp(const Rational& value, int decimals);
// Of whole numbers; the result is never negative.
qint64 greatestCommonDivisor(qint64 a, qint64 b);
std::optional<qint64> leastCommonMultiple(qint64 a, qint64 b);

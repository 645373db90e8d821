#include "fraction_arithmetic.h"

long long greatestCommonDivisor(long long x, long long y)
{
    while (x % y != 0) {
        const long long remainder = x % y;
        x = y;
        y = remainder;
    }
    return y;
}

long long commonDenominator(long long a, long long b)
{
    long long common = b;
    while (a % common != 0 || b % common != 0)
        --common;
    return a * b / common;
}

Fraction reduced(Fraction value)
{
    if (value.numerator == 0)
        return {0, 1};
    const long long sign = value.numerator < 0 ? -1 : 1;
    const long long divisor = greatestCommonDivisor(value.denominator, sign * value.numerator);
    return {value.numerator / divisor, value.denominator / divisor};
}

Fraction calculate(FractionOperation operation, Fraction left, Fraction right)
{
    switch (operation) {
    case FractionOperation::Add:
    case FractionOperation::Subtract: {
        const long long common = commonDenominator(left.denominator, right.denominator);
        const long long leftPart = left.numerator * (common / left.denominator);
        const long long rightPart = right.numerator * (common / right.denominator);
        return reduced({operation == FractionOperation::Add ? leftPart + rightPart : leftPart - rightPart, common});
    }
    case FractionOperation::Multiply:
        return reduced({left.numerator * right.numerator, left.denominator * right.denominator});
    case FractionOperation::Divide: {
        // Multiplied by the reciprocal, its sign moved to the numerator.
        const long long sign = right.numerator < 0 ? -1 : 1;
        return reduced({sign * left.numerator * right.denominator, sign * left.denominator * right.numerator});
    }
    }
    return {};
}

bool isWhole(Fraction value)
{
    return value.numerator % value.denominator == 0;
}

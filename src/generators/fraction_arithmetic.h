#pragma once

// Exact arithmetic on fractions of whole numbers, as the fraction pages need
// it: no floating point anywhere, so a key is never off by a rounding.

enum class FractionOperation { Add, Subtract, Multiply, Divide };

// A fraction with a positive denominator, not necessarily in lowest terms.
struct Fraction {
    long long numerator = 0;
    long long denominator = 1;

    bool operator==(const Fraction&) const = default;
};

// The greatest common divisor by Euclid's method: x and y become y and the
// remainder of x by y until that remainder is 0. Both numbers positive.
long long greatestCommonDivisor(long long x, long long y);

// The least common multiple of two denominators, the common denominator of a
// sum: a × b over the greatest number that divides both, found by trying the
// numbers from b downwards, as a pupil would.
long long commonDenominator(long long a, long long b);

// In lowest terms; 0 stays 0/1.
Fraction reduced(Fraction value);

// The exact result in lowest terms. A sum or difference is taken over the
// common denominator, then reduced; a product or quotient multiplied out, then
// reduced. The divisor of a quotient must not be 0.
Fraction calculate(FractionOperation operation, Fraction left, Fraction right);

bool isWhole(Fraction value);

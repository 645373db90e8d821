#pragma once

// The `calc` expressions of the library pages: numbers, + - * / (also × ÷),
// ^ with a whole exponent, parentheses (also full-width), unary minus and
// gcd(…), lcm(…), round(x, n), floor(x). Evaluated exactly.

#include "rational.h"

#include <QString>

#include <optional>

struct Evaluation {
    std::optional<Rational> value; // set exactly when error is empty
    QString error;
};

Evaluation evaluateExpression(const QString& expression);

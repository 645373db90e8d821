#pragma once

// The `calc` expressions of the library pages, evaluated exactly.
//
// A number: numbers, + - * / (also the full-width ＋ － and × ÷, and the ratio
// sign ∶, so that 3∶5 is 3/5), ^ with a whole exponent, parentheses (also
// full-width), unary minus and the functions abs(x), gcd(…), lcm(…), max(…),
// min(…), mod(a, b), round(x, n), floor(x).
// A relation: two numbers joined by = < > <= >= != (also ＝ ＜ ＞ ≤ ≥ ≠), and
// relations joined by "and" and "or" ("and" binds first).
// In a 选择 item the letter x stands for the value of one choice.

#include "rational.h"

#include <QString>

#include <optional>

struct Evaluation {
    std::optional<Rational> value; // the expression is a number
    std::optional<bool> truth;     // the expression is a relation, or relations joined by and / or
    QString relation;              // of a single relation, its sign: one of < = > ≤ ≥ ≠
    QString error;                 // set exactly when neither value nor truth is
    bool needsChoice = false;      // the error is that x was used without a choice to stand for
};

Evaluation evaluateExpression(const QString& expression, std::optional<Rational> x = std::nullopt);

// The sign of a relation, "＜" or "<=" for instance, as evaluateExpression names
// it in `relation`; empty for a text that is no relation sign.
QString relationSign(QStringView text);

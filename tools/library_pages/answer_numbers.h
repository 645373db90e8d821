#pragma once

// What an answer text shows, for comparing with its `calc` values: its numbers
// and its relation signs, in the order they are written.

#include "rational.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

struct ShownNumber {
    QString text; // as written, e.g. "25%" or "2{1/3}"
    Rational value;
    std::optional<Rational> hundredth; // of a number followed by "%": both readings count

    bool is(const Rational& other) const { return value == other || hundredth == other; }
};

// Whole numbers and decimals ("12", "0.75"), fractions "{3/4}" and mixed
// numbers "2{1/3}" (= 7/3), and the weekdays 星期一 … 星期六 as 1 … 6, 星期日
// (星期天) as 7. A "-" makes a number negative only at the start of
// the text or after a blank or an opening parenthesis, so "5-3" reads as 5 and
// 3. Numbers too long for 64 bits and fractions over zero are left out.
QList<ShownNumber> numbersInText(const QString& text);

// The signs ＞ ＜ ＝ ≤ ≥ ≠ (full-width or not), named as evaluateExpression names them.
QStringList signsInText(const QString& text);

#pragma once

// The numbers an answer text shows, for comparing with its `calc` values.

#include "rational.h"

#include <QList>
#include <QString>

// Whole numbers and decimals ("12", "0.75"), fractions "{3/4}" and mixed
// numbers "2{1/3}" (= 7/3). A number followed by "%" counts as itself and as
// its hundredth. A "-" makes a number negative only at the start of the text or
// after a blank or an opening parenthesis, so "5-3" reads as 5 and 3. Numbers
// too long for 64 bits and fractions over zero are left out.
QList<Rational> numbersInText(const QString& text);

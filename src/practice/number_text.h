#pragma once

#include <QString>

// Every number the program shows or expects is written by these functions.

// The number's digits alone: no blank, shortest form, at most 15 significant
// digits, no trailing zeros and no decimal point for a whole value ("7", "19998", "8.9").
QString decimalText(double value);

// Str(): the decimal text with one leading blank when the value is not negative
// (Str(7) is " 7"), and with its minus sign otherwise.
QString Str(double value);

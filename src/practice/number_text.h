#pragma once

#include <QString>

// Every number the program shows or expects is written by these functions.

// The number's digits alone: no blank, shortest form, at most 15 significant
// digits, no trailing zeros and no decimal point for a whole value ("7", "19998", "8.9").
QString decimalText(double value);

// Str(): the decimal text with one leading blank when the value is not negative
// (Str(7) is " 7"), and with its minus sign otherwise.
QString Str(double value);

// The format patterns ".0" and "0.0": the value rounded to one decimal place,
// with exactly one digit after the point. ".0" writes no digit before the point
// for a value below 1 (".5"); "0.0" writes at least one ("0.5"). An exact half
// rounds away from zero, as pupils learn to round (四舍五入): 1.25 gives 1.3.
QString formatPointZero(double value);
QString formatZeroPointZero(double value);

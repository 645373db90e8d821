#pragma once

#include <QString>

// The answer keys of the decimal page, each operation's answer in the form the
// page writes it.

// A sum or a product: its shortest decimal text (8.9, 9, 5000.2, 23.04). The 15
// significant digits absorb the binary error of the double arithmetic, so the
// key is the exact decimal result.
QString sumOrProductKey(double value);

// A difference: "0" when it is exactly 0, otherwise the format "0.0", rounded
// (5.2, 3.0, 0.4).
QString differenceKey(double value);

// A quotient: its text exactly as it was drawn, always with one decimal (3.0, 10.0).
QString quotientKey(const QString& drawnQuotient);

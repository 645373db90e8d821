#include "number_text.h"

#include <cmath>

QString decimalText(double value)
{
    if (value == 0.0)
        return QStringLiteral("0"); // also for -0.0
    // 15 significant digits absorb the binary error of sums such as 0.1 + 0.2.
    return QString::number(value, 'g', 15);
}

QString Str(double value)
{
    const QString digits = decimalText(value);
    return digits.startsWith(u'-') ? digits : u' ' + digits;
}

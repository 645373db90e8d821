#include "decimal_keys.h"

#include "number_text.h"

QString sumOrProductKey(double value)
{
    return decimalText(value);
}

QString differenceKey(double value)
{
    return value == 0.0 ? QStringLiteral("0") : formatZeroPointZero(value);
}

QString quotientKey(const QString& drawnQuotient)
{
    return drawnQuotient;
}

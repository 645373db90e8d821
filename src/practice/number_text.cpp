#include "number_text.h"

#include <cmath>

namespace {

QString oneDecimal(double value, bool digitBeforePoint)
{
    if (!std::isfinite(value))
        return QString::number(value); // "inf", "nan": no decimal form to give
    // Ten times a single-precision value (what the operand draws round) is
    // exact in a double, so an exact half such as 1.25 is seen as one; the
    // differences rounded here lie far from any half.
    const double tenths = std::round(std::abs(value) * 10.0); // halves away from zero
    const QString digits = QString::number(tenths, 'f', 0);
    QString whole = digits.chopped(1);
    if (whole.isEmpty() && digitBeforePoint)
        whole = QStringLiteral("0");
    const QString sign = value < 0 && tenths > 0 ? QStringLiteral("-") : QString();
    return sign + whole + u'.' + digits.back();
}

} // namespace

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

QString formatPointZero(double value)
{
    return oneDecimal(value, false);
}

QString formatZeroPointZero(double value)
{
    return oneDecimal(value, true);
}

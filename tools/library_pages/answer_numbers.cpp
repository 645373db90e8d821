#include "answer_numbers.h"

#include <QRegularExpression>

namespace {

bool opensNegative(const QString& text, qsizetype minusPosition)
{
    if (minusPosition == 0)
        return true;
    const QChar before = text[minusPosition - 1];
    return before == u' ' || before == u'\u3000' || before == u'（' || before == u'(';
}

std::optional<Rational> fraction(const QString& numerator, const QString& denominator)
{
    const auto top = Rational::fromDecimal(numerator);
    const auto bottom = Rational::fromDecimal(denominator);
    if (!top || !bottom || bottom->isZero())
        return std::nullopt;
    return *top / *bottom;
}

// The value of one match: a mixed number, a plain number or a fraction.
std::optional<Rational> matchedValue(const QRegularExpressionMatch& match)
{
    if (match.hasCaptured(u"mixed")) {
        const auto whole = Rational::fromDecimal(match.captured(u"mixed"));
        const auto part = fraction(match.captured(u"mixedTop"), match.captured(u"mixedBottom"));
        return whole && part ? *whole + *part : std::nullopt;
    }
    if (match.hasCaptured(u"plain"))
        return Rational::fromDecimal(match.captured(u"plain"));
    return fraction(match.captured(u"top"), match.captured(u"bottom"));
}

} // namespace

QList<Rational> numbersInText(const QString& text)
{
    static const QRegularExpression number(QStringLiteral(
        "(?<minus>[-−])?"
        "(?:(?<mixed>[0-9]+)\\{(?<mixedTop>[0-9]+)/(?<mixedBottom>[0-9]+)\\}"
        "|(?<plain>[0-9]+(?:\\.[0-9]+)?)"
        "|\\{(?<top>[0-9]+)/(?<bottom>[0-9]+)\\})"
        "(?<percent>[%％])?"));
    QList<Rational> numbers;
    for (auto matches = number.globalMatch(text); matches.hasNext();) {
        const QRegularExpressionMatch match = matches.next();
        auto value = matchedValue(match);
        if (value && match.hasCaptured(u"minus") && opensNegative(text, match.capturedStart(u"minus")))
            value = -*value;
        if (!value)
            continue;
        numbers.append(*value);
        if (match.hasCaptured(u"percent")) {
            const auto hundredth = *value / Rational::whole(100);
            if (hundredth)
                numbers.append(*hundredth);
        }
    }
    return numbers;
}

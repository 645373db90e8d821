#include "answer_numbers.h"

#include "expression.h"

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

// The value of one match: a weekday, a mixed number, a plain number or a fraction.
std::optional<Rational> matchedValue(const QRegularExpressionMatch& match)
{
    if (match.hasCaptured(u"weekday")) {
        static const QString days = QStringLiteral("一二三四五六日");
        const QChar day = match.captured(u"weekday").front();
        return Rational::whole(day == u'天' ? 7 : days.indexOf(day) + 1);
    }
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

QList<ShownNumber> numbersInText(const QString& text)
{
    static const QRegularExpression number(QStringLiteral(
        "星期(?<weekday>[一二三四五六日天])"
        "|(?<minus>[-−－])?"
        "(?:(?<mixed>[0-9]+)\\{(?<mixedTop>[0-9]+)/(?<mixedBottom>[0-9]+)\\}"
        "|(?<plain>[0-9]+(?:\\.[0-9]+)?)"
        "|\\{(?<top>[0-9]+)/(?<bottom>[0-9]+)\\})"
        "(?<percent>[%％])?"));
    QList<ShownNumber> numbers;
    for (auto matches = number.globalMatch(text); matches.hasNext();) {
        const QRegularExpressionMatch match = matches.next();
        auto value = matchedValue(match);
        const bool negative = match.hasCaptured(u"minus") && opensNegative(text, match.capturedStart(u"minus"));
        if (value && negative)
            value = -*value;
        if (!value)
            continue;
        ShownNumber shown{match.captured().mid(match.hasCaptured(u"minus") && !negative ? 1 : 0), *value, std::nullopt};
        if (match.hasCaptured(u"percent"))
            shown.hundredth = *value / Rational::whole(100);
        numbers.append(shown);
    }
    return numbers;
}

QStringList signsInText(const QString& text)
{
    QStringList signs;
    for (qsizetype i = 0; i < text.size(); ++i) {
        // "<=" is one sign, not "<" and "=".
        const QString pair = relationSign(QStringView(text).mid(i, 2));
        const QString sign = pair.isEmpty() ? relationSign(QStringView(text).mid(i, 1)) : pair;
        if (sign.isEmpty())
            continue;
        signs.append(sign);
        i += pair.isEmpty() ? 0 : 1;
    }
    return signs;
}

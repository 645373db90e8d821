#include "marking.h"

#include <QRegularExpression>

namespace {

// The full-width forms a Chinese input method types for characters of an answer.
bool isFullWidthTwin(QChar c)
{
    const char16_t u = c.unicode();
    return (u >= u'０' && u <= u'９') || (u >= u'Ａ' && u <= u'Ｚ') || (u >= u'ａ' && u <= u'ｚ') || u == u'：'
        || u == u'．' || u == u'／' || u == u'－';
}

struct DecimalNumeral {
    QString whole;
    QString decimals; // without trailing zeros
    int typedDecimals = 0;
};

std::optional<DecimalNumeral> parseDecimal(const QString& text)
{
    static const QRegularExpression plain(QStringLiteral("^(0|[1-9][0-9]*)(?:\\.([0-9]+))?$"));
    const QRegularExpressionMatch match = plain.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    QString decimals = match.captured(2);
    const int typed = int(decimals.size());
    while (decimals.endsWith(u'0'))
        decimals.chop(1);
    return DecimalNumeral{match.captured(1), decimals, typed};
}

} // namespace

QString normalizedAnswer(const QString& typed)
{
    QString result;
    result.reserve(typed.size());
    for (const QChar c : typed.trimmed())
        result += isFullWidthTwin(c) ? QString(c).normalized(QString::NormalizationForm_KC) : QString(c);
    return result;
}

bool sameDecimalValue(const QString& typed, const QString& key, int maxDecimals)
{
    const auto answer = parseDecimal(normalizedAnswer(typed));
    const auto expected = parseDecimal(key);
    if (!answer || !expected || (maxDecimals >= 0 && answer->typedDecimals > maxDecimals))
        return false;
    return answer->whole == expected->whole && answer->decimals == expected->decimals;
}

bool isRight(const QString& typed, const QString& key, AnswerForm form)
{
    if (key.isEmpty())
        return false;
    switch (form) {
    case AnswerForm::DecimalValue:
        return sameDecimalValue(typed, key);
    case AnswerForm::DecimalValueTwoPlacesMax:
        return sameDecimalValue(typed, key, 2);
    case AnswerForm::ExactText:
        break;
    }
    return normalizedAnswer(typed) == key;
}

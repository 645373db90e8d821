#include "choices.h"

#include "expression.h"

#include <QRegularExpression>

#include <cstdlib>

namespace {

// "7:30" and "8 时 30 分" in hours, "1 元 3 角" in yuan.
std::optional<Rational> compoundQuantity(const QString& text)
{
    static const struct {
        QRegularExpression pattern;
        qint64 partsInWhole;
    } quantities[] = {
        {QRegularExpression(QStringLiteral("^(\\d+)\\s*(?::|时)\\s*(\\d+)\\s*分?$")), 60},
        {QRegularExpression(QStringLiteral("^(\\d+)\\s*元\\s*(\\d+)\\s*角$")), 10},
    };
    for (const auto& quantity : quantities) {
        const QRegularExpressionMatch match = quantity.pattern.match(text);
        if (!match.hasMatch())
            continue;
        const auto whole = Rational::fromDecimal(match.captured(1));
        const auto parts = Rational::fromDecimal(match.captured(2));
        const auto fraction = parts ? *parts / Rational::whole(quantity.partsInWhole) : std::nullopt;
        return whole && fraction ? *whole + *fraction : std::nullopt;
    }
    return std::nullopt;
}

// A text's fractions "{3/4}" and mixed numbers "2{1/3}" as parts of an expression.
QString withPlainFractions(QString text)
{
    static const QRegularExpression mixed(QStringLiteral("(\\d+)\\{(\\d+)/(\\d+)\\}"));
    static const QRegularExpression fraction(QStringLiteral("\\{(\\d+)/(\\d+)\\}"));
    return text.replace(mixed, QStringLiteral("(\\1+\\2/\\3)")).replace(fraction, QStringLiteral("(\\1/\\2)"));
}

// A direction as a bearing in degrees, clockwise from north: "东南" is 135,
// "南偏西 30°" is 210.
std::optional<Rational> bearing(const QString& text)
{
    static const QString points = QStringLiteral("北东南西");
    static const QRegularExpression direction(QStringLiteral("^([东南西北])([东南西北])?$"));
    static const QRegularExpression turned(QStringLiteral("^([东南西北])偏([东南西北])\\s*(\\d+)°$"));
    const auto degrees = [](QStringView point) { return 90 * int(points.indexOf(point)); };
    if (const QRegularExpressionMatch match = direction.match(text); match.hasMatch()) {
        if (!match.hasCaptured(2))
            return Rational::whole(degrees(match.capturedView(1)));
        const int first = degrees(match.capturedView(1));
        const int second = degrees(match.capturedView(2));
        // 东北 lies between 0 and 90, 西北 between 270 and 360.
        return Rational::whole(std::abs(first - second) == 270 ? 315 : (first + second) / 2);
    }
    const QRegularExpressionMatch match = turned.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    const int from = degrees(match.capturedView(1));
    const int towards = degrees(match.capturedView(2));
    const int angle = match.captured(3).toInt();
    const int turn = (towards - from + 360) % 360 == 90 ? angle : -angle;
    return Rational::whole(((from + turn) % 360 + 360) % 360);
}

// The value of a choice: its text read as an expression ("5＋3", "12÷{3/4}",
// "2∶3"), as a time, a sum of money or a direction, or else the one number it
// shows ("16 厘米", "95%").
std::optional<ShownNumber> choiceValue(const QString& text)
{
    const Evaluation evaluation = evaluateExpression(withPlainFractions(text));
    if (evaluation.value)
        return ShownNumber{text, *evaluation.value, std::nullopt};
    if (const auto quantity = compoundQuantity(text))
        return ShownNumber{text, *quantity, std::nullopt};
    if (const auto degrees = bearing(text))
        return ShownNumber{text, *degrees, std::nullopt};
    const QList<ShownNumber> numbers = numbersInText(text);
    return numbers.size() == 1 ? std::optional(numbers.front()) : std::nullopt;
}

// The comparison that a choice's words name: "大" is >, "小于" is <, "不变" is =.
QString comparingSign(const QString& text)
{
    static const QList<std::pair<QStringList, QString>> words = {
        {{QStringLiteral("大"), QStringLiteral("大于"), QStringLiteral("高了"), QStringLiteral("变大")}, QStringLiteral(">")},
        {{QStringLiteral("小"), QStringLiteral("小于"), QStringLiteral("低了"), QStringLiteral("变小")}, QStringLiteral("<")},
        {{QStringLiteral("相等"), QStringLiteral("等于"), QStringLiteral("不变")}, QStringLiteral("=")},
    };
    for (const auto& [names, sign] : words)
        if (names.contains(text))
            return sign;
    return {};
}

} // namespace

QList<Choice> readChoices(const QStringList& choices)
{
    static const QRegularExpression label(QStringLiteral("^([A-Z])[.．、]\\s*"));
    QList<Choice> read;
    for (const QString& choice : choices) {
        const QRegularExpressionMatch match = label.match(choice);
        const QString text = choice.mid(match.capturedLength());
        read.append({match.captured(1), text, choiceValue(text), comparingSign(text)});
    }
    return read;
}


// 分数转小数 on page 2: a fraction written as a decimal with two decimals,
// rounded half up. The question says "=" when two decimals give the value
// exactly (3/4 = 0.75) and "≈" when they round it (1/3 ≈ 0.33).

#include "myframe17_pages.h"

#include "fraction_arithmetic.h"
#include "main_form.h"
#include "number_text.h"
#include "practice_pages.h"
#include "question_page.h"

#include <algorithm>
#include <iterator>
#include <vector>

namespace {

// Proper: numerators 1..d − 1. Improper: d + 1..4d. Either way in lowest
// terms, the numerator drawn again until it is; so never a whole number.
enum class Numerators { Proper, Improper };

struct FractionToDecimalType {
    const char* name;
    std::vector<int> denominators; // each as likely
    Numerators numerators;
};

const FractionToDecimalType types[] = {
    // Denominators of 100: every answer is exact.
    {"分数转小数（简单）", {2, 4, 5, 10, 20, 25}, Numerators::Proper},
    {"分数转小数（中等）", {3, 4, 5, 6, 7, 8, 9, 10, 11, 12}, Numerators::Proper},
    {"分数转小数（较难）", {2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}, Numerators::Improper},
};

Fraction drawFraction(const FractionToDecimalType& type, RandomSource& random)
{
    const int denominator = type.denominators[draw(random, int(type.denominators.size()), 0)];
    auto drawNumerator = [&] {
        return type.numerators == Numerators::Proper ? draw(random, denominator - 1, 1)
                                                     : draw(random, 3 * denominator, denominator + 1);
    };
    int numerator = drawNumerator();
    while (greatestCommonDivisor(denominator, numerator) != 1)
        numerator = drawNumerator();
    return {numerator, denominator};
}

bool exactInTwoDecimals(Fraction value)
{
    return value.numerator * 100 % value.denominator == 0;
}

// The value rounded half up to hundredths, written with exactly two decimals
// ("0.38" for 3/8, "0.50" for 1/2); worked out in whole numbers.
QString twoDecimals(Fraction value)
{
    const long long hundredths = (200 * value.numerator + value.denominator) / (2 * value.denominator);
    return QStringLiteral("%1.%2").arg(hundredths / 100).arg(hundredths % 100, 2, 10, QLatin1Char('0'));
}

QString question(Fraction value)
{
    return decimalText(double(value.numerator)) + u'/' + decimalText(double(value.denominator))
        + (exactInTwoDecimals(value) ? QStringLiteral(" = (") : QStringLiteral(" ≈ ("));
}

constexpr int boxGap = 100;

} // namespace

bool buildFractionToDecimalPage(MainForm& form, const QString& name)
{
    const auto type = std::find_if(std::begin(types), std::end(types),
                                   [&](const FractionToDecimalType& t) { return name == QString::fromUtf8(t.name); });
    if (type == std::end(types))
        return false;
    form.openPage(2, name);
    form.Label31.visible = true; // the rounding hint
    const auto fractions = drawQuestions<Fraction>([&] { return drawFraction(*type, form.random()); }, OnAPage::Distinct);
    for (int i = 0; i < 10; ++i) {
        form.Label5[i].setCaption(question(fractions[i]));
        PlaceAnswerBox(form, i, boxGap);
        form.state.mainKey[i] = twoDecimals(fractions[i]);
        // An exact value may be typed as any equal decimal of at most two
        // decimals (0.5 for 0.50, 2 for 2.00); a rounded one only as its two decimals.
        if (exactInTwoDecimals(fractions[i]))
            form.state.answerForms[i] = AnswerForm::DecimalValueTwoPlacesMax;
        form.Label6[i].setCaption(QStringLiteral(")"));
    }
    return true;
}

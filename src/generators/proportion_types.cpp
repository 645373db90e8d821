// 解比例 on page 8: a proportion of whole numbers with one unknown term x,
// such as 6 ∶ 9 = 10 ∶ x. It is made from a ratio p ∶ q in lowest terms and
// two different multipliers m and n as mp ∶ mq = np ∶ nq, so that the pupil
// has to cross-multiply and every answer is a whole number.

#include "myframe17_pages.h"

#include "fraction_arithmetic.h"
#include "main_form.h"
#include "number_text.h"
#include "question_page.h"

#include <algorithm>
#include <array>
#include <iterator>

namespace {

// AnyTerm: the unknown stands in any of the four terms, each as likely.
enum class Unknown { LastTerm, AnyTerm };

struct ProportionType {
    const char* name;
    Unknown unknown;
    bool twoDigitTerms; // every term 10..99
};

const ProportionType types[] = {
    {"解比例（简单）", Unknown::LastTerm, false},
    {"解比例（中等）", Unknown::AnyTerm, false},
    {"解比例（较难）", Unknown::AnyTerm, true},
};

struct Proportion {
    std::array<int, 4> terms;
    int unknown; // the index of the term written as x

    bool operator==(const Proportion&) const = default;
};

bool fits(const ProportionType& type, const Proportion& proportion)
{
    return !type.twoDigitTerms
        || std::all_of(proportion.terms.begin(), proportion.terms.end(), [](int term) { return term >= 10 && term <= 99; });
}

// p and q from 2..9, drawn again until in lowest terms; m and n from 2..12,
// drawn again until they differ; all four again while a term breaks the type's bound.
Proportion drawProportion(const ProportionType& type, RandomSource& random)
{
    Proportion proportion;
    do {
        int p = 0, q = 0;
        do {
            p = draw(random, 8, 2);
            q = draw(random, 8, 2);
        } while (greatestCommonDivisor(p, q) != 1);
        int m = 0, n = 0;
        do {
            m = draw(random, 11, 2);
            n = draw(random, 11, 2);
        } while (m == n);
        proportion.terms = {m * p, m * q, n * p, n * q};
    } while (!fits(type, proportion));
    proportion.unknown = type.unknown == Unknown::LastTerm ? 3 : draw(random, 4, 0);
    return proportion;
}

QString question(const Proportion& proportion)
{
    auto term = [&](int index) {
        return index == proportion.unknown ? QStringLiteral("x") : decimalText(proportion.terms[index]);
    };
    return QStringLiteral("解比例：") + term(0) + QStringLiteral(" ∶ ") + term(1) + QStringLiteral(" = ") + term(2)
        + QStringLiteral(" ∶ ") + term(3) + QStringLiteral("    x = （");
}

constexpr int markGap = 100;

} // namespace

bool buildProportionPage(MainForm& form, const QString& name)
{
    const auto type = std::find_if(std::begin(types), std::end(types),
                                   [&](const ProportionType& t) { return name == QString::fromUtf8(t.name); });
    if (type == std::end(types))
        return false;
    form.openPage(8, name);
    const auto proportions = drawQuestions<Proportion>([&] { return drawProportion(*type, form.random()); }, OnAPage::Distinct);
    for (int i = 0; i < 10; ++i) {
        form.Label27[i].setCaption(question(proportions[i]));
        form.Label28[i].setCaption(QStringLiteral("）"));
        placeBehind(form.Text11[i].rect, form.Label27[i].rect);
        placeBehind(form.Label28[i].rect, form.Text11[i].rect);
        placeBehind(form.Label29[i].rect, form.Label28[i].rect, markGap);
        form.state.mainKey[i] = decimalText(proportions[i].terms[proportions[i].unknown]);
    }
    return true;
}

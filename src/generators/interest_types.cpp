// Interest on savings: word problems that give the principal, the term and
// the annual rate and ask for the interest in yuan.

#include "divisors_tab.h"

#include "main_form.h"
#include "number_text.h"

#include <algorithm>
#include <iterator>

namespace {

// Demand deposits in these problems are kept 1..11 months (Int(Rnd × 11) + 1).
constexpr int demandMonthsAtMost = 11;

// One exercise type: a deposit term with its annual rate, and the principals
// asked, step × (Int(Rnd × n) + m) yuan. The interest is principal × rate ×
// months / 1200 fen with the rate in hundredths of a percent; every step
// makes it whole fen for every term it is asked with (checked below).
//
// The rates are the benchmark deposit rates of the People's Bank of China
// from 24 October 2015, which current textbooks use. No five-year benchmark
// has been published since 2014: five years at 2.75%, the three-year rate, is
// our choice. Interest has not been taxed since 2008, so nothing is deducted.
struct InterestType {
    const char* name;
    const char* term; // how long it is fixed for (整存整取); nullptr: a demand deposit (活期)
    int months;       // the fixed term; a demand deposit draws its months
    int rate;         // hundredths of a percent a year: 275 is 2.75%
    int step;         // yuan
    int n;
    int m;
};

constexpr InterestType types[] = {
    // name            term      months  rate  step  n    m          principal
    {"活期利息计算", nullptr,  0,      35,   1200, 10,  1},  // 1200..12000
    {"三月整存利息", "三个月", 3,      110,  200,  246, 5},  // 1000..50000
    {"六月整存利息", "六个月", 6,      130,  100,  491, 10}, // 1000..50000
    {"一年整存利息", "一年",   12,     150,  100,  491, 10},
    {"二年整存利息", "二年",   24,     210,  100,  491, 10},
    {"三年整存利息", "三年",   36,     275,  100,  491, 10},
    {"五年整存利息", "五年",   60,     275,  100,  491, 10},
};

constexpr long long interestNumerator(int principal, int rate, int months)
{
    return static_cast<long long>(principal) * rate * months;
}

// The interest is linear in the principal, so a whole number of fen on one
// step is whole on every multiple of it.
constexpr bool everyInterestIsWholeFen()
{
    for (const InterestType& type : types) {
        const int fewest = type.term ? type.months : 1;
        const int most = type.term ? type.months : demandMonthsAtMost;
        for (int months = fewest; months <= most; ++months)
            if (interestNumerator(type.step, type.rate, months) % 1200 != 0)
                return false;
    }
    return true;
}
static_assert(everyInterestIsWholeFen());

// Who saves: the people of a pupil's family and class, two characters each,
// so that the longest question still fits its row.
constexpr const char* savers[] = {"妈妈", "爸爸", "爷爷", "奶奶", "小明", "小红", "小华", "小丽"};

// Room for "6874.75", the longest interest, in the window's font.
constexpr int boxWidth = 1050;

// The sum a question asks about; a page asks about ten different ones.
struct Deposit {
    int principal; // yuan
    int months;

    bool operator==(const Deposit&) const = default;
};

Deposit drawDeposit(const InterestType& type, RandomSource& random)
{
    const int principal = type.step * draw(random, type.n, type.m);
    return {principal, type.term ? type.months : draw(random, demandMonthsAtMost, 1)};
}

TopicQuestion question(const InterestType& type, const Deposit& deposit, const char* saver)
{
    const QString opening = QString::fromUtf8(saver) + QStringLiteral("把") + Str(deposit.principal) + QStringLiteral(" 元");
    const QString rate = QStringLiteral("年利率") + Str(type.rate / 100.0) + QStringLiteral("%");
    const QString before = type.term ? opening + QStringLiteral("整存整取") + QString::fromUtf8(type.term)
                                           + QStringLiteral("，") + rate + QStringLiteral("，到期利息（")
                                     : opening + QStringLiteral("存成活期，") + rate + QStringLiteral("，存")
                                           + Str(deposit.months) + QStringLiteral(" 个月，利息（");
    const long long fen = interestNumerator(deposit.principal, type.rate, deposit.months) / 1200;
    // A whole number of fen has at most two decimals in yuan, which the
    // shortest decimal text writes back exactly.
    return {before, QStringLiteral("）元"), decimalText(double(fen) / 100)};
}

} // namespace

bool interestPage(MainForm& form, const QString& name)
{
    const auto type = std::find_if(std::begin(types), std::end(types),
                                   [&](const InterestType& t) { return name == QString::fromUtf8(t.name); });
    if (type == std::end(types))
        return false;
    openDivisorsTabPage(form, 8, topicCaption(name, "在括号内填入适当的数"));
    RandomSource& random = form.random();
    const auto deposits = differentItems<Deposit>([&](int) { return drawDeposit(*type, random); });
    TopicQuestions questions;
    for (int i = 0; i < 10; ++i)
        questions[i] = question(*type, deposits[i], savers[draw(random, int(std::size(savers)))]);
    writeTopicRows(form, questions, boxWidth);
    // "412.50" is as right as "412.5": the value counts, to the fen.
    form.state.answerForms.fill(AnswerForm::DecimalValueTwoPlacesMax);
    return true;
}

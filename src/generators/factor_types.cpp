// 分解因数: a number written as the product of its prime factors, in
// ascending order, one factor hidden behind the box.

#include "divisors_tab.h"

#include "main_form.h"
#include "number_text.h"

#include <QStringList>

#include <algorithm>
#include <iterator>
#include <vector>

namespace {

// The number is Int(Rnd × n) + m, drawn again until it has at least three
// prime factors (counted with repeats: 8 = 2 × 2 × 2), none above 19.
struct FactorType {
    const char* name;
    int n;
    int m;
};

const FactorType types[] = {
    // name                n    m
    {"分解因数（简单）", 43,  8},   // 8..50
    {"分解因数（中等）", 150, 51},  // 51..200
    {"分解因数（较难）", 800, 201}, // 201..1000
};

constexpr int fewestPrimeFactors = 3;
constexpr int largestPrimeFactor = 19;
constexpr int boxWidth = 900;

// The prime factors of n ≥ 2, smallest first, each as often as it divides n.
std::vector<int> primeFactors(int n)
{
    std::vector<int> factors;
    for (int p = 2; p * p <= n; ++p)
        for (; n % p == 0; n /= p)
            factors.push_back(p);
    if (n > 1)
        factors.push_back(n);
    return factors;
}

bool isAsked(const std::vector<int>& factors)
{
    return int(factors.size()) >= fewestPrimeFactors && factors.back() <= largestPrimeFactor;
}

int drawNumber(const FactorType& type, RandomSource& random)
{
    for (;;) {
        const int number = draw(random, type.n, type.m);
        if (isAsked(primeFactors(number)))
            return number;
    }
}

// "把 60 分解质因数：60 = 2 × 2 ×（" … "）× 5" with the factor at `hidden` behind the box.
TopicQuestion question(int number, std::size_t hidden)
{
    const std::vector<int> factors = primeFactors(number);
    QString before = QStringLiteral("把") + Str(number) + QStringLiteral(" 分解质因数：") + decimalText(number)
        + QStringLiteral(" =");
    for (std::size_t j = 0; j < hidden; ++j)
        before += Str(factors[j]) + QStringLiteral(" ×");
    QStringList after;
    for (std::size_t j = hidden + 1; j < factors.size(); ++j)
        after.append(QStringLiteral("× ") + decimalText(factors[j]));
    return {before + QStringLiteral("（"), QStringLiteral("）") + after.join(u' '), decimalText(factors[hidden])};
}

} // namespace

bool factorPage(MainForm& form, const QString& name)
{
    const auto type = std::find_if(std::begin(types), std::end(types),
                                   [&](const FactorType& t) { return name == QString::fromUtf8(t.name); });
    if (type == std::end(types))
        return false;
    openDivisorsTabPage(form, 8, topicCaption(name, "在括号内填入适当的质数"));
    RandomSource& random = form.random();
    // A page asks about ten different numbers; which factor hides is drawn after.
    const auto numbers = differentItems<int>([&](int) { return drawNumber(*type, random); });
    TopicQuestions questions;
    for (int i = 0; i < 10; ++i) {
        const auto factorCount = int(primeFactors(numbers[i]).size());
        questions[i] = question(numbers[i], std::size_t(draw(random, factorCount)));
    }
    writeTopicRows(form, questions, boxWidth);
    return true;
}

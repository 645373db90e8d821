#include "answer_check.h"

#include "answer_numbers.h"
#include "choices.h"
#include "expression.h"
#include "page_renderer.h"

#include <QRegularExpression>

#include <algorithm>
#include <optional>

namespace {

const QString trueMark = QStringLiteral("√");
const QString falseMark = QStringLiteral("×");

// A value as a teacher writes it: 7, 0.375, 2/3.
QString written(const Rational& value)
{
    if (value.isWhole())
        return value.toString();
    for (int places = 1; places <= 18; ++places) {
        const auto scale = tenToThe(places);
        const auto scaled = scale ? value * *scale : std::nullopt;
        if (!scaled)
            break;
        if (scaled->isWhole()) {
            QString digits = QString::number(scaled->numerator() < 0 ? -scaled->numerator() : scaled->numerator())
                                 .rightJustified(places + 1, u'0');
            digits.insert(digits.size() - places, u'.');
            return (value.isNegative() ? QStringLiteral("-") : QString()) + digits;
        }
    }
    return value.toString();
}

QString quoted(const QString& calc)
{
    return QStringLiteral("calc “%1”").arg(calc);
}

// A calc that only copies a number of the question computes nothing.
bool isCopiedNumber(const QString& calc)
{
    static const QRegularExpression number(QStringLiteral("^\\s*-?[0-9]+(\\.[0-9]+)?\\s*$"));
    return number.match(calc).hasMatch();
}

QString describe(const Choice& choice)
{
    if (!choice.value || written(choice.value->value) == choice.text)
        return QStringLiteral("%1 (%2)").arg(choice.letter, choice.text);
    return QStringLiteral("%1 (%2 = %3)").arg(choice.letter, choice.text, written(choice.value->value));
}

QString describeAll(const QList<Choice>& choices, const QList<qsizetype>& which)
{
    QStringList texts;
    for (const qsizetype i : which)
        texts.append(describe(choices[i]));
    return texts.join(QStringLiteral(" and "));
}

struct Selection {
    QList<qsizetype> chosen; // the choices that the calc picks
    QString how;             // "calc “7+2” gives 9", for the messages
    QString problem;         // set when the calc picks nothing at all
};

// A calc picks by value (the choices equal to its number), by condition (the
// choices whose value x meets it) or by comparison (the choices whose words
// name the relation that holds, "9+6>14" picking 大).
Selection select(const QList<Choice>& choices, const QString& calc)
{
    const Evaluation plain = evaluateExpression(calc);
    Selection selection;
    if (!plain.error.isEmpty() && !plain.needsChoice) {
        selection.problem = QStringLiteral("%1: %2").arg(quoted(calc), plain.error);
    } else if (plain.value) {
        selection.how = QStringLiteral("%1 gives %2").arg(quoted(calc), written(*plain.value));
        for (qsizetype i = 0; i < choices.size(); ++i)
            if (choices[i].value && choices[i].value->is(*plain.value))
                selection.chosen.append(i);
    } else if (plain.needsChoice) {
        selection.how = QStringLiteral("%1 holds").arg(quoted(calc));
        for (qsizetype i = 0; i < choices.size() && selection.problem.isEmpty(); ++i) {
            if (!choices[i].value)
                continue;
            // A percent is the number it stands for: x of "95%" is 0.95.
            const Evaluation condition = evaluateExpression(calc, choices[i].value->hundredth.value_or(choices[i].value->value));
            if (!condition.error.isEmpty())
                selection.problem = QStringLiteral("%1: %2").arg(quoted(calc), condition.error);
            else if (!condition.truth)
                selection.problem = QStringLiteral("%1 speaks of x but is no condition such as “x<1”").arg(quoted(calc));
            else if (*condition.truth)
                selection.chosen.append(i);
        }
    } else if (plain.relation.isEmpty()) {
        selection.problem = QStringLiteral("%1 joins relations with and / or, which no choice can name").arg(quoted(calc));
    } else if (!*plain.truth) {
        selection.problem = QStringLiteral("%1 does not hold").arg(quoted(calc));
    } else {
        selection.how = QStringLiteral("%1 holds with %2").arg(quoted(calc), plain.relation);
        for (qsizetype i = 0; i < choices.size(); ++i)
            if (choices[i].sign == plain.relation)
                selection.chosen.append(i);
    }
    return selection;
}

// A 选择 item: its one calc must pick the answer's choice and no other.
void checkChoice(const QString& answer, const QStringList& choiceTexts, const QString& calc, QStringList& problems)
{
    const QList<Choice> choices = readChoices(choiceTexts);
    const auto answered = std::find_if(choices.begin(), choices.end(),
                                       [&](const Choice& choice) { return choice.letter == answer.trimmed(); });
    if (answered == choices.end())
        return problems.append(QStringLiteral("the answer “%1” is not the letter of a choice").arg(answer));
    const qsizetype right = answered - choices.begin();

    Selection selection = select(choices, calc);
    if (!selection.problem.isEmpty())
        return problems.append(selection.problem);
    if (selection.chosen == QList<qsizetype>{right})
        return;
    const QString shown = describe(choices[right]);
    if (selection.chosen.removeOne(right))
        return problems.append(QStringLiteral("the answer is %1, but %2 for %3 too")
                                   .arg(shown, selection.how, describeAll(choices, selection.chosen)));
    if (selection.chosen.isEmpty())
        return problems.append(QStringLiteral("the answer is %1, but %2, which fits no choice").arg(shown, selection.how));
    problems.append(QStringLiteral("the answer is %1, but %2, which fits %3")
                        .arg(shown, selection.how, describeAll(choices, selection.chosen)));
}

// A 判断 item: its one calc is the statement's truth.
void checkJudgement(const QString& answer, const QString& calc, QStringList& problems)
{
    const Evaluation evaluation = evaluateExpression(calc);
    if (!evaluation.error.isEmpty())
        return problems.append(QStringLiteral("%1: %2").arg(quoted(calc), evaluation.error));
    if (!evaluation.truth)
        return problems.append(QStringLiteral("the answer is %1, which needs a relation such as “9-3=5”, but %2 gives the number %3")
                                   .arg(answer, quoted(calc), written(*evaluation.value)));
    const QString expected = *evaluation.truth ? trueMark : falseMark;
    if (answer.trimmed() != expected)
        return problems.append(QStringLiteral("the answer is %1, but %2 is %3, which is %4")
                                   .arg(answer.trimmed(), quoted(calc), *evaluation.truth ? QStringLiteral("true") : QStringLiteral("false"),
                                        expected));
}

struct Bound {
    QString calc;
    Rational value;   // of a number
    QString relation; // of a relation
};

QString listed(const QStringList& texts)
{
    return texts.isEmpty() ? QStringLiteral("none") : texts.join(QStringLiteral(", "));
}

// Any other item: the numbers of the answer and its relation signs, each in
// the order written, pair up one to one with the calcs that give a number and
// the calcs that give a relation.
void checkNumbersAndSigns(const QString& answer, const QStringList& calc, QStringList& problems)
{
    QList<Bound> numbers, relations;
    for (const QString& expression : calc) {
        const Evaluation evaluation = evaluateExpression(expression);
        if (!evaluation.error.isEmpty())
            problems.append(QStringLiteral("%1: %2").arg(quoted(expression), evaluation.error));
        else if (evaluation.value)
            numbers.append({expression, *evaluation.value, {}});
        else if (evaluation.relation.isEmpty())
            problems.append(QStringLiteral("%1 joins relations with and / or, which only a 判断 answer (√ or ×) can show")
                                .arg(quoted(expression)));
        else if (!*evaluation.truth)
            problems.append(QStringLiteral("%1 does not hold").arg(quoted(expression)));
        else
            relations.append({expression, {}, evaluation.relation});
    }
    if (!problems.isEmpty())
        return;

    if (!numbers.isEmpty()) {
        const QList<ShownNumber> shown = numbersInText(answer);
        if (shown.size() != numbers.size()) {
            QStringList shownTexts, values;
            for (const ShownNumber& number : shown)
                shownTexts.append(number.text);
            for (const Bound& bound : numbers)
                values.append(written(bound.value));
            return problems.append(QStringLiteral("the answer shows %1 number(s) (%2), but the calcs give %3 (%4)")
                                       .arg(shown.size())
                                       .arg(listed(shownTexts))
                                       .arg(numbers.size())
                                       .arg(listed(values)));
        }
        for (qsizetype i = 0; i < shown.size(); ++i)
            if (!shown[i].is(numbers[i].value))
                problems.append(QStringLiteral("number %1 of the answer is %2, but %3 gives %4")
                                    .arg(i + 1)
                                    .arg(shown[i].text, quoted(numbers[i].calc), written(numbers[i].value)));
    }
    if (!relations.isEmpty()) {
        const QStringList signs = signsInText(answer);
        if (signs.size() != relations.size()) {
            QStringList expected;
            for (const Bound& bound : relations)
                expected.append(bound.relation);
            return problems.append(QStringLiteral("the answer shows %1 sign(s) (%2), but the calcs give %3 (%4)")
                                       .arg(signs.size())
                                       .arg(listed(signs))
                                       .arg(relations.size())
                                       .arg(listed(expected)));
        }
        for (qsizetype i = 0; i < signs.size(); ++i)
            if (signs[i] != relations[i].relation)
                problems.append(QStringLiteral("sign %1 of the answer is %2, but %3 holds with %4")
                                    .arg(i + 1)
                                    .arg(signs[i], quoted(relations[i].calc), relations[i].relation));
    }
}

struct AnsweredItem {
    QString where;
    QString answer;
    QStringList choices;
    QStringList calc;
};

QString itemName(const QString& position, const QString& question)
{
    constexpr qsizetype shown = 16;
    return QStringLiteral("%1 (%2%3)").arg(position, question.left(shown), question.size() > shown ? QStringLiteral("…") : QString());
}

QList<AnsweredItem> answeredItems(const PageSource& page)
{
    QList<AnsweredItem> items;
    if (page.kind == PageKind::Puzzle)
        items.append({QStringLiteral("答案"), page.answer.answer, {}, page.answer.calc});
    for (const Section& section : page.sections)
        for (qsizetype i = 0; i < section.items.size(); ++i) {
            const Item& item = section.items[i];
            items.append({itemName(QStringLiteral("%1 第%2题").arg(shortHeading(section.heading)).arg(i + 1), item.question),
                          item.answer, item.choices, item.calc});
        }
    for (qsizetype i = 0; i < page.problems.size(); ++i) {
        const Item& problem = page.problems[i];
        items.append({itemName(QStringLiteral("第%1题").arg(i + 1), problem.question), problem.answer, problem.choices, problem.calc});
    }
    return items;
}

QString kindName(PageKind kind)
{
    switch (kind) {
    case PageKind::Story:
        return QStringLiteral("stories");
    case PageKind::Puzzle:
        return QStringLiteral("puzzles");
    case PageKind::Exam:
        return QStringLiteral("exam papers");
    case PageKind::Olympiad:
        return QStringLiteral("olympiad papers");
    }
    return {};
}

QString coverageLine(const QString& what, const AnswerCoverage& coverage)
{
    const double percent = coverage.items == 0 ? 0.0 : 100.0 * coverage.computed / coverage.items;
    return QStringLiteral("  %1: %2 items, %3 computed (%4%), %5 free text")
        .arg(what)
        .arg(coverage.items)
        .arg(coverage.computed)
        .arg(percent, 0, 'f', 1)
        .arg(coverage.items - coverage.computed);
}

} // namespace

AnswerCheck checkAnswer(const QString& answer, const QStringList& choices, const QStringList& calc)
{
    AnswerCheck check;
    if (calc.isEmpty())
        return check;
    check.computed = !std::all_of(calc.begin(), calc.end(), isCopiedNumber);
    const bool judgement = answer.trimmed() == trueMark || answer.trimmed() == falseMark;
    if ((judgement || !choices.isEmpty()) && calc.size() != 1)
        check.problems.append(QStringLiteral("a %1 item takes one calc, not %2")
                                  .arg(choices.isEmpty() ? QStringLiteral("判断") : QStringLiteral("选择"))
                                  .arg(calc.size()));
    else if (!choices.isEmpty())
        checkChoice(answer, choices, calc.front(), check.problems);
    else if (judgement)
        checkJudgement(answer, calc.front(), check.problems);
    else
        checkNumbersAndSigns(answer, calc, check.problems);
    return check;
}

AnswerReport checkLibraryAnswers(const QList<SourceFile>& sources)
{
    AnswerReport report;
    for (const SourceFile& source : sources) {
        if (!source.read.error.isEmpty())
            continue;
        for (const AnsweredItem& item : answeredItems(source.read.page)) {
            const AnswerCheck check = checkAnswer(item.answer, item.choices, item.calc);
            AnswerCoverage& coverage = report.coverage[source.read.page.kind];
            ++coverage.items;
            coverage.computed += check.computed ? 1 : 0;
            for (const QString& problem : check.problems)
                report.problems.append(QStringLiteral("%1: %2: %3").arg(source.path, item.where, problem));
        }
    }
    return report;
}

QStringList coverageLines(const QMap<PageKind, AnswerCoverage>& coverage)
{
    AnswerCoverage all, papers;
    QStringList lines;
    for (auto kind = coverage.begin(); kind != coverage.end(); ++kind) {
        lines.append(coverageLine(kindName(kind.key()), kind.value()));
        all.items += kind->items;
        all.computed += kind->computed;
        if (kind.key() == PageKind::Exam || kind.key() == PageKind::Olympiad) {
            papers.items += kind->items;
            papers.computed += kind->computed;
        }
    }
    lines.append(coverageLine(QStringLiteral("exam and olympiad papers together"), papers));
    lines.prepend(QStringLiteral("Answers of the library pages: %1 items, %2 computed and checked, %3 free text (drawings, words)")
                      .arg(all.items)
                      .arg(all.computed)
                      .arg(all.items - all.computed));
    return lines;
}

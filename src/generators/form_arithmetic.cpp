#include "form_arithmetic.h"

#include "number_text.h"

namespace {

bool isLetter(QChar c)
{
    return c >= u'a' && c <= u'z';
}

// Reads a form from left to right, one level of the order of operations per
// function, so that each step is done exactly when a pupil would do it.
class Worker {
public:
    Worker(QStringView form, const LetterValues& values) : form(form), values(values) {}

    std::optional<WorkedOut> run()
    {
        const long long value = sum();
        if (failed || next() != QChar())
            return std::nullopt;
        return WorkedOut{value, steps};
    }

private:
    // Terms joined by + and -.
    long long sum()
    {
        long long value = product();
        for (QChar op = next(); !failed && (op == u'+' || op == u'-'); op = next()) {
            ++at;
            value = perform(op, value, product());
        }
        return value;
    }

    // Operands joined by × and ÷, or written side by side as in "4x".
    long long product()
    {
        long long value = operand();
        for (QChar op = next(); !failed; op = next()) {
            if (op == u'×' || op == u'÷')
                ++at;
            else if (isLetter(op) || op == u'(')
                op = u'×';
            else
                break;
            value = perform(op, value, operand());
        }
        return value;
    }

    long long operand()
    {
        const QChar c = next();
        ++at;
        if (isLetter(c))
            return values[c.unicode() - u'a'];
        if (c == u'(') {
            const long long value = sum();
            if (next() != u')')
                failed = true;
            ++at;
            return value;
        }
        failed = true;
        return 0;
    }

    long long perform(QChar op, long long left, long long right)
    {
        if (failed)
            return 0;
        long long result = 0;
        if (op == u'+') {
            result = left + right;
        } else if (op == u'-') {
            result = left - right;
        } else if (op == u'×') {
            result = left * right;
        } else if (right == 0 || left % right != 0) {
            failed = true;
            return 0;
        } else {
            result = left / right;
        }
        steps.push_back({op, left, right, result});
        return result;
    }

    // The next character that is not a blank; a null character at the end.
    QChar next()
    {
        while (at < form.size() && form[at] == u' ')
            ++at;
        return at < form.size() ? form[at] : QChar();
    }

    QStringView form;
    const LetterValues& values;
    qsizetype at = 0;
    bool failed = false;
    std::vector<Step> steps;
};

} // namespace

std::optional<WorkedOut> workOut(QStringView form, const LetterValues& values)
{
    return Worker(form, values).run();
}

QString writeOut(QStringView form, const LetterValues& values)
{
    QString text;
    for (const QChar c : form)
        text += isLetter(c) && c != u'x' ? decimalText(double(values[c.unicode() - u'a'])) : QString(c);
    return text;
}

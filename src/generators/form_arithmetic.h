#pragma once

// Question forms written with letters, such as "(a + b) × c" or "ax - b": how
// a pupil works one out, step by step, and how it reads with numbers in place
// of the letters.

#include <QString>
#include <QStringView>

#include <array>
#include <optional>
#include <vector>

// The number behind each letter a..z of a form.
using LetterValues = std::array<long long, 26>;

// One operation, as the pupil does it.
struct Step {
    QChar operation; // '+', '-', u'×' or u'÷'; a number written before a letter ("4x") multiplies
    long long left;
    long long right;
    long long result;
};

struct WorkedOut {
    long long value;
    std::vector<Step> steps; // in the order they are done
};

// Works a form out in the order taught at school: brackets first, then × and ÷
// from left to right, then + and - from left to right. Nothing when a division
// leaves a remainder or divides by 0, or when the form is not made of letters,
// blanks, brackets and the four operations.
std::optional<WorkedOut> workOut(QStringView form, const LetterValues& values);

// The form as the pupil reads it: every letter but x, the unknown of an
// equation, replaced by its number; blanks and signs kept as they stand.
QString writeOut(QStringView form, const LetterValues& values);

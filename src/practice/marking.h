#pragma once

#include <QString>

// How a page writes its marks: the text for a right answer, and the text that
// precedes the expected answer for a wrong one.
struct MarkStyle {
    QString right;
    QString wrongPrefix;
};

struct Mark {
    bool right;
    QString caption;
};

// How a typed answer is held against its key. Most answers must be the key's
// exact text; a few pages accept any plain decimal numeral of the key's value,
// because their keys mix forms (a whole sum "9" beside a difference "3.0").
enum class AnswerForm {
    ExactText,
    DecimalValue,             // "3", "3.0" and "3.00" for the key 3.0
    DecimalValueTwoPlacesMax, // as DecimalValue, with at most two decimals typed
};

// What the pupil typed, as the marking compares it: surrounding blanks dropped
// (a pupil cannot see them) and the full-width digits, letters, colon, point,
// slash and minus of a Chinese input method turned into their ASCII twins.
// Everything else stays as typed: "014" and "12。" are still not "14" and "12".
QString normalizedAnswer(const QString& typed);

// True when the typed text, normalised, is a plain decimal numeral (digits,
// optionally a point and digits; no sign, no leading zero unless the whole part
// is 0) whose value is exactly the key's. Compared digit by digit, never through
// a double. maxDecimals < 0 allows any number of decimals.
bool sameDecimalValue(const QString& typed, const QString& key, int maxDecimals = -1);

// Whether an answer is right. An empty key is never right: a page without a
// question has nothing to answer.
bool isRight(const QString& typed, const QString& key, AnswerForm form = AnswerForm::ExactText);

inline Mark mark(const QString& typed, const QString& key, const MarkStyle& style,
                 AnswerForm form = AnswerForm::ExactText)
{
    const bool right = isRight(typed, key, form);
    return {right, right ? style.right : style.wrongPrefix + key};
}

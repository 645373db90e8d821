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

// An answer is right only when it is exactly the key: nothing is trimmed,
// parsed or rounded, so " 8", "08" and "8.0" are all wrong for the key "8".
inline Mark mark(const QString& answer, const QString& key, const MarkStyle& style)
{
    const bool right = answer == key;
    return {right, right ? style.right : style.wrongPrefix + key};
}

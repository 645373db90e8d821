#pragma once

#include <QFont>

// The type of the program: one CJK font, so that every character is drawn and
// every caption measures the same on screen, on paper and in the tests' view.
inline QFont fontOfSize(double points)
{
    QFont font(QStringLiteral("WenQuanYi Micro Hei"));
    font.setPointSizeF(points);
    return font;
}

// The questions, answers and marks of the practice pages.
inline QFont pageFont()
{
    return fontOfSize(12);
}

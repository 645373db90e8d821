#pragma once

#include <QString>

// Measures how wide a caption is, in twips, so that a label can be exactly as
// wide as its text. The window supplies one built on its real font.
class TextMetrics {
public:
    virtual ~TextMetrics() = default;
    virtual int widthTwips(const QString& text) const = 0;
};

// A font-free measure for tests and the driver, so widths are the same on every
// machine: code points up to U+00FF are 105 twips wide, all others 210.
class FixedTextMetrics final : public TextMetrics {
public:
    int widthTwips(const QString& text) const override;
};

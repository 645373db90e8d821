#pragma once

#include "text_metrics.h"

#include <QFont>
#include <QFontMetricsF>

// Caption widths measured with the font the pages are drawn in, so that every
// answer box stands right behind its question on screen.
class QtTextMetrics final : public TextMetrics {
public:
    explicit QtTextMetrics(const QFont& font) : metrics(font) {}
    int widthTwips(const QString& text) const override;

private:
    QFontMetricsF metrics;
};

#include "text_metrics.h"

#include <QList>

int FixedTextMetrics::widthTwips(const QString& text) const
{
    int width = 0;
    for (const char32_t codePoint : text.toUcs4())
        width += codePoint <= 0xFF ? 105 : 210;
    return width;
}

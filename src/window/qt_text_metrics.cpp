#include "qt_text_metrics.h"

#include "twips.h"

#include <cmath>

int QtTextMetrics::widthTwips(const QString& text) const
{
    // Rounded up to whole pixels, so that no glyph is clipped.
    return int(std::ceil(metrics.horizontalAdvance(text))) * twipsPerPixel;
}

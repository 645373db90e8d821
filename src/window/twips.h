#pragma once

#include "controls.h"

#include <QRect>

// The form measures in twips; the widgets in device-independent pixels, which
// Qt scales for high-density screens.
inline constexpr int twipsPerPixel = 15;

inline int toPixels(int twips)
{
    return (twips + twipsPerPixel / 2) / twipsPerPixel;
}

inline QRect toPixels(const Rect& rect)
{
    return {toPixels(rect.left), toPixels(rect.top), toPixels(rect.width), toPixels(rect.height)};
}

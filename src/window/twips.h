#pragma once

#include "controls.h"

#include <QFont>
#include <QRect>
#include <QSize>

// The form measures in twips; the widgets in device-independent pixels, which
// Qt scales for high-density screens.
inline constexpr int twipsPerPixel = 15;

// How the window maps the form's twips to its pixels: the whole form is scaled
// by one factor, so that it fills a window of any size. The factor is a whole
// number of sixteenths: the pages' 16-pixel type then scales to a whole pixel
// size, and every caption stays within the width the form measured for it at
// 16 pixels.
class Zoom {
public:
    static constexpr int steps = 16; // sixteenths
    // Nine sixteenths: smaller, nothing can be read, and the tabs' borders,
    // which stay a pixel wide, leave their captions no room.
    static constexpr int smallest = 9;

    explicit constexpr Zoom(int sixteenths = steps) : sixteenths(sixteenths < smallest ? smallest : sixteenths) {}
    // The largest zoom at which a form of formSize pixels (at zoom 1) fits into room.
    static Zoom fitting(QSize room, QSize formSize);

    double factor() const { return double(sixteenths) / steps; }
    bool operator==(const Zoom&) const = default;

    int toPixels(int twips) const;
    // Edges are rounded, not sizes, so that controls placed side by side in the
    // form still touch on screen.
    QRect toPixels(const Rect& rect) const;
    // A font of the form at this zoom: its pixel size scaled and rounded down.
    QFont font(const QFont& base) const;
    // A style sheet at this zoom: every length in px or pt scaled.
    QString styleSheet(const QString& sheet) const;

private:
    int sixteenths;
};

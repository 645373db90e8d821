#include "twips.h"

#include <QFontInfo>
#include <QRegularExpression>

#include <algorithm>
#include <cmath>

Zoom Zoom::fitting(QSize room, QSize formSize)
{
    if (formSize.isEmpty())
        return Zoom();
    const int across = room.width() * steps / formSize.width();
    const int down = room.height() * steps / formSize.height();
    return Zoom(std::min(across, down));
}

int Zoom::toPixels(int twips) const
{
    const int scaledTwips = twipsPerPixel * steps;
    return int(std::lround(double(twips) * sixteenths / scaledTwips));
}

QRect Zoom::toPixels(const Rect& rect) const
{
    const int left = toPixels(rect.left);
    const int top = toPixels(rect.top);
    return {left, top, toPixels(rect.left + rect.width) - left, toPixels(rect.top + rect.height) - top};
}

QFont Zoom::font(const QFont& base) const
{
    if (sixteenths == steps)
        return base;
    QFont zoomed = base;
    zoomed.setPixelSize(std::max(1, QFontInfo(base).pixelSize() * sixteenths / steps));
    return zoomed;
}

QString Zoom::styleSheet(const QString& sheet) const
{
    if (sixteenths == steps)
        return sheet;
    static const QRegularExpression length(QStringLiteral("(\\d+(?:\\.\\d+)?)(px|pt)\\b"));
    QString zoomed;
    qsizetype done = 0;
    for (auto matches = length.globalMatch(sheet); matches.hasNext();) {
        const QRegularExpressionMatch match = matches.next();
        const double value = match.captured(1).toDouble() * factor();
        // A line stays at least a pixel wide.
        const QString scaled = match.captured(2) == u"px" ? QString::number(value > 0 ? std::max(1L, std::lround(value)) : 0)
                                                          : QString::number(value);
        zoomed += sheet.mid(done, match.capturedStart() - done) + scaled + match.captured(2);
        done = match.capturedEnd();
    }
    return zoomed + sheet.mid(done);
}

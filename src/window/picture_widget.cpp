#include "picture_widget.h"

#include <QPainter>

#include <algorithm>

PictureWidget::PictureWidget(const Picture& picture, QImage drawing, QWidget* parent)
    : QWidget(parent), picture(picture), drawing(std::move(drawing))
{
}

void PictureWidget::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    if (!drawing.isNull()) {
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        if (picture.items.columns > 0)
            painter.setClipRegion(shownItems());
        painter.drawImage(rect(), drawing);
        painter.setClipping(false);
    }
    const double scaleWidth = picture.scaleRight - picture.scaleLeft;
    const double scaleHeight = picture.scaleBottom - picture.scaleTop;
    if (scaleWidth == 0 || scaleHeight == 0)
        return;
    auto toWidget = [&](double x, double y) {
        return QPointF((x - picture.scaleLeft) / scaleWidth * width(), (y - picture.scaleTop) / scaleHeight * height());
    };
    for (const Line* line : lines) {
        if (!line->visible)
            continue;
        painter.setPen(QPen(QColor::fromRgb(line->color), line->width, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(toWidget(line->x1, line->y1), toWidget(line->x2, line->y2));
    }
}

QRegion PictureWidget::shownItems() const
{
    // The drawing's items fill equal cells, read row by row.
    const ItemGrid& grid = picture.items;
    const double cellWidth = double(width()) / grid.columns;
    const double cellHeight = double(height()) / std::max(grid.rows, 1);
    QRegion shown;
    for (int item = 0; item < grid.shown; ++item)
        shown += QRectF((item % grid.columns) * cellWidth, (item / grid.columns) * cellHeight, cellWidth, cellHeight)
                     .toAlignedRect();
    return shown;
}

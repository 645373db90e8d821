#include "picture_widget.h"

#include "twips.h"

#include <QPainter>

#include <algorithm>

namespace {

// The cells of the items shown: the drawing's items fill equal cells, read row by row.
QRegion shownItems(const ItemGrid& grid, const QRectF& target)
{
    const double cellWidth = target.width() / grid.columns;
    const double cellHeight = target.height() / std::max(grid.rows, 1);
    QRegion shown;
    for (int item = 0; item < grid.shown; ++item)
        shown += QRectF(target.left() + (item % grid.columns) * cellWidth, target.top() + (item / grid.columns) * cellHeight,
                        cellWidth, cellHeight)
                     .toAlignedRect();
    return shown;
}

} // namespace

PictureWidget::PictureWidget(const Picture& picture, QImage drawing, QWidget* parent)
    : QWidget(parent), picture(picture), drawing(std::move(drawing))
{
}

void PictureWidget::setDrawing(QImage sharper)
{
    drawing = std::move(sharper);
    update();
}

void PictureWidget::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    // The hands widen with the window's zoom, as everything else does.
    const double zoom = picture.rect.width > 0 ? width() * double(twipsPerPixel) / picture.rect.width : 1;
    paintPicture(painter, rect(), picture, drawing, lines, zoom);
}

void paintPicture(QPainter& painter, const QRectF& target, const Picture& picture, const QImage& drawing,
                  const std::vector<const Line*>& lines, double penScale)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    if (!drawing.isNull()) {
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        if (picture.items.columns > 0)
            painter.setClipRegion(shownItems(picture.items, target));
        painter.drawImage(target, drawing);
        painter.setClipping(false);
    }
    const double scaleWidth = picture.scaleRight - picture.scaleLeft;
    const double scaleHeight = picture.scaleBottom - picture.scaleTop;
    if (scaleWidth != 0 && scaleHeight != 0) {
        auto place = [&](double x, double y) {
            return QPointF(target.left() + (x - picture.scaleLeft) / scaleWidth * target.width(),
                           target.top() + (y - picture.scaleTop) / scaleHeight * target.height());
        };
        for (const Line* line : lines) {
            if (!line->visible)
                continue;
            painter.setPen(QPen(QColor::fromRgb(line->color), line->width * penScale, Qt::SolidLine, Qt::RoundCap));
            painter.drawLine(place(line->x1, line->y1), place(line->x2, line->y2));
        }
    }
    painter.restore();
}

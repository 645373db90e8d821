#include "picture_widget.h"

#include <QPainter>

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
        painter.drawImage(rect(), drawing);
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

#pragma once

#include "controls.h"

#include <QImage>
#include <QWidget>

#include <vector>

class QPainter;

// Paints a picture box into target: its drawing, filling it (of a grid of
// items, only the items shown), and its lines, placed in the picture's own user
// scale. penScale widens the lines for paper.
void paintPicture(QPainter& painter, const QRectF& target, const Picture& picture, const QImage& drawing,
                  const std::vector<const Line*>& lines, double penScale = 1);

// A picture box on screen.
class PictureWidget final : public QWidget {
public:
    PictureWidget(const Picture& picture, QImage drawing, QWidget* parent);
    void addLine(const Line& line) { lines.push_back(&line); }
    void setDrawing(QImage sharper);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const Picture& picture;
    QImage drawing;
    std::vector<const Line*> lines;
};

#pragma once

#include "controls.h"

#include <QImage>
#include <QRegion>
#include <QWidget>

#include <vector>

// A picture box: an optional drawing that fills it (of a grid of items, only
// the items shown), and the lines inside it, placed in the picture's own user scale.
class PictureWidget final : public QWidget {
public:
    PictureWidget(const Picture& picture, QImage drawing, QWidget* parent);
    void addLine(const Line& line) { lines.push_back(&line); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QRegion shownItems() const;

    const Picture& picture;
    QImage drawing;
    std::vector<const Line*> lines;
};

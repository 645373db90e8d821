#pragma once

#include <QImage>
#include <QString>

#include <future>
#include <map>

// The drawings behind the picture boxes. Decoding the welcome picture takes as
// long as a good part of start-up, so it is decoded on a worker thread from
// the moment the window starts to be built, alongside the window's other work;
// a drawing that the first frame does not show is decoded when first asked for.
class Drawings {
public:
    // Picks the sharper files on high-density screens.
    explicit Drawings(qreal devicePixelRatio);

    // The drawing of a picture box by the box's name; a null image when it has
    // none. Waits for the drawing if it is still being decoded.
    QImage forPicture(const QString& pictureName) const;

private:
    std::map<QString, std::shared_future<QImage>> decoding;
};

#pragma once

#include <QImage>
#include <QString>

#include <future>
#include <map>

// The drawings behind the picture boxes. Decoding them takes as long as the
// rest of start-up together, so each is decoded on a worker thread from the
// moment the window starts to be built, alongside the window's other work.
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

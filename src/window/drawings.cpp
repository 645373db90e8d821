#include "drawings.h"

#include <QImageReader>

namespace {

// Read as PNG, which Qt decodes itself: left to find the format, the reader
// would load every image plugin (SVG, GIF, icons, JPEG) to ask it first.
QImage readDrawing(const QString& path, bool sharp)
{
    QImageReader reader(path, "png");
    reader.setAutoDetectImageFormat(false);
    QImage image = reader.read();
    image.setDevicePixelRatio(sharp ? 2 : 1);
    return image;
}

} // namespace

Drawings::Drawings(qreal devicePixelRatio)
{
    const bool sharp = devicePixelRatio > 1;
    // The welcome picture is in the first frame and decoded on a worker thread
    // at once; the others when their page is first shown.
    const struct {
        const char* picture;
        const char* file;
        bool inFirstFrame;
    } drawings[] = {
        {"Picture14", "welcome", true},
        {"Picture17", "page0", false},
        {"Picture7", "page0", false},
        {"Picture13", "clock_face", false}, // every face of the array
        {"Picture15", "page2", false},
        {"Picture16", "page3", false},
        {"Picture8", "page5", false},
        {"Picture9", "page6-puppies", false},
        {"Picture10", "page6-birds", false},
    };
    for (const auto& drawing : drawings) {
        const QString path = QStringLiteral(":/pictures/%1%2.png")
                                 .arg(QString::fromLatin1(drawing.file), sharp ? QStringLiteral("@2x") : QString());
        const auto policy = drawing.inFirstFrame ? std::launch::async : std::launch::deferred;
        decoding[QString::fromLatin1(drawing.picture)] = std::async(policy, readDrawing, path, sharp).share();
    }
}

QImage Drawings::forPicture(const QString& pictureName) const
{
    // The pictures of a control array, "Picture13(4)", share their array's drawing.
    auto found = decoding.find(pictureName);
    if (found == decoding.end())
        found = decoding.find(pictureName.section(u'(', 0, 0));
    return found == decoding.end() ? QImage() : found->second.get();
}

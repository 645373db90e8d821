#include "drawings.h"

Drawings::Drawings(qreal devicePixelRatio)
{
    const bool sharp = devicePixelRatio > 1;
    const struct {
        const char* picture;
        const char* file;
    } drawings[] = {
        {"Picture14", "welcome"},
        {"Picture17", "page0"},
        {"Picture7", "page0"},
        {"Picture13", "clock_face"}, // every face of the array
        {"Picture15", "page2"},
        {"Picture16", "page3"},
        {"Picture8", "page5"},
        {"Picture9", "page6-puppies"},
        {"Picture10", "page6-birds"},
    };
    for (const auto& drawing : drawings) {
        const QString path = QStringLiteral(":/pictures/%1%2.png")
                                 .arg(QString::fromLatin1(drawing.file), sharp ? QStringLiteral("@2x") : QString());
        decoding[QString::fromLatin1(drawing.picture)] = std::async(std::launch::async, [path, sharp] {
                                                              QImage image(path);
                                                              image.setDevicePixelRatio(sharp ? 2 : 1);
                                                              return image;
                                                          }).share();
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

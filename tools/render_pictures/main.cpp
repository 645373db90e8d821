// render-pictures OUTPUT_DIR SVG...: draws each picture once at build time, as
// NAME.png at its own size and NAME@2x.png for high-density screens, so that
// the program shows its first window without rendering vector drawings.

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <QTextStream>

namespace {

bool isOpaque(const QImage& image)
{
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(line[x]) != 255)
                return false;
    }
    return true;
}

} // namespace

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen"); // runs in builds without a display
    QGuiApplication application(argc, argv);
    QTextStream errors(stderr);
    const QStringList arguments = application.arguments();
    if (arguments.size() < 3) {
        errors << "usage: render-pictures OUTPUT_DIR SVG..." << Qt::endl;
        return 2;
    }
    const QDir output(arguments[1]);
    if (!output.mkpath(QStringLiteral("."))) {
        errors << "cannot create " << arguments[1] << Qt::endl;
        return 1;
    }
    for (const QString& source : arguments.mid(2)) {
        QSvgRenderer drawing(source);
        if (!drawing.isValid()) {
            errors << source << ": not a drawing Qt can render" << Qt::endl;
            return 1;
        }
        const QString name = QFileInfo(source).completeBaseName();
        for (const int scale : {1, 2}) {
            QImage image(drawing.defaultSize() * scale, QImage::Format_ARGB32_Premultiplied);
            image.fill(Qt::transparent);
            QPainter painter(&image);
            painter.setRenderHint(QPainter::Antialiasing);
            drawing.render(&painter);
            painter.end();
            // A drawing that covers its whole area is stored without an alpha
            // channel: less to decode, and drawn by copying instead of blending.
            if (isOpaque(image))
                image = image.convertToFormat(QImage::Format_RGB32);
            const QString target = output.filePath(name + (scale == 1 ? QString() : QStringLiteral("@2x")) + QStringLiteral(".png"));
            if (!image.save(target)) {
                errors << target << ": cannot be written" << Qt::endl;
                return 1;
            }
        }
    }
    return 0;
}

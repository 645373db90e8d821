// The yardstick: an empty Qt window of the same size.

#include "probe.h"

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("bare"));
    window.resize(1032, 561);
    FirstPaintProbe probe(window);
    window.show();
    return application.exec();
}

// The yardstick: an empty Qt window of the program's size, timed by the same report.

#include "timing_report.h"

#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("bare"));
    window.resize(1032, 561);
    reportTimingsIfAsked(window);
    window.show();
    return application.exec();
}

// A second yardstick: an empty Qt window that shows one line of Chinese text
// in the program's font. Any window with Chinese text pays for loading a CJK
// font, so this tells that cost apart from the program's own.

#include "timing_report.h"

#include <QApplication>
#include <QLabel>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("text"));
    window.resize(1032, 561);
    QFont font(QStringLiteral("WenQuanYi Micro Hei"));
    font.setPointSize(12);
    QLabel line(QStringLiteral("动动小脑筋，数学真有趣！ 10以内加法 您答对了 8道题"), &window);
    line.setFont(font);
    line.move(20, 20);
    reportTimingsIfAsked(window);
    window.show();
    return application.exec();
}

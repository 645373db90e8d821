// The real program's start-up, exactly as app/main.cpp does it, with a probe.

#include "main_window.h"
#include "probe.h"
#include "program_folder.h"

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    MainWindow window(programFolder());
    FirstPaintProbe probe(window);
    window.show();
    return application.exec();
}

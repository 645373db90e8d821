// Tallowby: arithmetic practice and a small reference library for primary-school pupils.

#include "main_window.h"
#include "program_folder.h"

#include <QApplication>

#include <unistd.h>

int main(int argc, char* argv[])
{
    // The library's browser engine refuses to start as root unless its
    // sandbox is off; as any other user the sandbox stays on.
    if (geteuid() == 0)
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    // The browser plugin is loaded after start-up; the engine needs this set before.
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication application(argc, argv);
    MainWindow window(programFolder());
    window.show();
    return application.exec();
}

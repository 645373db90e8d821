// Tallowby: arithmetic practice and a small reference library for primary-school pupils.

#include "browser_host.h"
#include "font_configuration.h"
#include "main_window.h"
#include "program_folder.h"
#include "timing_report.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    const FontConfigurationReader fonts;
    prepareBrowserEngine();
    QApplication application(argc, argv);
    MainWindow window(programFolder());
    reportTimingsIfAsked(window);
    window.show();
    return application.exec();
}

// Tallowby: arithmetic practice and a small reference library for primary-school pupils.

#include "browser_host.h"
#include "engine_notices.h"
#include "font_configuration.h"
#include "main_window.h"
#include "practice_record.h"
#include "program_folder.h"
#include "timing_report.h"
#include "worksheet_command.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QTextStream>

#include <cstring>

namespace {

bool asksForWorksheets(int argc, char* argv[])
{
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], "--worksheet") == 0 || std::strncmp(argv[i], "--worksheet=", 12) == 0)
            return true;
    return false;
}

// The command line: nothing opens the window; --worksheet writes worksheets instead.
int worksheetsFromCommandLine(const QApplication& application)
{
    QCommandLineParser options;
    options.setApplicationDescription(QStringLiteral("Tallowby：小学数学练习。--worksheet 不开窗口，把练习纸和答案写成 PDF。"));
    options.addHelpOption();
    options.addVersionOption();
    const QCommandLineOption type(QStringLiteral("worksheet"), QStringLiteral("题目类型，如“20以内加法”。"), QStringLiteral("TYPE"));
    const QCommandLineOption tab(QStringLiteral("tab"), QStringLiteral("题目所在的标签（1 到 7）。"), QStringLiteral("N"));
    const QCommandLineOption count(QStringLiteral("count"), QStringLiteral("几张不同的练习纸（默认 1）。"), QStringLiteral("K"),
                                   QStringLiteral("1"));
    const QCommandLineOption seed(QStringLiteral("seed"), QStringLiteral("随机数种子，同一种子出同样的题。"), QStringLiteral("S"));
    const QCommandLineOption output({QStringLiteral("o"), QStringLiteral("output")}, QStringLiteral("写到这个 PDF 文件。"),
                                    QStringLiteral("FILE"));
    options.addOptions({type, tab, count, seed, output});
    options.process(application);

    QTextStream errors(stderr);
    WorksheetRequest request;
    request.exerciseType = options.value(type);
    bool ok = true;
    if (options.isSet(tab)) {
        request.tab = options.value(tab).toInt(&ok);
        if (!ok || request.tab < 1 || request.tab > 7) {
            errors << "--tab 要写 1 到 7 的整数。" << Qt::endl;
            return 2;
        }
    }
    request.count = options.value(count).toInt(&ok);
    if (!ok || request.count < 1 || request.count > 500) {
        errors << "--count 要写 1 到 500 的整数。" << Qt::endl;
        return 2;
    }
    if (options.isSet(seed)) {
        request.seed = options.value(seed).toULongLong(&ok);
        if (!ok) {
            errors << "--seed 要写一个不带符号的整数。" << Qt::endl;
            return 2;
        }
    }
    request.output = options.value(output);
    if (request.output.isEmpty()) {
        errors << "请用 -o 说明要写的 PDF 文件。" << Qt::endl;
        return 2;
    }
    return writeWorksheets(request, programFolder(), errors);
}

} // namespace

int main(int argc, char* argv[])
{
    if (asksForWorksheets(argc, argv)) {
        // Worksheets need fonts, not a screen.
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        QApplication application(argc, argv);
        QApplication::setApplicationVersion(QStringLiteral(TALLOWBY_VERSION));
        return worksheetsFromCommandLine(application);
    }
    const FontConfigurationReader fonts;
    prepareBrowserEngine();
    QApplication application(argc, argv);
    quietenEngineNoticesOffscreen();
    QApplication::setApplicationName(QStringLiteral("tallowby"));
    QApplication::setApplicationVersion(QStringLiteral(TALLOWBY_VERSION));
    MainWindow window(programFolder(), PracticeRecord::defaultPath(), MainWindow::defaultSettingsPath());
    reportTimingsIfAsked(window);
    window.show();
    return application.exec();
}

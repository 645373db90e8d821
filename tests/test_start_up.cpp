// The real window starts without the browser engine: no GL context, no GL
// driver, LLVM or WebEngine library in the process until a library tab is
// first shown. Runs offscreen and, where Xvfb is installed, under X11, where a
// GL context really loads the driver.

#include "browser_host.h"
#include "engine_libraries.h"
#include "main_window.h"
#include "test_support.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QOpenGLContext>
#include <QTabBar>
#include <QTest>

namespace {

QStringList engineLibrariesMapped()
{
    QFile maps(QStringLiteral("/proc/self/maps"));
    return maps.open(QIODevice::ReadOnly) ? browserEngineLibraries(QString::fromLocal8Bit(maps.readAll()))
                                          : QStringList{QStringLiteral("/proc/self/maps unreadable")};
}

QWidget* webView(QWidget* host)
{
    for (QWidget* child : host->findChildren<QWidget*>())
        if (child->inherits("QWebEngineView"))
            return child;
    return nullptr;
}

constexpr int browserTimeout = 30000;

} // namespace

class StartUpTest : public QObject {
    Q_OBJECT

private slots:
    void theWindowStartsWithoutTheBrowserEngine()
    {
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QTest::qWait(500); // whatever start-up leaves for later has run
        QVERIFY2(engineLibrariesMapped().isEmpty(), qPrintable(engineLibrariesMapped().join(u'\n')));
        // Offscreen without a display no context can be made, but Qt would still have tried.
        QVERIFY2(!QOpenGLContext::globalShareContext(), "a GL context was made at start-up");
    }

    // The drawings are PNG files read as such: no image plugin is asked what they are.
    void theWindowLoadsNoImagePlugin()
    {
        QFile maps(QStringLiteral("/proc/self/maps"));
        QVERIFY(maps.open(QIODevice::ReadOnly));
        for (const QByteArray& line : maps.readAll().split('\n'))
            QVERIFY2(!line.contains("/imageformats/"), line.constData());
    }

    // The page frame answers the click with an opening line; the engine and
    // the GL context it shares are made once that frame is on the screen.
    void theFirstLibraryTabStartsTheEngine()
    {
        window.findChild<QTabBar*>()->setCurrentIndex(9 - 1);
        QWidget* host = window.widget(QStringLiteral("WebBrowser1"));
        QVERIFY(host && host->isVisible());
        auto* opening = host->findChild<QLabel*>(QStringLiteral("browserOpening"));
        QVERIFY(opening && opening->isVisible());
        QCOMPARE(opening->text(), QStringLiteral("正在打开…"));
        QVERIFY(engineLibrariesMapped().isEmpty());

        QTRY_VERIFY_WITH_TIMEOUT(webView(host) && webView(host)->isVisible(), browserTimeout);
        QVERIFY(!host->findChild<QLabel*>(QStringLiteral("browserOpening")));
        QCOMPARE(webView(host)->size(), host->size());
        QVERIFY(QOpenGLContext::globalShareContext());
        if (QGuiApplication::platformName() == QStringLiteral("xcb"))
            QVERIFY(QOpenGLContext::globalShareContext()->isValid());
        QTRY_COMPARE_WITH_TIMEOUT(webView(host)->property("title").toString(), QStringLiteral("数学小书房"), browserTimeout);
        // The check above can see the engine: now it is there.
        QVERIFY(engineLibrariesMapped().join(u' ').contains(QStringLiteral("libQt6WebEngineCore")));
    }

private:
    MainWindow window{buildDir()};
};

// As the program's main() starts.
int main(int argc, char* argv[])
{
    prepareBrowserEngine();
    QApplication application(argc, argv);
    StartUpTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_start_up.moc"

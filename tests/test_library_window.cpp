// The library tabs in the real window, offscreen, with the browser plugin.

#include "browser_host.h"
#include "main_window.h"
#include "test_support.h"
#include "window_test_support.h"

#include <QApplication>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTabBar>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>

namespace {

void showTab(MainWindow& window, int tab)
{
    window.findChild<QTabBar*>()->setCurrentIndex(tab - 1);
}

// The web view inside WebBrowser1's host; found by class name, since the
// tests do not link the browser engine either.
QWidget* webView(MainWindow& window)
{
    for (QWidget* child : window.widget(QStringLiteral("WebBrowser1"))->findChildren<QWidget*>())
        if (QByteArray(child->metaObject()->className()) == "QWebEngineView")
            return child;
    return nullptr;
}

QString pageTitle(MainWindow& window)
{
    QWidget* view = webView(window);
    return view ? view->property("title").toString() : QString();
}

// A program folder of its own: a start page and a games column with the
// titles given, and none of the games' pages.
bool makeProgramFolder(const QTemporaryDir& folder, const QStringList& games)
{
    QFile start(folder.filePath(QStringLiteral("123.htm")));
    if (!start.open(QIODevice::WriteOnly)
        || start.write("<!DOCTYPE html><html><head><title>start</title></head><body></body></html>") < 0)
        return false;
    start.close();
    return makeContentDatabase(QStringLiteral("[适合一年级的游戏]\n") + games.join(u'\n') + u'\n', folder.path());
}

constexpr int browserTimeout = 30000; // the engine's first start is slow on a busy machine

bool writePage(const QTemporaryDir& folder, const QString& name, const QString& title, const QString& head = {})
{
    QDir(folder.path()).mkpath(QStringLiteral("123_files"));
    QFile page(folder.filePath(QStringLiteral("123_files/") + name));
    const QString html = QStringLiteral("<!DOCTYPE html><html><head><title>%1</title>%2</head><body><p>%1</p></body></html>").arg(title, head);
    return page.open(QIODevice::WriteOnly) && page.write(html.toUtf8()) > 0;
}

QString selectedTitle(MainWindow& window)
{
    const auto* item = static_cast<QTreeWidget*>(window.widget(QStringLiteral("TreeView1")))->currentItem();
    return item ? item->text(0) : QString();
}

} // namespace

class LibraryWindowTest : public QObject {
    Q_OBJECT

private slots:
    void dictionaryShowsTheChosenEntryAtTheTop()
    {
        MainWindow window(buildDir());
        window.show();
        showTab(window, 8);
        auto* text = qobject_cast<QPlainTextEdit*>(window.widget(QStringLiteral("Text12(1)")));
        QVERIFY(text && text->isVisible());
        QVERIFY(text->isReadOnly());
        QVERIFY(text->toPlainText().startsWith(QStringLiteral("1、加法交换律")));
        text->verticalScrollBar()->setValue(text->verticalScrollBar()->maximum());

        clickNode(window, QStringLiteral("32、最大公约数"));
        QVERIFY(text->toPlainText().startsWith(QStringLiteral("32、最大公约数：")));
        QCOMPARE(text->verticalScrollBar()->value(), 0);
        // No practice page shows through the dictionary.
        QVERIFY(!window.widget(QStringLiteral("Frame1(0)"))->isVisible());
        QVERIFY(text->font().pointSizeF() >= 12);
    }

    void examTabOpensTheFirstPaper()
    {
        MainWindow window(buildDir());
        window.show();
        showTab(window, 12);
        const QString page = buildDir() + QStringLiteral("/123_files/一年级数学上册期中考试卷.htm");
        QCOMPARE(window.model().form.WebBrowser1.address(), page);
        QTRY_VERIFY2_WITH_TIMEOUT(webView(window), "the browser plugin did not load", browserTimeout);
        QVERIFY(webView(window)->isVisible());
        QCOMPARE(webView(window)->size(), window.widget(QStringLiteral("WebBrowser1"))->size());
        QTRY_COMPARE_WITH_TIMEOUT(webView(window)->property("url").toUrl(), QUrl::fromLocalFile(page), browserTimeout);
        QTRY_COMPARE_WITH_TIMEOUT(pageTitle(window), QStringLiteral("一年级数学上册期中考试卷"), browserTimeout);
    }

    // A paper prints as the browser shows it (Ctrl+P on a library page).
    void aLibraryPagePrints()
    {
        MainWindow window(buildDir());
        window.show();
        showTab(window, 12);
        QTRY_COMPARE_WITH_TIMEOUT(pageTitle(window), QStringLiteral("一年级数学上册期中考试卷"), browserTimeout);
        QTemporaryDir folder;
        auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(folder.filePath(QStringLiteral("paper.pdf")));
        bool printed = false;
        auto* browser = dynamic_cast<BrowserHost*>(window.widget(QStringLiteral("WebBrowser1")));
        QVERIFY(browser && browser->printInto(std::move(printer), [&](bool done) { printed = done; }));
        QTRY_VERIFY_WITH_TIMEOUT(printed, browserTimeout);
        QProcess text;
        text.start(QStringLiteral("pdftotext"), {folder.filePath(QStringLiteral("paper.pdf")), QStringLiteral("-")});
        QVERIFY(text.waitForFinished());
        const QString printedText = QString::fromUtf8(text.readAllStandardOutput());
        QVERIFY2(printedText.contains(QStringLiteral("一年级数学上册期中考试卷")), qPrintable(printedText.left(300)));
    }

    void aMissingPageShowsOurOwnPage()
    {
        QTemporaryDir folder;
        QVERIFY(makeProgramFolder(folder, {QStringLiteral("小熊分饼")}));
        MainWindow window(folder.path());
        window.show();
        showTab(window, 9);
        QTRY_COMPARE_WITH_TIMEOUT(pageTitle(window), QStringLiteral("start"), browserTimeout);
        clickNode(window, QStringLiteral("小熊分饼"));
        QTRY_COMPARE_WITH_TIMEOUT(pageTitle(window), QStringLiteral("页面不存在"), browserTimeout);
    }

    // The catalogue's lists never dispatch such a title, so this is the view's
    // own guard, tried with an address put straight into the model.
    void anAddressLeadingOutOfTheFolderOpensNothing()
    {
        QTemporaryDir folder;
        QVERIFY(makeProgramFolder(folder, {}));
        MainWindow window(folder.path());
        window.show();
        showTab(window, 9);
        QTRY_COMPARE_WITH_TIMEOUT(pageTitle(window), QStringLiteral("start"), browserTimeout);
        window.model().form.WebBrowser1.navigate(folder.path() + QStringLiteral("/123_files/../../../etc/hostname"));
        window.render();
        QTRY_COMPARE_WITH_TIMEOUT(pageTitle(window), QStringLiteral("这一页不能打开"), browserTimeout);
    }

    // Back and forward through the pages shown, and the tree follows the page
    // in view, also when a page leads on to another leaf by itself.
    void theBrowserGoesBackAndForward()
    {
        QTemporaryDir folder;
        QVERIFY(makeProgramFolder(folder, {}));
        QVERIFY(makeContentDatabase(QStringLiteral("[名人故事]\n祖冲之的故事\n刘徽的故事\n高斯的故事\n"), folder.path()));
        QVERIFY(writePage(folder, QStringLiteral("祖冲之的故事.htm"), QStringLiteral("祖冲之")));
        QVERIFY(writePage(folder, QStringLiteral("高斯的故事.htm"), QStringLiteral("高斯")));
        // As a link followed by the pupil, but without a pupil.
        QVERIFY(writePage(folder, QStringLiteral("刘徽的故事.htm"), QStringLiteral("刘徽"),
                          QStringLiteral("<meta http-equiv=\"refresh\" content=\"0; url=高斯的故事.htm\">")));
        MainWindow window(folder.path());
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QWidget* back = window.widget(QStringLiteral("backButton"));
        QWidget* forward = window.widget(QStringLiteral("forwardButton"));
        QVERIFY(!back->isVisible());
        showTab(window, 11); // opens the first story
        QVERIFY(back->isVisible() && forward->isVisible());
        QTRY_COMPARE_WITH_TIMEOUT(pageTitle(window), QStringLiteral("祖冲之"), browserTimeout);
        QTRY_COMPARE(selectedTitle(window), QStringLiteral("祖冲之的故事"));
        QVERIFY(!back->isEnabled());

        clickNode(window, QStringLiteral("高斯的故事"));
        QTRY_COMPARE_WITH_TIMEOUT(pageTitle(window), QStringLiteral("高斯"), browserTimeout);
        QTRY_VERIFY(back->isEnabled());
        QVERIFY(!forward->isEnabled());
        QTest::keyClick(&window, Qt::Key_Left, Qt::AltModifier);
        QTRY_COMPARE_WITH_TIMEOUT(pageTitle(window), QStringLiteral("祖冲之"), browserTimeout);
        QTRY_COMPARE(selectedTitle(window), QStringLiteral("祖冲之的故事"));
        QTRY_VERIFY(forward->isEnabled());
        QTest::mouseClick(static_cast<QPushButton*>(forward), Qt::LeftButton);
        QTRY_COMPARE_WITH_TIMEOUT(pageTitle(window), QStringLiteral("高斯"), browserTimeout);
        QTRY_COMPARE(selectedTitle(window), QStringLiteral("高斯的故事"));
        QTest::keyClick(&window, Qt::Key_Left, Qt::AltModifier);
        QTRY_COMPARE_WITH_TIMEOUT(pageTitle(window), QStringLiteral("祖冲之"), browserTimeout);
        QTest::keyClick(&window, Qt::Key_Right, Qt::AltModifier);
        QTRY_COMPARE_WITH_TIMEOUT(pageTitle(window), QStringLiteral("高斯"), browserTimeout);

        clickNode(window, QStringLiteral("刘徽的故事"));
        QTRY_COMPARE_WITH_TIMEOUT(window.model().form.WebBrowser1.address(),
                                  folder.path() + QStringLiteral("/123_files/刘徽的故事.htm"), browserTimeout);
        QTRY_COMPARE_WITH_TIMEOUT(webView(window)->property("url").toUrl(),
                                  QUrl::fromLocalFile(folder.filePath(QStringLiteral("123_files/高斯的故事.htm"))), browserTimeout);
        QTRY_COMPARE(selectedTitle(window), QStringLiteral("高斯的故事"));
    }

    void theProgramDoesNotLinkTheBrowserEngine()
    {
        QProcess ldd;
        ldd.start(QStringLiteral("ldd"), {buildDir() + QStringLiteral("/tallowby")});
        QVERIFY(ldd.waitForFinished());
        const QString libraries = QString::fromLocal8Bit(ldd.readAllStandardOutput());
        QVERIFY(libraries.contains(QStringLiteral("libQt6Widgets")));
        QVERIFY2(!libraries.contains(QStringLiteral("WebEngine")), qPrintable(libraries));
    }
};

int main(int argc, char* argv[])
{
    prepareBrowserEngine();
    QApplication application(argc, argv);
    LibraryWindowTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_library_window.moc"

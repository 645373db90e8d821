#include "browser_host.h"

#include "library_address.h"
#include "plugins.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QOpenGLContext>
#include <QPluginLoader>
#include <QPrintDialog>
#include <QPrinter>
#include <QTimer>

#include <unistd.h>

// The engine's views share their textures with its GPU thread through Qt's
// global share context. Qt makes that context in the application's constructor
// when Qt::AA_ShareOpenGLContexts is set, which loads the GL driver (and LLVM
// for a software one) and starts its threads in every run, for a browser that
// most runs never open. So the program makes the context itself, just before
// the engine loads, with the setter that Qt GUI exports for the engine without
// publishing it. Its behaviour is known for Qt 6 (and checked by the start-up
// test); under any other Qt the attribute is set as Qt documents it.
#if QT_VERSION >= QT_VERSION_CHECK(6, 2, 0) && QT_VERSION < QT_VERSION_CHECK(7, 0, 0)
#define TALLOWBY_LATE_SHARE_CONTEXT
QT_BEGIN_NAMESPACE
Q_GUI_EXPORT void qt_gl_set_global_share_context(QOpenGLContext* context);
QT_END_NAMESPACE
#endif

void prepareBrowserEngine()
{
    // The engine refuses to start as root unless its sandbox is off; as any
    // other user the sandbox stays on.
    if (geteuid() == 0)
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
#ifndef TALLOWBY_LATE_SHARE_CONTEXT
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
#endif
}

// As the application's constructor would have made it. Where no context can be
// made (offscreen without a display) the engine draws without one, as it does
// when Qt's own attempt fails.
static void makeShareContext()
{
#ifdef TALLOWBY_LATE_SHARE_CONTEXT
    if (QOpenGLContext::globalShareContext())
        return;
    auto* context = new QOpenGLContext(qApp);
    context->setFormat(QSurfaceFormat::defaultFormat());
    context->create();
    qt_gl_set_global_share_context(context);
#endif
}

BrowserHost::BrowserHost(const QString& programFolder, QWidget* parent) : QWidget(parent), folder(programFolder)
{
    opening = new QLabel(QStringLiteral("正在打开…"), this);
    opening->setObjectName(QStringLiteral("browserOpening"));
    opening->setAlignment(Qt::AlignCenter);
}

BrowserHost::~BrowserHost() = default;

void BrowserHost::paintEvent(QPaintEvent*)
{
    // The engine takes a while to start: the page frame with its opening line
    // is shown first, and the engine starts once that frame is on the screen
    // (it is flushed right after this paint, before the event loop turns).
    if (!engineRequested) {
        engineRequested = true;
        QTimer::singleShot(0, this, &BrowserHost::startEngine);
    }
}

void BrowserHost::startEngine()
{
    makeShareContext();
    loadPlugin();
    delete opening;
    opening = nullptr;
    shownWidget()->show(); // made after this host was shown
    if (!requestedAddress.isEmpty())
        open(requestedAddress);
}

void BrowserHost::loadPlugin()
{
    QPluginLoader loader(pluginPath(QStringLiteral(TALLOWBY_BROWSER_PLUGIN)));
    if (auto* plugin = qobject_cast<BrowserPlugin*>(loader.instance())) {
        view.reset(plugin->createView(
            this, [inside = folder](const QString& file) { return inside.holds(file); },
            [this](const QUrl& page) { showFailure(page); }));
        view->widget()->setGeometry(rect());
        view->onPrintRequested([this] { print(); });
        applyZoom();
        view->setPageShown([this](const QUrl& page, bool canGoBack, bool canGoForward) {
            applyZoom(); // an engine may reset it for a page of another origin
            if (pageShown)
                pageShown(page.isLocalFile() ? page.toLocalFile() : QString(), canGoBack, canGoForward);
        });
        return;
    }
    unavailable = new QLabel(QStringLiteral("这台电脑上的网页显示部件没有装好，暂时看不了这一页。"), this);
    unavailable->setObjectName(QStringLiteral("browserUnavailable"));
    unavailable->setAlignment(Qt::AlignCenter);
    unavailable->setWordWrap(true);
    unavailable->setToolTip(loader.errorString());
    unavailable->setGeometry(rect());
}

bool BrowserHost::print()
{
    if (!view || printing)
        return false;
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    QPrintDialog dialog(printer.get(), this);
    dialog.setWindowTitle(QStringLiteral("打印这一页"));
    return dialog.exec() == QDialog::Accepted && printInto(std::move(printer));
}

bool BrowserHost::printInto(std::unique_ptr<QPrinter> printer, std::function<void(bool)> done)
{
    if (!view || printing)
        return false;
    printing = std::move(printer);
    view->print(*printing, [this, done = std::move(done)](bool printed) {
        printing.reset();
        if (done)
            done(printed);
    });
    return true;
}

void BrowserHost::render(const WebBrowser& browser)
{
    if (browser.navigationCount() == shownNavigation)
        return;
    shownNavigation = browser.navigationCount();
    requestedAddress = browser.address();
    if (!opening) // otherwise opened once the engine has started
        open(requestedAddress);
}

void BrowserHost::goThroughHistory(int steps)
{
    if (view)
        view->goThroughHistory(steps);
}

void BrowserHost::setZoom(double factor)
{
    zoom = factor;
    applyZoom();
}

void BrowserHost::applyZoom()
{
    // The view is the engine's own widget, which takes its zoom as a property.
    if (view && view->widget()->property("zoomFactor").toDouble() != zoom)
        view->widget()->setProperty("zoomFactor", zoom);
}

void BrowserHost::open(const QString& address)
{
    if (!view)
        return;
    const LibraryPage page = folder.resolve(address);
    if (page.kind == LibraryPage::Kind::File)
        view->open(QUrl::fromLocalFile(page.localFile));
    else
        showOwnPage(page, address);
}

void BrowserHost::showFailure(const QUrl& failed)
{
    // A page that could not be loaded, or a link inside a page that leads
    // nowhere or out of the folder: never opened again, so a page that fails
    // cannot loop.
    const QString address = failed.isLocalFile() ? failed.toLocalFile() : failed.toString();
    LibraryPage page = folder.resolve(address);
    if (page.kind == LibraryPage::Kind::File)
        page.kind = LibraryPage::Kind::Missing;
    showOwnPage(page, address);
}

void BrowserHost::showOwnPage(const LibraryPage& page, const QString& address)
{
    // Our pages share the library's style sheet in 123_files.
    const QUrl styleFolder = QUrl::fromLocalFile(folder.path() + QStringLiteral("/123_files/"));
    if (page.kind == LibraryPage::Kind::Missing)
        view->showHtml(missingPageHtml(QFileInfo(page.localFile).completeBaseName()), styleFolder);
    else
        view->showHtml(refusedPageHtml(address.section(u'/', -1, -1, QString::SectionSkipEmpty)), styleFolder);
}

QWidget* BrowserHost::shownWidget() const
{
    if (opening)
        return opening;
    return view ? view->widget() : unavailable;
}

void BrowserHost::resizeEvent(QResizeEvent*)
{
    shownWidget()->setGeometry(rect());
}

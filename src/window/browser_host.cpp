#include "browser_host.h"

#include "library_address.h"
#include "plugins.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QPluginLoader>

#include <unistd.h>

void prepareBrowserEngine()
{
    // The engine refuses to start as root unless its sandbox is off; as any
    // other user the sandbox stays on.
    if (geteuid() == 0)
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
}

BrowserHost::BrowserHost(QString folder, QWidget* parent)
    : QWidget(parent), programFolder(std::move(folder))
{
    loadPlugin();
}

BrowserHost::~BrowserHost() = default;

void BrowserHost::loadPlugin()
{
    QPluginLoader loader(pluginPath(QStringLiteral(TALLOWBY_BROWSER_PLUGIN)));
    if (auto* plugin = qobject_cast<BrowserPlugin*>(loader.instance())) {
        view.reset(plugin->createView(this, programFolder, [this](const QUrl& page) { showFailure(page); }));
        view->widget()->setGeometry(rect());
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

void BrowserHost::render(const WebBrowser& browser)
{
    if (browser.navigationCount() == shownNavigation)
        return;
    shownNavigation = browser.navigationCount();
    open(browser.address());
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
    const LibraryPage page = resolveLibraryAddress(programFolder, address);
    if (page.kind == LibraryPage::Kind::File)
        view->open(QUrl::fromLocalFile(page.localFile));
    else
        showOwnPage(page, address);
}

void BrowserHost::showFailure(const QUrl& failed)
{
    // A page that could not be loaded, or a link inside a page that leads
    // nowhere: never opened again, so a page that fails cannot loop.
    const QString address = failed.isLocalFile() ? failed.toLocalFile() : failed.toString();
    LibraryPage page = resolveLibraryAddress(programFolder, address);
    if (page.kind == LibraryPage::Kind::File)
        page.kind = LibraryPage::Kind::Missing;
    showOwnPage(page, address);
}

void BrowserHost::showOwnPage(const LibraryPage& page, const QString& address)
{
    // Our pages share the library's style sheet in 123_files.
    const QUrl styleFolder = QUrl::fromLocalFile(programFolder + QStringLiteral("/123_files/"));
    if (page.kind == LibraryPage::Kind::Missing)
        view->showHtml(missingPageHtml(QFileInfo(page.localFile).completeBaseName()), styleFolder);
    else
        view->showHtml(refusedPageHtml(address.section(u'/', -1)), styleFolder);
}

void BrowserHost::resizeEvent(QResizeEvent*)
{
    QWidget* shown = view ? view->widget() : unavailable;
    shown->setGeometry(rect());
}

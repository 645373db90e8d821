// The browser plugin: a Qt WebEngine view for the library pages, confined to
// the program folder.

#include "browser_plugin.h"

#include <QMetaObject>
#include <QObject>
#include <QPrinter>
#include <QWebEngineHistory>
#include <QWebEngineLoadingInfo>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineScript>
#include <QWebEngineScriptCollection>
#include <QWebEngineSettings>
#include <QWebEngineUrlRequestInterceptor>
#include <QWebEngineView>

namespace {

using LocalFileRule = BrowserPlugin::LocalFileRule;
using PageFailed = std::function<void(const QUrl&)>;

// What a page may load: content it made itself, and files the rule admits.
bool mayLoad(const QUrl& url, const LocalFileRule& localFiles)
{
    const QString scheme = url.scheme();
    if (scheme == u"data" || scheme == u"blob")
        return true;
    return url.isLocalFile() && localFiles(url.toLocalFile());
}

// Sees every request of every page, not only navigations: style sheets and
// scripts, fetch and XHR, workers, and the handshakes of WebSockets.
class FolderOnly final : public QWebEngineUrlRequestInterceptor {
public:
    FolderOnly(LocalFileRule localFiles, QObject* parent)
        : QWebEngineUrlRequestInterceptor(parent), localFiles(std::move(localFiles))
    {
    }

    void interceptRequest(QWebEngineUrlRequestInfo& info) override
    {
        info.block(!mayLoad(info.requestUrl(), localFiles));
    }

private:
    LocalFileRule localFiles;
};

// Keeps the pupil inside the program's own pages: a link or a new window
// that leads elsewhere shows why it did not open.
class LibraryWebPage final : public QWebEnginePage {
public:
    LibraryWebPage(QWebEngineProfile* profile, LocalFileRule localFiles, PageFailed refused, QObject* parent)
        : QWebEnginePage(profile, parent), localFiles(std::move(localFiles)), refused(std::move(refused))
    {
        // No camera, microphone, screen, location or notifications for any page.
        connect(this, &QWebEnginePage::featurePermissionRequested, this, [this](const QUrl& origin, Feature feature) {
            setFeaturePermission(origin, feature, PermissionDeniedByUser);
        });
    }

protected:
    bool acceptNavigationRequest(const QUrl& url, NavigationType, bool isMainFrame) override
    {
        if (url.scheme() == u"about" || mayLoad(url, localFiles))
            return true;
        // Our own page replaces this one once the refused navigation is over;
        // a frame inside a page just stays empty.
        if (isMainFrame)
            QMetaObject::invokeMethod(this, [this, url] { refused(url); }, Qt::QueuedConnection);
        return false;
    }
    // Pages that open a new window open in this view instead, through the check above.
    QWebEnginePage* createWindow(WebWindowType) override { return this; }

private:
    LocalFileRule localFiles;
    PageFailed refused;
};

// A peer connection reaches STUN and TURN servers past the interceptor, so a
// document loses the constructor before its own scripts run. The engine
// runs no script in a new frame's first empty document, so this narrows the
// way out rather than closing it; the engine has no switch that does.
QWebEngineScript withoutPeerConnections()
{
    QWebEngineScript script;
    script.setName(QStringLiteral("withoutPeerConnections"));
    script.setSourceCode(QStringLiteral("delete window.RTCPeerConnection; delete window.webkitRTCPeerConnection;"));
    script.setInjectionPoint(QWebEngineScript::DocumentCreation);
    script.setWorldId(QWebEngineScript::MainWorld);
    script.setRunsOnSubFrames(true);
    return script;
}

class WebEngineBrowserView final : public BrowserView {
public:
    WebEngineBrowserView(QWidget* parent, const LocalFileRule& localFiles, const PageFailed& pageFailed)
        : view(new QWebEngineView(parent))
    {
        // An off-the-record profile: the library writes no cache or cookies to disk.
        auto* profile = new QWebEngineProfile;
        QWebEngineSettings* settings = profile->settings();
        settings->setAttribute(QWebEngineSettings::LocalContentCanAccessRemoteUrls, false);
        // Pages may read files, and the interceptor admits only the folder's.
        settings->setAttribute(QWebEngineSettings::LocalContentCanAccessFileUrls, true);
        settings->setAttribute(QWebEngineSettings::WebRTCPublicInterfacesOnly, true);
        settings->setAttribute(QWebEngineSettings::PluginsEnabled, false);
        // No raw browser error page, ever: a failed load is handed back to the
        // program, which shows a page of its own.
        settings->setAttribute(QWebEngineSettings::ErrorPageEnabled, false);
        profile->setUrlRequestInterceptor(new FolderOnly(localFiles, profile));
        profile->scripts()->insert(withoutPeerConnections());
        auto* page = new LibraryWebPage(profile, localFiles, pageFailed, view);
        // The page must go before its profile: the page owns the profile.
        profile->setParent(page);
        view->setPage(page);
        view->setContextMenuPolicy(Qt::NoContextMenu);
        // A load stopped by the next one is not a failure.
        QObject::connect(page, &QWebEnginePage::loadingChanged, view, [pageFailed](const QWebEngineLoadingInfo& loading) {
            if (loading.status() == QWebEngineLoadingInfo::LoadFailedStatus)
                pageFailed(loading.url());
        });
    }

    QWidget* widget() override { return view; }
    void open(const QUrl& page) override { view->load(page); }
    void showHtml(const QString& html, const QUrl& base) override { view->setHtml(html, base); }
    void print(QPrinter& printer, std::function<void(bool)> done) override
    {
        // Saved as PDF, the engine writes the page itself, its text still text;
        // for a printer it paints the pages as pictures.
        if (printer.outputFormat() == QPrinter::PdfFormat && !printer.outputFileName().isEmpty()) {
            QObject::connect(view->page(), &QWebEnginePage::pdfPrintingFinished, view,
                             [done = std::move(done)](const QString&, bool printed) { done(printed); },
                             Qt::SingleShotConnection);
            view->page()->printToPdf(printer.outputFileName(), printer.pageLayout());
            return;
        }
        QObject::connect(view, &QWebEngineView::printFinished, view, std::move(done), Qt::SingleShotConnection);
        view->print(&printer);
    }
    void onPrintRequested(std::function<void()> request) override
    {
        QObject::connect(view, &QWebEngineView::printRequested, view, std::move(request));
    }
    void goThroughHistory(int steps) override
    {
        QWebEngineHistory* history = view->history();
        const QWebEngineHistoryItem item = history->itemAt(history->currentItemIndex() + steps);
        if (steps != 0 && item.isValid())
            history->goToItem(item);
    }
    void setPageShown(std::function<void(const QUrl&, bool, bool)> shown) override
    {
        // The history is up to date once a page has loaded; its address is known earlier.
        auto tell = [this, shown = std::move(shown)] {
            shown(view->url(), view->history()->canGoBack(), view->history()->canGoForward());
        };
        QObject::connect(view->page(), &QWebEnginePage::urlChanged, view, tell);
        QObject::connect(view->page(), &QWebEnginePage::loadFinished, view, tell);
    }

private:
    QWebEngineView* view;
};

} // namespace

class WebEngineBrowserPlugin final : public QObject, public BrowserPlugin {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID BrowserPlugin_iid)
    Q_INTERFACES(BrowserPlugin)

public:
    BrowserView* createView(QWidget* parent, LocalFileRule localFiles, PageFailed pageFailed) override
    {
        return new WebEngineBrowserView(parent, localFiles, pageFailed);
    }
};

#include "web_engine_browser.moc"

// The browser plugin: a Qt WebEngine view for the library pages.

#include "browser_plugin.h"

#include <QDir>
#include <QObject>
#include <QWebEngineHistory>
#include <QWebEngineLoadingInfo>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineSettings>
#include <QWebEngineView>

namespace {

// Keeps the pupil inside the program's own pages: links elsewhere do nothing.
class LibraryWebPage final : public QWebEnginePage {
public:
    LibraryWebPage(QWebEngineProfile* profile, QString folder, QObject* parent)
        : QWebEnginePage(profile, parent), folder(QDir::cleanPath(std::move(folder)) + QLatin1Char('/'))
    {
    }

protected:
    bool acceptNavigationRequest(const QUrl& url, NavigationType, bool) override
    {
        if (url.scheme() == QStringLiteral("data") || url.scheme() == QStringLiteral("about"))
            return true;
        return url.isLocalFile() && QDir::cleanPath(url.toLocalFile()).startsWith(folder);
    }
    // Pages that open a new window open in this view instead.
    QWebEnginePage* createWindow(WebWindowType) override { return this; }

private:
    QString folder;
};

class WebEngineBrowserView final : public BrowserView {
public:
    WebEngineBrowserView(QWidget* parent, const QString& folder, std::function<void(const QUrl&)> pageFailed)
        : view(new QWebEngineView(parent))
    {
        // An off-the-record profile: the library writes no cache or cookies to disk.
        auto* profile = new QWebEngineProfile;
        profile->settings()->setAttribute(QWebEngineSettings::LocalContentCanAccessRemoteUrls, false);
        profile->settings()->setAttribute(QWebEngineSettings::LocalContentCanAccessFileUrls, true);
        auto* page = new LibraryWebPage(profile, folder, view);
        // The page must go before its profile: the page owns the profile.
        profile->setParent(page);
        view->setPage(page);
        view->setContextMenuPolicy(Qt::NoContextMenu);
        // No raw browser error page, ever: a failed load is handed back to the
        // program, which shows a page of its own. A load stopped by the next
        // one is not a failure.
        profile->settings()->setAttribute(QWebEngineSettings::ErrorPageEnabled, false);
        QObject::connect(page, &QWebEnginePage::loadingChanged, view,
                         [failed = std::move(pageFailed)](const QWebEngineLoadingInfo& loading) {
                             if (loading.status() == QWebEngineLoadingInfo::LoadFailedStatus)
                                 failed(loading.url());
                         });
    }

    QWidget* widget() override { return view; }
    void open(const QUrl& page) override { view->load(page); }
    void showHtml(const QString& html, const QUrl& base) override { view->setHtml(html, base); }
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
    BrowserView* createView(QWidget* parent, const QString& folder,
                            std::function<void(const QUrl&)> pageFailed) override
    {
        return new WebEngineBrowserView(parent, folder, std::move(pageFailed));
    }
};

#include "web_engine_browser.moc"

#pragma once

#include "browser_plugin.h"
#include "controls.h"
#include "library_address.h"

#include <QWidget>

#include <functional>
#include <memory>

class QLabel;

// Settings the browser engine reads when it starts; call before the
// application object exists, as the plugin is loaded later.
void prepareBrowserEngine();

// Where WebBrowser1 is seen. It loads the browser plugin when it is built (the
// first time page 10 is shown) and opens each page the model navigates to,
// or a page of our own when that page is missing or lies outside the program folder.
class BrowserHost final : public QWidget {
public:
    BrowserHost(QString programFolder, QWidget* parent);
    ~BrowserHost() override;

    void render(const WebBrowser& browser);
    // Back (-1) or forward (+1) through the pages shown.
    void goThroughHistory(int steps);
    // The pages are drawn larger or smaller with the window.
    void setZoom(double factor);
    // Told after every page the browser shows: its file (empty for a page of
    // our own) and whether there are pages to go back and forward to.
    std::function<void(const QString& localFile, bool canGoBack, bool canGoForward)> pageShown;

private:
    void loadPlugin();
    void applyZoom();
    void open(const QString& address);
    void showFailure(const QUrl& failed);
    void showOwnPage(const LibraryPage& page, const QString& address);
    void resizeEvent(QResizeEvent* event) override;

    QString programFolder;
    int shownNavigation = 0;
    double zoom = 1;
    std::unique_ptr<BrowserView> view;
    QLabel* unavailable = nullptr; // instead of the view when the plugin cannot be loaded
};

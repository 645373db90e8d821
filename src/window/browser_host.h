#pragma once

#include "browser_plugin.h"
#include "controls.h"
#include "library_address.h"

#include <QWidget>

#include <functional>
#include <memory>

class QLabel;
class QPrinter;

// Settings the browser engine reads when it starts; call before the
// application object exists, as the plugin is loaded later.
void prepareBrowserEngine();

// Where WebBrowser1 is seen. It shows "正在打开…" at once and loads the
// browser plugin once that is on the screen (the first time page 10 is shown),
// then opens each page the model navigates to, or a page of our own when that
// page is missing or lies outside the program folder.
class BrowserHost final : public QWidget {
public:
    BrowserHost(const QString& programFolder, QWidget* parent);
    ~BrowserHost() override;

    void render(const WebBrowser& browser);
    // Back (-1) or forward (+1) through the pages shown.
    void goThroughHistory(int steps);
    // The pages are drawn larger or smaller with the window.
    void setZoom(double factor);
    // Told after every page the browser shows: its file (empty for a page of
    // our own) and whether there are pages to go back and forward to.
    std::function<void(const QString& localFile, bool canGoBack, bool canGoForward)> pageShown;

    // The page shown on paper, after the print dialog (Ctrl+P, or the page's
    // own print button). False when no page is shown yet.
    bool print();
    // Prints into this printer without asking; done tells whether it printed.
    bool printInto(std::unique_ptr<QPrinter> printer, std::function<void(bool printed)> done = {});

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void startEngine();
    void loadPlugin();
    void applyZoom();
    void open(const QString& address);
    void showFailure(const QUrl& failed);
    void showOwnPage(const LibraryPage& page, const QString& address);
    QWidget* shownWidget() const;
    void resizeEvent(QResizeEvent* event) override;

    LibraryFolder folder;
    int shownNavigation = 0;
    double zoom = 1;
    std::unique_ptr<BrowserView> view;
    std::unique_ptr<QPrinter> printing; // kept until the engine has printed into it
    QString requestedAddress;
    bool engineRequested = false;
    QLabel* opening = nullptr;     // until the engine has started
    QLabel* unavailable = nullptr; // instead of the view when the plugin cannot be loaded
};

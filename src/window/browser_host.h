#pragma once

#include "browser_plugin.h"
#include "controls.h"
#include "library_address.h"

#include <QWidget>

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
    BrowserHost(const QString& programFolder, QWidget* parent);
    ~BrowserHost() override;

    void render(const WebBrowser& browser);

private:
    void loadPlugin();
    void open(const QString& address);
    void showFailure(const QUrl& failed);
    void showOwnPage(const LibraryPage& page, const QString& address);
    void resizeEvent(QResizeEvent* event) override;

    LibraryFolder folder;
    int shownNavigation = 0;
    std::unique_ptr<BrowserView> view;
    QLabel* unavailable = nullptr; // instead of the view when the plugin cannot be loaded
};

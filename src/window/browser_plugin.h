#pragma once

#include <QString>
#include <QUrl>
#include <QtPlugin>

#include <functional>

class QWidget;

// A web view that lives in a plugin, so that the program links the browser
// engine only once a library page is actually shown.
class BrowserView {
public:
    virtual ~BrowserView() = default;
    virtual QWidget* widget() = 0;
    virtual void open(const QUrl& page) = 0;
    // Shows a page of our own; relative links resolve against base.
    virtual void showHtml(const QString& html, const QUrl& base) = 0;
    // Back (-1) or forward (+1) through the pages it has shown, where there is such a page.
    virtual void goThroughHistory(int steps) = 0;
    // shown is told after every page the view shows, with whether there is a
    // page to go back to and one to go forward to.
    virtual void setPageShown(std::function<void(const QUrl& page, bool canGoBack, bool canGoForward)> shown) = 0;
};

class BrowserPlugin {
public:
    virtual ~BrowserPlugin() = default;
    // A view that follows links only to files inside folder. pageFailed is
    // called with any page it could not show, instead of a browser error page.
    virtual BrowserView* createView(QWidget* parent, const QString& folder,
                                    std::function<void(const QUrl&)> pageFailed) = 0;
};

#define BrowserPlugin_iid "org.tallowby.BrowserPlugin/2"
Q_DECLARE_INTERFACE(BrowserPlugin, BrowserPlugin_iid)

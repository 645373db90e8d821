#pragma once

#include <QString>
#include <QUrl>
#include <QtPlugin>

#include <functional>

class QPrinter;
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
    // Prints the page shown; the printer must last until done is called.
    virtual void print(QPrinter& printer, std::function<void(bool printed)> done) = 0;
    // Told when the page itself asks to be printed (window.print()).
    virtual void onPrintRequested(std::function<void()> request) = 0;
    // Back (-1) or forward (+1) through the pages it has shown, where there is such a page.
    virtual void goThroughHistory(int steps) = 0;
    // shown is told after every page the view shows, with whether there is a
    // page to go back to and one to go forward to.
    virtual void setPageShown(std::function<void(const QUrl& page, bool canGoBack, bool canGoForward)> shown) = 0;
};

class BrowserPlugin {
public:
    // Whether pages may load this local file; called from any thread.
    using LocalFileRule = std::function<bool(const QString& localFile)>;

    virtual ~BrowserPlugin() = default;
    // A view whose pages load nothing but data: and blob: content and the
    // local files that mayLoad admits: no network, no devices, no plugins.
    // pageFailed is called with any page it could not or would not show,
    // instead of a browser error page.
    virtual BrowserView* createView(QWidget* parent, LocalFileRule mayLoad,
                                    std::function<void(const QUrl&)> pageFailed) = 0;
};

#define BrowserPlugin_iid "org.tallowby.BrowserPlugin/4"
Q_DECLARE_INTERFACE(BrowserPlugin, BrowserPlugin_iid)

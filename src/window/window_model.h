#pragma once

#include "content_store.h"
#include "main_form.h"
#include "page_snapshot.h"

#include <QString>

#include <functional>
#include <map>
#include <memory>

// The whole main window without a toolkit: the practice form, the content it
// reads, start-up and the tab change. The Qt view and the headless driver both
// drive one of these.
class WindowModel {
public:
    // programFolder: the folder that holds data.db and the library pages.
    WindowModel(const TextMetrics& metrics, QString programFolder);

    MainForm form;

    void Form_Load();
    // Form_Load with the content store already read, as the window reads it on
    // a worker thread while it builds its model.
    void Form_Load(std::unique_ptr<ContentStore> content);
    // The tab change for the tab now selected in TabStrip1. The page open on the
    // tab being left is kept, and the new tab shows the page left open on it.
    void TabStrip1_Click();
    void selectTab(int tab);

    // Runs a command button's click procedure. False when the button has none.
    bool click(const QString& button);
    // The browser shows this file, perhaps after a link in another page or a
    // step back: the tree selects its leaf on the tab in view, without opening
    // it again. True when the selection changed.
    bool libraryPageShown(const QString& localFile);

    const ContentStore& content() const { return *store; }
    // The program folder, which holds data.db and the library pages.
    const QString& appPath() const { return programFolder; }

private:
    void rebuildTree(const TopicTab& tab);
    void setUpClockFaces();
    void showDictionary();
    void showLibraryPage(int tab);
    void announceContentProblem();

    QString programFolder;
    std::unique_ptr<ContentStore> store;
    RecordSet fallbackLeaves; // the practice tabs' own names, used when the file cannot be read
    std::map<QString, std::function<void(MainForm&)>> buttons;
    std::map<int, PageSnapshot> pagesLeftOpen; // by practice tab
};

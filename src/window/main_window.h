#pragma once

#include "drawings.h"
#include "qt_text_metrics.h"
#include "window_model.h"

#include <QTimer>
#include <QWidget>

#include <future>
#include <map>
#include <memory>
#include <utility>
#include <vector>

class PracticeRecord;

class QLabel;
class QLineEdit;
class QTabBar;
class QTreeWidget;

// The Qt view of the main window. It decides nothing: it forwards every event
// to the form model and then renders the model onto its widgets.
class MainWindow final : public QWidget {
    Q_OBJECT

public:
    // programFolder: the folder that holds data.db and the library pages.
    // recordPath: the practice record's file; none is kept when it is empty.
    explicit MainWindow(const QString& programFolder, const QString& recordPath = {});
    ~MainWindow() override;

    WindowModel& model() { return windowModel; }
    // The widget that shows a control, by the control's name ("Text1(3)", "TreeView1").
    QWidget* widget(const QString& controlName) const;
    // Brings every widget in line with the model.
    void render();

    // Ctrl+P: the page in view on paper, its questions and then its answers.
    void printPage();
    // Ctrl+R: the 练习记录 window.
    void showRecord();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void buildWidgets();
    void buildCommands();
    void keepRecord(const MainForm::MarkedPage& page);
    void build(const Form::Entry& entry);
    // Builds the controls of every page that has just been shown for the first time.
    bool buildShownPages();
    QWidget* createWidget(const Form::Entry& entry, QWidget* container);
    void connectAnswerBox(QLineEdit* box, TextBox& model);
    void hideCoveredPages();
    void renderTree();
    void renderClock();
    void treeClicked();
    void focusFirstOpenBox();
    static std::vector<QLineEdit*> openBoxesOf(QWidget* page);
    // Moves the focus to the next (step +1) or previous (-1) open box of the page.
    bool moveFocusFrom(QLineEdit* box, int step);

    // First: the leaf table and the welcome picture are read on worker threads
    // while the rest of the window is built.
    std::future<std::unique_ptr<ContentStore>> contentReading;
    Drawings drawings;
    QFont pageFont;
    QtTextMetrics metrics;
    WindowModel windowModel;

    QTimer clock;
    int clockStarts = -1;
    int treeRevision = -1;
    bool rendering = false; // widget signals caused by render() are not pupil events

    QTabBar* tabBar = nullptr;
    QTreeWidget* tree = nullptr;
    QLabel* hint = nullptr;
    QLabel* notice = nullptr;
    std::map<QString, QWidget*> widgets;
    std::map<QString, std::vector<Form::Entry>> unbuiltPages; // by page name, in building order
    std::vector<std::pair<Form::ControlPointer, QWidget*>> bindings;

    QString recordPath;
    std::unique_ptr<PracticeRecord> record; // opened once the window is first painted
    QWidget* recordWindow = nullptr;
};

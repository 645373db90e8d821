#pragma once

#include "drawings.h"
#include "qt_text_metrics.h"
#include "twips.h"
#include "window_model.h"

#include <QTimer>
#include <QWidget>

#include <future>
#include <map>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

class BrowserHost;
class PracticeRecord;

class QDialog;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabBar;
class QTreeWidget;

// The Qt view of the main window. It decides nothing: it forwards every event
// to the form model and then renders the model onto its widgets.
class MainWindow final : public QWidget {
    Q_OBJECT

public:
    // programFolder: the folder that holds data.db and the library pages.
    // recordPath: the practice record's file; none is kept when it is empty.
    // settingsPath: the file that remembers the window's size and place between
    // runs; the window opens fitted to the screen and remembers nothing when it is empty.
    explicit MainWindow(const QString& programFolder, const QString& recordPath = {}, const QString& settingsPath = {});
    ~MainWindow() override;

    // The user's file for settingsPath.
    static QString defaultSettingsPath();

    WindowModel& model() { return windowModel; }
    // The widget that shows a control, by the control's name ("Text1(3)", "TreeView1").
    QWidget* widget(const QString& controlName) const;
    // Brings every widget in line with the model.
    void render();
    // How the form is scaled to fill the window.
    Zoom zoom() const { return currentZoom; }

    // Ctrl+P: the page in view on paper, its questions and then its answers.
    void printPage();
    // Ctrl+R: the 练习记录 window.
    void showRecord();
    // F1: how to practise, how the answers are marked, the keys; and the About box.
    void showHelp();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void placeOnScreen();
    // The largest zoom at which the form fits into room.
    Zoom zoomFitting(QSize room) const;
    void applyZoom(Zoom zoom);
    void placeTabBar();
    // Places a widget of the window's own, one the form does not know, at this
    // rectangle of the form; it follows the zoom.
    void place(QWidget* widget, const Rect& rect);
    // Gives a widget this font at the window's zoom; it follows the zoom.
    void setFormFont(QWidget* widget, const QFont& font);
    QFont zoomedFont(const QFont& font);
    const Drawings& drawingsForZoom();
    void buildWidgets();
    void buildCommands();
    void buildBrowserButtons();
    void keepRecord(const MainForm::MarkedPage& page);
    void build(const Form::Entry& entry);
    // Builds the controls of every page that has just been shown for the first time.
    bool buildShownPages();
    void setUpPracticePage(int page);
    QWidget* createWidget(const Form::Entry& entry, QWidget* container);
    QWidget* widgetOf(Form::ControlPointer control) const;
    void connectAnswerBox(QLineEdit* box, TextBox& model);
    void hideCoveredPages();
    void renderTree();
    void renderClock();
    void renderClockLine();
    void renderAnswerBoxNames();
    void renderBrowserButtons();
    void treeClicked();
    void buttonClicked(const QString& name);
    void browserShowed(const QString& localFile, bool canGoBack, bool canGoForward);
    void goThroughBrowserHistory(int steps);
    void focusFirstOpenBox();
    // The open answer boxes of the practice page in view, question by question.
    std::vector<QLineEdit*> openBoxes();
    // Enter in an answer box: on to the next open box, from the last to the submit button.
    void enterPressedIn(QLineEdit* box);
    bool showsTooltipOfCutTitle(QEvent* event);

    // The steps of the tree's branches, in twips: narrow, so that long titles fit beside them.
    static constexpr int treeIndentation = 180;

    // First: the leaf table and the welcome picture are read on worker threads
    // while the rest of the window is built.
    std::future<std::unique_ptr<ContentStore>> contentReading;
    Drawings drawings;
    std::optional<Drawings> sharperDrawings; // once the window is zoomed beyond the drawings' pixels
    QFont pageFont;
    QtTextMetrics metrics;
    WindowModel windowModel;

    QTimer clock;
    int clockStarts = -1;
    int treeRevision = -1;
    bool rendering = false; // widget signals caused by render() are not pupil events

    QString settingsPath;
    QString styleSheetAtOne; // the window's style sheet at zoom 1
    Zoom currentZoom;
    QWidget* canvas = nullptr; // holds the form, centred in the window
    std::vector<std::pair<QWidget*, Rect>> placedWidgets;
    std::map<QWidget*, QFont> formFonts; // each widget's font at zoom 1
    std::map<QString, QFont> zoomedFonts; // by the key of the font at zoom 1

    QTabBar* tabBar = nullptr;
    QTreeWidget* tree = nullptr;
    QLabel* hint = nullptr;
    QLabel* notice = nullptr;
    QLabel* clockLine = nullptr;
    QPushButton* backButton = nullptr;
    QPushButton* forwardButton = nullptr;
    BrowserHost* browser = nullptr;
    QDialog* helpWindow = nullptr;
    std::map<QString, QWidget*> widgets;
    std::map<QString, std::vector<Form::Entry>> unbuiltPages; // by page name, in building order
    std::vector<std::pair<Form::ControlPointer, QWidget*>> bindings;

    QString recordPath;
    std::unique_ptr<PracticeRecord> record; // opened when first needed
    QWidget* recordWindow = nullptr;
};

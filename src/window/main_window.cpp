#include "main_window.h"

#include "accessible_names.h"
#include "browser_host.h"
#include "control_renderer.h"
#include "fraction_row_label.h"
#include "help_window.h"
#include "page_font.h"
#include "picture_widget.h"
#include "plugins.h"
#include "practice_pages.h"
#include "practice_record.h"
#include "record_window_plugin.h"
#include "worksheet.h"

#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPluginLoader>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QShortcut>
#include <QStandardPaths>
#include <QTabBar>
#include <QTreeWidget>

#include <algorithm>

MainWindow::MainWindow(const QString& programFolder, const QString& recordPath, const QString& settingsPath)
    : contentReading(std::async(std::launch::async, [programFolder] { return std::make_unique<ContentStore>(programFolder); }))
    , drawings(qApp->devicePixelRatio())
    , pageFont(::pageFont())
    , metrics(pageFont)
    , windowModel(metrics, programFolder)
    , settingsPath(settingsPath)
    , recordPath(recordPath)
{
    setObjectName(QStringLiteral("Form1"));
    setAttribute(Qt::WA_StyledBackground);
    QFile style(QStringLiteral(":/window/style.qss"));
    if (style.open(QIODevice::ReadOnly))
        styleSheetAtOne = QString::fromUtf8(style.readAll());

    windowModel.Form_Load(contentReading.get());
    windowModel.form.pageMarked = [this](const MainForm::MarkedPage& page) { keepRecord(page); };
    placeOnScreen();
    currentZoom = zoomFitting(size());
    setStyleSheet(currentZoom.styleSheet(styleSheetAtOne));
    setFormFont(this, fontOfSize(10.5));
    buildWidgets();
    buildCommands();
    buildBrowserButtons();
    connect(&clock, &QTimer::timeout, this, [this] {
        windowModel.form.Timer1_Timer();
        renderClockLine();
    });
    render();
}

MainWindow::~MainWindow() = default;

QString MainWindow::defaultSettingsPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation) + QStringLiteral("/window.conf");
}

void MainWindow::keepRecord(const MainForm::MarkedPage& page)
{
    if (recordPath.isEmpty())
        return;
    // The file is opened when the first page is marked, not at start-up: a
    // run that marks nothing never touches it.
    if (!record)
        record = std::make_unique<PracticeRecord>(recordPath);
    record->add({QDateTime::currentDateTime(), page.tab, page.exerciseType, page.right, page.questions, page.seconds});
}

void MainWindow::buildCommands()
{
    // Small buttons beside the title and under it, with their keys.
    const struct {
        const char* name;
        const char* caption;
        const char* does; // for a screen reader
        Rect rect;
        QKeySequence key;
        void (MainWindow::*command)();
    } commands[] = {
        {"printButton", "打印 (Ctrl+P)", "把这一页题目打印成练习纸，后面跟着答案", {135, 960, 1650, 360}, QKeySequence::Print,
         &MainWindow::printPage},
        {"recordButton", "练习记录 (Ctrl+R)", "每天练了哪些题，答对了几道，用了几秒", {1885, 960, 1650, 360},
         QKeySequence(Qt::CTRL | Qt::Key_R), &MainWindow::showRecord},
        {"helpButton", "帮助 (F1)", "怎样练习，怎样判分，键盘怎样用", {2580, 420, 1080, 360}, QKeySequence(Qt::Key_F1),
         &MainWindow::showHelp},
    };
    for (const auto& command : commands) {
        const QString caption = QString::fromUtf8(command.caption);
        auto* button = new QPushButton(caption, canvas);
        button->setObjectName(QString::fromLatin1(command.name));
        setFormFont(button, fontOfSize(9));
        button->setAccessibleName(caption.section(QStringLiteral(" ("), 0, 0));
        button->setAccessibleDescription(QString::fromUtf8(command.does));
        button->setCursor(Qt::PointingHandCursor);
        button->setFocusPolicy(Qt::TabFocus);
        button->setAutoDefault(true); // Enter presses it, as Space does
        place(button, command.rect);
        connect(button, &QPushButton::clicked, this, command.command);
        connect(new QShortcut(command.key, this), &QShortcut::activated, this, command.command);
        widgets[button->objectName()] = button;
    }
    connect(new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q), this), &QShortcut::activated, this, &QWidget::close);
}

void MainWindow::printPage()
{
    // A library page prints as the browser shows it.
    if (windowModel.form.seenPage() == 10) {
        if (auto* browser = dynamic_cast<BrowserHost*>(widget(QStringLiteral("WebBrowser1"))))
            browser->print();
        return;
    }
    const std::shared_ptr<const PageSnapshot> page = windowModel.form.generatedPage();
    if (!page || windowModel.form.seenPage() < 0 || windowModel.form.seenPage() != page->pageIndex()) {
        QMessageBox::information(this, QStringLiteral("打印"), QStringLiteral("先点左边的一种题目出一页题，再打印这一页。"));
        return;
    }
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(windowModel.form.state.exerciseType);
    QPrintDialog dialog(&printer, this);
    dialog.setWindowTitle(QStringLiteral("打印练习纸"));
    if (dialog.exec() == QDialog::Accepted)
        printWorksheets(printer, {page}, drawings);
}

void MainWindow::showRecord()
{
    if (!recordWindow) {
        if (!record)
            record = std::make_unique<PracticeRecord>(recordPath.isEmpty() ? PracticeRecord::defaultPath() : recordPath);
        QPluginLoader loader(pluginPath(QStringLiteral(TALLOWBY_RECORD_WINDOW_PLUGIN)));
        auto* plugin = qobject_cast<RecordWindowPlugin*>(loader.instance());
        if (!plugin) {
            QMessageBox::warning(this, QStringLiteral("练习记录"), QStringLiteral("练习记录窗口没有装好：") + loader.errorString());
            return;
        }
        PracticeRecord* kept = record.get();
        recordWindow = plugin->createRecordWindow(
            this, [kept] { return kept->entries(); }, [kept] { return kept->clear(); }, kept->notice(),
            windowModel.form.TabStrip1.captions);
    }
    recordWindow->show();
    recordWindow->raise();
    recordWindow->activateWindow();
}

void MainWindow::showHelp()
{
    if (!helpWindow)
        helpWindow = createHelpWindow(this);
    helpWindow->show();
    helpWindow->raise();
    helpWindow->activateWindow();
}

QWidget* MainWindow::widget(const QString& controlName) const
{
    const auto found = widgets.find(controlName);
    return found == widgets.end() ? nullptr : found->second;
}

QWidget* MainWindow::widgetOf(Form::ControlPointer control) const
{
    const auto found = std::find_if(bindings.begin(), bindings.end(), [&](const auto& binding) { return binding.first == control; });
    return found == bindings.end() ? nullptr : found->second;
}

void MainWindow::buildWidgets()
{
    MainForm& form = windowModel.form;
    canvas = new QWidget(this);
    canvas->setObjectName(QStringLiteral("form"));

    auto* title = new QLabel(QStringLiteral("快乐学数学"), canvas);
    title->setObjectName(QStringLiteral("title"));
    place(title, Rect{135, 240, 2400, 720});
    // The line across the top, which leaves its right end to the clock or the browser's buttons.
    hint = new QLabel(canvas);
    hint->setObjectName(QStringLiteral("hint"));
    place(hint, Rect{3915, 360, 9300, 480});
    widgets[QStringLiteral("welcomeHint")] = hint;

    notice = new QLabel(canvas);
    notice->setObjectName(QStringLiteral("contentNotice"));
    notice->setWordWrap(true);
    place(notice, Rect{3915, 240, 9300, 900});
    widgets[notice->objectName()] = notice;

    clockLine = new QLabel(canvas);
    clockLine->setObjectName(QStringLiteral("clockLine"));
    clockLine->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    place(clockLine, Rect{13245, 360, 2100, 480});
    widgets[clockLine->objectName()] = clockLine;

    // The window's own controls now; each page's controls the first time the
    // page is shown, since most pages of a run are never opened.
    std::map<QString, QString> pageOf;
    for (const Form::Entry& entry : form.controls()) {
        if (entry.name == notice->objectName() || widget(entry.name) == hint)
            continue; // lines of their own across the top, not labels as wide as their text
        if (entry.container.isEmpty()) {
            build(entry);
            continue;
        }
        // A clock hand lies in its face, which lies in page 1.
        const auto outer = pageOf.find(entry.container);
        const QString page = outer != pageOf.end() ? outer->second : entry.container;
        pageOf[entry.name] = page;
        unbuiltPages[page].push_back(entry);
    }
}

void MainWindow::buildBrowserButtons()
{
    // Back and forward through the library pages, where the clock stands on a practice page.
    const struct {
        const char* name;
        const char* caption;
        const char* accessibleName;
        const char* does;
        Rect rect;
        QKeySequence key;
        int steps;
    } buttons[] = {
        {"backButton", "◀ 后退", "后退", "回到前一页 (Alt+←)", {13245, 420, 1020, 390}, QKeySequence(Qt::ALT | Qt::Key_Left), -1},
        {"forwardButton", "前进 ▶", "前进", "回到后一页 (Alt+→)", {14325, 420, 1020, 390}, QKeySequence(Qt::ALT | Qt::Key_Right),
         +1},
    };
    for (const auto& made : buttons) {
        auto* button = new QPushButton(QString::fromUtf8(made.caption), canvas);
        button->setObjectName(QString::fromLatin1(made.name));
        setFormFont(button, fontOfSize(9));
        button->setAccessibleName(QString::fromUtf8(made.accessibleName));
        button->setAccessibleDescription(QString::fromUtf8(made.does));
        button->setToolTip(QString::fromUtf8(made.does));
        button->setCursor(Qt::PointingHandCursor);
        button->setFocusPolicy(Qt::TabFocus);
        button->setAutoDefault(true);
        button->setEnabled(false);
        button->hide();
        place(button, made.rect);
        const int steps = made.steps;
        connect(button, &QPushButton::clicked, this, [this, steps] { goThroughBrowserHistory(steps); });
        connect(new QShortcut(made.key, this), &QShortcut::activated, this, [this, steps] { goThroughBrowserHistory(steps); });
        widgets[button->objectName()] = button;
        (made.steps < 0 ? backButton : forwardButton) = button;
    }
}

void MainWindow::goThroughBrowserHistory(int steps)
{
    if (browser && windowModel.form.seenPage() == 10)
        browser->goThroughHistory(steps);
}

void MainWindow::browserShowed(const QString& localFile, bool canGoBack, bool canGoForward)
{
    backButton->setEnabled(canGoBack);
    forwardButton->setEnabled(canGoForward);
    if (windowModel.libraryPageShown(localFile))
        render();
}

void MainWindow::build(const Form::Entry& entry)
{
    QWidget* container = entry.container.isEmpty() ? canvas : widget(entry.container);
    if (QWidget* created = createWidget(entry, container)) {
        created->setObjectName(entry.name);
        widgets[entry.name] = created;
        bindings.emplace_back(entry.control, created);
    }
}

bool MainWindow::buildShownPages()
{
    bool built = false;
    for (auto page = unbuiltPages.begin(); page != unbuiltPages.end();) {
        if (widget(page->first)->isHidden()) {
            ++page;
            continue;
        }
        for (const Form::Entry& entry : page->second)
            build(entry);
        const int index = page->first.mid(7).chopped(1).toInt(); // "Frame1(3)"
        if (index < practicePageCount)
            setUpPracticePage(index);
        page = unbuiltPages.erase(page);
        built = true;
    }
    return built;
}

QWidget* MainWindow::createWidget(const Form::Entry& entry, QWidget* container)
{
    const QString& name = entry.name;
    if (std::holds_alternative<Window*>(entry.control))
        return this;
    if (auto* strip = std::get_if<TabStrip*>(&entry.control)) {
        auto* body = new QFrame(container);
        body->setObjectName(QStringLiteral("tabBody"));
        place(body, (*strip)->rect);
        tabBar = new QTabBar(container);
        setFormFont(tabBar, fontOfSize(9));
        // Thirteen captions only just fit in one row: no scroll arrows, no eliding;
        // the spare width is shared among the tabs.
        tabBar->setUsesScrollButtons(false);
        tabBar->setElideMode(Qt::ElideNone);
        tabBar->setDrawBase(false);
        for (const QString& caption : (*strip)->captions)
            tabBar->addTab(caption);
        placeTabBar();
        connect(tabBar, &QTabBar::currentChanged, this, [this](int index) {
            if (rendering || index < 0)
                return;
            windowModel.selectTab(index + 1);
            render();
        });
        return tabBar;
    }
    if (std::holds_alternative<TreeView*>(entry.control)) {
        tree = new QTreeWidget(container);
        tree->setHeaderHidden(true);
        tree->setAccessibleName(QStringLiteral("题目类型"));
        tree->setAccessibleDescription(QStringLiteral("选一种题目，按 Enter 或点一下，就出一页新题"));
        setFormFont(tree, fontOfSize(10.5));
        setFormFont(tree->header(), fontOfSize(10.5)); // hidden, but it measures its text all the same
        tree->setIndentation(currentZoom.toPixels(treeIndentation));
        tree->viewport()->installEventFilter(this);
        tree->installEventFilter(this);
        connect(tree, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* current) {
            if (!rendering && current)
                windowModel.form.TreeView1.select(current->data(0, Qt::UserRole).toInt());
        });
        return tree;
    }
    if (std::holds_alternative<Timer*>(entry.control) || std::holds_alternative<Line*>(entry.control))
        return nullptr;
    if (auto* frame = std::get_if<Frame*>(&entry.control)) {
        auto* page = new QGroupBox((*frame)->caption, container);
        setFormFont(page, pageFont);
        return page;
    }
    if (std::holds_alternative<Label*>(entry.control)) {
        QLabel* label = FractionRowLabel::forControl(name, windowModel.form, container);
        if (!label)
            label = new QLabel(container);
        setFormFont(label, pageFont);
        label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        return label;
    }
    if (auto* box = std::get_if<TextBox*>(&entry.control)) {
        if ((*box)->multiLine) {
            // The dictionary: long reading, so a larger type than the questions.
            auto* text = new QPlainTextEdit(container);
            text->setReadOnly(true);
            text->setAccessibleName(QStringLiteral("数学字典"));
            setFormFont(text, fontOfSize(13));
            text->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
            return text;
        }
        auto* line = new QLineEdit(container);
        setFormFont(line, pageFont);
        connectAnswerBox(line, **box);
        return line;
    }
    if (std::holds_alternative<CommandButton*>(entry.control)) {
        auto* button = new QPushButton(container);
        setFormFont(button, pageFont);
        button->setCursor(Qt::PointingHandCursor);
        button->setAutoDefault(true); // Enter presses it, as Space does
        connect(button, &QPushButton::clicked, this, [this, name] { buttonClicked(name); });
        return button;
    }
    if (auto* picture = std::get_if<Picture*>(&entry.control)) {
        auto* view = new PictureWidget(**picture, drawingsForZoom().forPicture(name), container);
        if (name.startsWith(QStringLiteral("Picture13(")))
            for (auto* hands : {&windowModel.form.Line1, &windowModel.form.Line2})
                view->addLine((*hands)[name.mid(10).chopped(1).toInt()]);
        return view;
    }
    if (std::holds_alternative<WebBrowser*>(entry.control)) {
        browser = new BrowserHost(windowModel.appPath(), container);
        browser->setZoom(currentZoom.factor());
        browser->pageShown = [this](const QString& localFile, bool canGoBack, bool canGoForward) {
            browserShowed(localFile, canGoBack, canGoForward);
        };
        return browser;
    }
    return nullptr;
}

void MainWindow::connectAnswerBox(QLineEdit* box, TextBox& model)
{
    box->installEventFilter(this);
    // What the pupil types is the model's text at once; the generators and the
    // submit read nothing else.
    connect(box, &QLineEdit::textEdited, this, [&model](const QString& text) { model.text = text; });
}

void MainWindow::render()
{
    rendering = true;
    auto renderControls = [this] {
        for (const auto& [control, view] : bindings)
            renderControl(control, view, currentZoom);
        hideCoveredPages();
    };
    renderControls();
    if (buildShownPages())
        renderControls();
    tabBar->setCurrentIndex(windowModel.form.TabStrip1.selected - 1);
    const Label& problem = windowModel.form.contentNotice;
    notice->setText(problem.caption());
    if (hint->text() != windowModel.form.welcomeHint.caption())
        hint->setText(windowModel.form.welcomeHint.caption());
    setShown(notice, problem.visible);
    setShown(hint, !problem.visible);
    renderTree();
    renderClock();
    renderClockLine();
    renderAnswerBoxNames();
    renderBrowserButtons();
    rendering = false;
}

void MainWindow::hideCoveredPages()
{
    // The pages lie on top of each other, under the welcome picture. A page
    // under a higher one or under the picture is not drawn, so that its caption
    // does not show through the caption gap above, nor a screen reader read it.
    const std::vector<Frame>& pages = windowModel.form.Frame1;
    const bool welcome = windowModel.form.Picture14.visible;
    for (size_t lower = 0; lower < pages.size(); ++lower) {
        bool covered = welcome;
        for (size_t upper = lower + 1; upper < pages.size() && !covered; ++upper)
            covered = pages[upper].visible && pages[upper].rect == pages[lower].rect;
        if (pages[lower].visible && covered)
            setShown(widget(QStringLiteral("Frame1(%1)").arg(lower)), false);
    }
}

void MainWindow::renderTree()
{
    const TreeView& model = windowModel.form.TreeView1;
    if (model.revision() != treeRevision) {
        // Rebuilt only when the nodes change, so that a branch the pupil folds stays folded.
        treeRevision = model.revision();
        tree->clear();
        std::map<QString, QTreeWidgetItem*> itemsByKey;
        for (const int index : model.treeOrder()) {
            const TreeNode& node = model.nodes()[index];
            auto* item = node.parentKey.isEmpty() ? new QTreeWidgetItem(tree)
                                                  : new QTreeWidgetItem(itemsByKey.at(node.parentKey));
            item->setText(0, node.text);
            item->setData(0, Qt::UserRole, index);
            itemsByKey[node.key] = item;
        }
        for (const int index : model.treeOrder())
            itemsByKey.at(model.nodes()[index].key)->setExpanded(model.nodes()[index].expanded);
    }
    for (QTreeWidgetItemIterator it(tree); *it; ++it)
        if ((*it)->data(0, Qt::UserRole).toInt() == model.selectedIndex() && tree->currentItem() != *it)
            tree->setCurrentItem(*it);
}

void MainWindow::renderClock()
{
    const Timer& model = windowModel.form.Timer1;
    if (model.startCount() == clockStarts)
        return;
    clockStarts = model.startCount();
    if (model.interval() > 0)
        clock.start(model.interval());
    else
        clock.stop();
}

void MainWindow::renderClockLine()
{
    // The seconds the summary will report, counting while a practice page is in
    // view; once the page is marked, its summary tells them.
    const int page = windowModel.form.seenPage();
    const bool practising = page >= 0 && page < practicePageCount && !windowModel.form.state.pageMarked;
    const QString seconds = QStringLiteral("用时 %1 秒").arg(windowModel.form.state.elapsedSeconds);
    if (practising && clockLine->text() != seconds)
        clockLine->setText(seconds);
    setShown(clockLine, practising);
}

void MainWindow::renderAnswerBoxNames()
{
    const int page = windowModel.form.seenPage();
    if (page < 0 || page >= practicePageCount)
        return;
    MainForm& form = windowModel.form;
    const PracticePage controls = practicePage(form, page);
    for (std::size_t part = 0; part < controls.boxes.size(); ++part)
        for (std::size_t i = 0; i < controls.boxes[part].size(); ++i)
            if (QWidget* box = widgetOf(&controls.boxes[part][i])) {
                const QString name = answerBoxName(form, page, int(i), int(part));
                if (box->accessibleName() != name)
                    box->setAccessibleName(name);
            }
}

void MainWindow::renderBrowserButtons()
{
    const bool browsing = windowModel.form.seenPage() == 10;
    setShown(backButton, browsing);
    setShown(forwardButton, browsing);
}


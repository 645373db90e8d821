#include "main_window.h"

#include "browser_host.h"
#include "control_renderer.h"
#include "fraction_row_label.h"
#include "page_font.h"
#include "picture_widget.h"
#include "plugins.h"
#include "practice_record.h"
#include "record_window_plugin.h"
#include "twips.h"
#include "worksheet.h"

#include <QApplication>
#include <QFile>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPluginLoader>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QShortcut>
#include <QTabBar>
#include <QTreeWidget>

#include <algorithm>

MainWindow::MainWindow(const QString& programFolder, const QString& recordPath)
    : contentReading(std::async(std::launch::async, [programFolder] { return std::make_unique<ContentStore>(programFolder); }))
    , drawings(qApp->devicePixelRatio())
    , pageFont(::pageFont())
    , metrics(pageFont)
    , windowModel(metrics, programFolder)
    , recordPath(recordPath)
{
    setObjectName(QStringLiteral("Form1"));
    setAttribute(Qt::WA_StyledBackground);
    QFile style(QStringLiteral(":/window/style.qss"));
    if (style.open(QIODevice::ReadOnly))
        setStyleSheet(QString::fromUtf8(style.readAll()));
    setFont(fontOfSize(10.5));

    windowModel.Form_Load(contentReading.get());
    windowModel.form.pageMarked = [this](const MainForm::MarkedPage& page) { keepRecord(page); };
    buildWidgets();
    buildCommands();
    connect(&clock, &QTimer::timeout, this, [this] {
        // Nothing on screen shows the seconds, so a tick needs no rendering.
        windowModel.form.Timer1_Timer();
    });
    render();
}

MainWindow::~MainWindow() = default;

void MainWindow::paintEvent(QPaintEvent* event)
{
    QWidget::paintEvent(event);
    // The record's file is opened after the first frame, off the start-up path.
    if (!record && !recordPath.isEmpty())
        QTimer::singleShot(0, this, [this] {
            if (!record)
                record = std::make_unique<PracticeRecord>(recordPath);
        });
}

void MainWindow::keepRecord(const MainForm::MarkedPage& page)
{
    if (recordPath.isEmpty())
        return;
    if (!record)
        record = std::make_unique<PracticeRecord>(recordPath);
    record->add({QDateTime::currentDateTime(), page.tab, page.exerciseType, page.right, page.questions, page.seconds});
}

void MainWindow::buildCommands()
{
    // Two small buttons under the title, with their keys.
    const struct {
        const char* name;
        const char* caption;
        QKeySequence key;
        void (MainWindow::*command)();
    } commands[] = {
        {"printButton", "打印 (Ctrl+P)", QKeySequence::Print, &MainWindow::printPage},
        {"recordButton", "练习记录 (Ctrl+R)", QKeySequence(Qt::CTRL | Qt::Key_R), &MainWindow::showRecord},
    };
    int left = 135;
    for (const auto& command : commands) {
        auto* button = new QPushButton(QString::fromUtf8(command.caption), this);
        button->setObjectName(QString::fromLatin1(command.name));
        button->setCursor(Qt::PointingHandCursor);
        button->setFocusPolicy(Qt::TabFocus);
        button->setGeometry(toPixels(Rect{left, 960, 1650, 360}));
        connect(button, &QPushButton::clicked, this, command.command);
        connect(new QShortcut(command.key, this), &QShortcut::activated, this, command.command);
        widgets[button->objectName()] = button;
        left += 1750;
    }
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

QWidget* MainWindow::widget(const QString& controlName) const
{
    const auto found = widgets.find(controlName);
    return found == widgets.end() ? nullptr : found->second;
}

void MainWindow::buildWidgets()
{
    MainForm& form = windowModel.form;
    setFixedSize(toPixels(form.Form1.rect.width), toPixels(form.Form1.rect.height));

    auto* title = new QLabel(QStringLiteral("快乐学数学"), this);
    title->setObjectName(QStringLiteral("title"));
    title->setGeometry(toPixels(Rect{135, 240, 3525, 720}));
    hint = new QLabel(this);
    hint->setObjectName(QStringLiteral("hint"));
    hint->setGeometry(toPixels(Rect{3915, 360, 11430, 480}));
    widgets[QStringLiteral("welcomeHint")] = hint;

    notice = new QLabel(this);
    notice->setObjectName(QStringLiteral("contentNotice"));
    notice->setWordWrap(true);
    notice->setGeometry(toPixels(Rect{3915, 240, 11430, 900}));
    widgets[notice->objectName()] = notice;

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

void MainWindow::build(const Form::Entry& entry)
{
    QWidget* container = entry.container.isEmpty() ? this : widget(entry.container);
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
        body->setGeometry(toPixels((*strip)->rect));
        tabBar = new QTabBar(container);
        tabBar->setFont(fontOfSize(9));
        // Thirteen captions only just fit in one row: no scroll arrows, no eliding;
        // the spare width is shared among the tabs.
        tabBar->setUsesScrollButtons(false);
        tabBar->setElideMode(Qt::ElideNone);
        tabBar->setDrawBase(false);
        for (const QString& caption : (*strip)->captions)
            tabBar->addTab(caption);
        tabBar->move(toPixels((*strip)->rect.left), toPixels((*strip)->rect.top));
        tabBar->setFixedWidth(toPixels((*strip)->rect.width));
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
        tree->setFont(fontOfSize(10.5));
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
        page->setFont(pageFont);
        return page;
    }
    if (std::holds_alternative<Label*>(entry.control)) {
        QLabel* label = FractionRowLabel::forControl(name, windowModel.form, container);
        if (!label)
            label = new QLabel(container);
        label->setFont(pageFont);
        label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        return label;
    }
    if (auto* box = std::get_if<TextBox*>(&entry.control)) {
        if ((*box)->multiLine) {
            // The dictionary: long reading, so a larger type than the questions.
            auto* text = new QPlainTextEdit(container);
            text->setReadOnly(true);
            text->setFont(fontOfSize(13));
            text->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
            return text;
        }
        auto* line = new QLineEdit(container);
        line->setFont(pageFont);
        connectAnswerBox(line, **box);
        return line;
    }
    if (std::holds_alternative<CommandButton*>(entry.control)) {
        auto* button = new QPushButton(container);
        button->setFont(pageFont);
        button->setCursor(Qt::PointingHandCursor);
        connect(button, &QPushButton::clicked, this, [this, name] {
            windowModel.click(name);
            render();
            focusFirstOpenBox();
        });
        return button;
    }
    if (auto* picture = std::get_if<Picture*>(&entry.control)) {
        auto* view = new PictureWidget(**picture, drawings.forPicture(name), container);
        if (name.startsWith(QStringLiteral("Picture13(")))
            for (auto* hands : {&windowModel.form.Line1, &windowModel.form.Line2})
                view->addLine((*hands)[name.mid(10).chopped(1).toInt()]);
        return view;
    }
    if (std::holds_alternative<WebBrowser*>(entry.control))
        return new BrowserHost(windowModel.appPath(), container);
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
            renderControl(control, view);
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
    rendering = false;
}

void MainWindow::hideCoveredPages()
{
    // The pages lie on top of each other. A page under a higher one is not
    // drawn, so that its caption does not show through the caption gap above.
    const std::vector<Frame>& pages = windowModel.form.Frame1;
    for (size_t lower = 0; lower < pages.size(); ++lower)
        for (size_t upper = lower + 1; upper < pages.size(); ++upper)
            if (pages[lower].visible && pages[upper].visible && pages[upper].rect == pages[lower].rect)
                setShown(widget(QStringLiteral("Frame1(%1)").arg(lower)), false);
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

void MainWindow::treeClicked()
{
    if (QTreeWidgetItem* current = tree->currentItem())
        windowModel.form.TreeView1.select(current->data(0, Qt::UserRole).toInt());
    windowModel.form.TreeView1_Click();
    render();
    focusFirstOpenBox();
}

void MainWindow::focusFirstOpenBox()
{
    // After new questions, the pupil can start typing at once.
    const int page = windowModel.form.seenPage();
    QWidget* shown = page >= 0 ? widget(QStringLiteral("Frame1(%1)").arg(page)) : nullptr;
    if (!shown || (QApplication::focusWidget() && shown->isAncestorOf(QApplication::focusWidget())))
        return;
    std::vector<QLineEdit*> boxes = openBoxesOf(shown);
    if (!boxes.empty() && boxes.size() == std::size_t(shown->findChildren<QLineEdit*>().size())) {
        boxes.front()->setFocus(Qt::OtherFocusReason);
        boxes.front()->selectAll();
    }
}

std::vector<QLineEdit*> MainWindow::openBoxesOf(QWidget* page)
{
    // In reading order: row by row, left to right.
    std::vector<QLineEdit*> boxes;
    for (QLineEdit* box : page->findChildren<QLineEdit*>(Qt::FindDirectChildrenOnly))
        if (box->isVisibleTo(page) && box->isEnabled())
            boxes.push_back(box);
    std::sort(boxes.begin(), boxes.end(), [](QLineEdit* a, QLineEdit* b) {
        return std::pair(a->y(), a->x()) < std::pair(b->y(), b->x());
    });
    return boxes;
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event)
{
    // A click anywhere in the tree dispatches the selected node, as does Enter.
    if (watched == tree->viewport() && event->type() == QEvent::MouseButtonRelease) {
        treeClicked();
        return false;
    }
    if (event->type() != QEvent::KeyPress)
        return QWidget::eventFilter(watched, event);
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (watched == tree && (key == Qt::Key_Return || key == Qt::Key_Enter)) {
        treeClicked();
        return true;
    }
    if (auto* box = qobject_cast<QLineEdit*>(watched)) {
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            // Enter goes on to the next box; in the last box it does nothing, so
            // that a page is only ever submitted with the button.
            moveFocusFrom(box, +1);
            return true;
        }
        // Tab past the last box goes on to the buttons, as everywhere else.
        if (key == Qt::Key_Tab || key == Qt::Key_Backtab)
            return moveFocusFrom(box, key == Qt::Key_Tab ? +1 : -1);
    }
    return QWidget::eventFilter(watched, event);
}

bool MainWindow::moveFocusFrom(QLineEdit* box, int step)
{
    const std::vector<QLineEdit*> boxes = openBoxesOf(box->parentWidget());
    const auto here = std::find(boxes.begin(), boxes.end(), box);
    const auto index = (here - boxes.begin()) + step;
    if (here == boxes.end() || index < 0 || index >= int(boxes.size()))
        return false;
    boxes[index]->setFocus(Qt::TabFocusReason);
    boxes[index]->selectAll();
    return true;
}

// The window on the screen it is run on: CTest runs this on a desktop screen,
// on a netbook's 1024x600 and on a 1920x1080 screen at double scale. The
// window opens inside the screen, and every control of every page lies inside
// its page and the window, its caption whole, as it opens and maximised.

#include "browser_host.h"
#include "fraction_row_label.h"
#include "main_window.h"
#include "page_font.h"
#include "practice_pages.h"
#include "test_support.h"
#include "window_test_support.h"

#include <QFontInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>

namespace {

QRect availableScreen()
{
    return QGuiApplication::primaryScreen()->availableGeometry();
}

QString describe(QWidget* widget)
{
    QString text;
    if (auto* label = qobject_cast<QLabel*>(widget))
        text = label->text();
    else if (auto* button = qobject_cast<QPushButton*>(widget))
        text = button->text();
    return QStringLiteral("%1 “%2” at %3,%4 %5x%6")
        .arg(widget->objectName(), text)
        .arg(widget->x())
        .arg(widget->y())
        .arg(widget->width())
        .arg(widget->height());
}

// Whether a widget's caption is drawn whole in it.
bool captionFits(QWidget* widget)
{
    if (auto* label = qobject_cast<QLabel*>(widget); label && !label->wordWrap() && !qobject_cast<FractionRowLabel*>(label))
        return label->fontMetrics().horizontalAdvance(label->text()) <= label->width();
    if (auto* button = qobject_cast<QPushButton*>(widget))
        return button->fontMetrics().horizontalAdvance(button->text()) <= button->width();
    if (auto* page = qobject_cast<QGroupBox*>(widget))
        return page->fontMetrics().horizontalAdvance(page->title()) < page->width();
    return true;
}

// Every control seen inside `container` lies inside the window and across
// inside the container, and shows its caption whole. (The browser reaches a
// pixel below its page, as the form places it.)
void checkControlsOf(QWidget* container, MainWindow& window)
{
    for (QWidget* child : container->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (!child->isVisible())
            continue;
        const QRect inWindow(child->mapTo(&window, QPoint()), child->size());
        QVERIFY2(window.rect().contains(inWindow), qPrintable(describe(child) + QStringLiteral(" outside the window")));
        QVERIFY2(child->x() >= 0 && child->geometry().right() < container->width(),
                 qPrintable(describe(child) + QStringLiteral(" outside ") + describe(container)));
        QVERIFY2(captionFits(child), qPrintable(describe(child) + QStringLiteral(" cuts its caption")));
    }
}

// The form lies inside the window; the page in view and the window's own controls fit.
void checkWindowFits(MainWindow& window)
{
    QWidget* form = window.findChild<QWidget*>(QStringLiteral("form"));
    QVERIFY(window.rect().contains(form->geometry()));
    checkControlsOf(form, window);
    for (int page = 0; page < 12; ++page)
        if (QWidget* frame = window.widget(QStringLiteral("Frame1(%1)").arg(page)); frame->isVisible()) {
            // Drawn at the window's zoom, in the type of that zoom.
            QCOMPARE(frame->geometry(), window.zoom().toPixels(window.model().form.Frame1[page].rect));
            QCOMPARE(frame->fontInfo().pixelSize(), int(16 * window.zoom().factor()));
            checkControlsOf(frame, window);
        }
    auto* tabs = static_cast<QTabBar*>(window.widget(QStringLiteral("TabStrip1")));
    for (int tab = 0; tab < tabs->count(); ++tab) {
        QVERIFY2(tabs->rect().contains(tabs->tabRect(tab)), qPrintable(tabs->tabText(tab)));
        // A gap on either side of each caption.
        QVERIFY2(tabs->fontMetrics().horizontalAdvance(tabs->tabText(tab)) + 2 <= tabs->tabRect(tab).width(),
                 qPrintable(tabs->tabText(tab)));
    }
}

// Answers every open box of the page in view wrongly, for the longest marks, and marks the page.
void answerWronglyAndMark(MainWindow& window)
{
    MainForm& form = window.model().form;
    const PracticePage page = practicePage(form, form.seenPage());
    for (const auto& boxes : page.boxes)
        for (TextBox& box : boxes)
            if (auto* line = qobject_cast<QLineEdit*>(window.widget(controlName(form, &box))); line && line->isEnabled())
                QTest::keyClicks(line, QStringLiteral("1"));
    QTest::mouseClick(static_cast<QPushButton*>(window.widget(controlName(form, page.submit))), Qt::LeftButton);
}

void openWindow(MainWindow& window)
{
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
}

void showTab(MainWindow& window, int tab)
{
    static_cast<QTabBar*>(window.widget(QStringLiteral("TabStrip1")))->setCurrentIndex(tab - 1);
}

} // namespace

class WindowFitTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        // The user's own settings stay untouched: any the program wrote would land here.
        QVERIFY(configHome.isValid());
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(configHome.path()));
    }

    void zoomMapsTwipsToPixels_data()
    {
        QTest::addColumn<int>("sixteenths");
        for (int sixteenths : {9, 12, 15, 16, 21, 28, 32})
            QTest::newRow(qPrintable(QStringLiteral("%1/16").arg(sixteenths))) << sixteenths;
    }
    void zoomMapsTwipsToPixels()
    {
        QFETCH(int, sixteenths);
        const Zoom zoom(sixteenths);
        // A question, its box right behind it and the mark right behind the box still touch.
        const Rect question{600, 1360, 1365, 420};
        Rect box{0, 1360, 900, 420};
        Rect mark{0, 1360, 105, 420};
        placeBehind(box, question);
        placeBehind(mark, box);
        QCOMPARE(zoom.toPixels(question).right() + 1, zoom.toPixels(box).left());
        QCOMPARE(zoom.toPixels(box).right() + 1, zoom.toPixels(mark).left());
        // The page type's 16 pixels scale to a whole number of pixels, never rounded up.
        QCOMPARE(QFontInfo(zoom.font(pageFont())).pixelSize(), sixteenths);
        // Lengths in the style sheet scale too; a line stays at least a pixel wide.
        QCOMPARE(zoom.styleSheet(QStringLiteral("QTabBar::tab { margin: 4px 0; border: 1px solid #8cc4ec; font-size: 10pt; }")),
                 QStringLiteral("QTabBar::tab { margin: %1px 0; border: %2px solid #8cc4ec; font-size: %3pt; }")
                     .arg(std::lround(4.0 * sixteenths / 16))
                     .arg(std::max(1L, std::lround(1.0 * sixteenths / 16)))
                     .arg(QString::number(10.0 * sixteenths / 16)));
    }

    void opensInsideTheScreen()
    {
        MainWindow window(buildDir());
        openWindow(window);
        const QRect screen = availableScreen();
        QVERIFY2(screen.contains(window.frameGeometry()),
                 qPrintable(QStringLiteral("%1x%2 on %3x%4").arg(window.width()).arg(window.height()).arg(screen.width()).arg(screen.height())));
        QVERIFY(window.zoom().factor() <= 1);
        // Made smaller only as far as the screen asks.
        if (window.zoom().factor() < 1)
            QVERIFY(window.frameGeometry().width() > 0.85 * screen.width() || window.frameGeometry().height() > 0.85 * screen.height());
        checkWindowFits(window);
    }

    void everyPageFits_data()
    {
        QTest::addColumn<int>("tab");
        QTest::addColumn<QString>("type");
        QTest::newRow("page 0") << 1 << "20以内加法";
        QTest::newRow("page 1, clock faces") << 2 << "看表读时间（上午）";
        QTest::newRow("page 2, a long question") << 2 << "时间间隔（较难）";
        QTest::newRow("page 3, two boxes") << 2 << "人民币（加法）";
        QTest::newRow("page 4, long products") << 3 << "10000以上三位数乘三位数";
        QTest::newRow("page 5, five numbers in order") << 4 << "数字排序（困难）";
        QTest::newRow("page 6, pictures") << 4 << "多多少（简单）";
        QTest::newRow("page 7, fractions") << 5 << "分子为任意除法（较难）";
        QTest::newRow("page 8, numbers in words") << 7 << "读数字（较难）";
        QTest::newRow("page 8, interest") << 7 << "五年整存利息";
    }
    void everyPageFits()
    {
        QFETCH(int, tab);
        QFETCH(QString, type);
        MainWindow window(buildDir());
        window.model().form.setRandomSource(std::make_unique<SeededRandom>(17));
        openWindow(window);
        for (bool maximised : {false, true}) {
            if (maximised) {
                const double opened = window.zoom().factor();
                window.showMaximized();
                QTRY_VERIFY(window.windowState() & Qt::WindowMaximized);
                QVERIFY(availableScreen().contains(window.frameGeometry()));
                QVERIFY(window.zoom().factor() >= opened);
            }
            showTab(window, tab);
            clickNode(window, type);
            QVERIFY(window.model().form.seenPage() >= 0);
            checkWindowFits(window);
            answerWronglyAndMark(window);
            checkWindowFits(window);
        }
    }

    void theLibraryFits_data()
    {
        QTest::addColumn<int>("tab");
        QTest::newRow("dictionary") << 8;
        QTest::newRow("stories") << 11;
        QTest::newRow("olympiad papers, the last tab") << 13;
    }
    void theLibraryFits()
    {
        QFETCH(int, tab);
        MainWindow window(buildDir());
        openWindow(window);
        showTab(window, tab);
        checkWindowFits(window);
    }

    // The tree tells the mixed operations apart at the size the window opens at.
    void longTitlesShowWhole()
    {
        MainWindow window(buildDir());
        openWindow(window);
        showTab(window, 6);
        auto* tree = static_cast<QTreeWidget*>(window.widget(QStringLiteral("TreeView1")));
        for (const QString& title : {QStringLiteral("加减乘除混合运算（简单）"), QStringLiteral("加减乘除混合运算（中等）")}) {
            const QList<QTreeWidgetItem*> found = tree->findItems(title, Qt::MatchExactly | Qt::MatchRecursive);
            QCOMPARE(found.size(), 1);
            const QModelIndex index = tree->indexFromItem(found.front());
            QVERIFY2(tree->sizeHintForIndex(index).width() <= tree->visualRect(index).width(), qPrintable(title));
            QVERIFY(tree->visualRect(index).right() < tree->viewport()->width());
        }
    }

    void remembersItsSizeAndPlace()
    {
        QTemporaryDir folder;
        const QString settings = folder.filePath(QStringLiteral("window.conf"));
        const QSize smaller = availableScreen().size() * 0.7;
        {
            MainWindow window(buildDir(), QString(), settings);
            openWindow(window);
            window.resize(smaller);
            QTRY_COMPARE(window.size(), smaller);
            window.close();
        }
        QVERIFY(QFile::exists(settings));
        MainWindow again(buildDir(), QString(), settings);
        openWindow(again);
        QCOMPARE(again.size(), smaller);
        // The form fills the remembered window: one step larger, it would not fit.
        const Rect& form = again.model().form.Form1.rect;
        const QSize larger = Zoom(int(again.zoom().factor() * Zoom::steps) + 1).toPixels(form).size();
        QVERIFY(larger.width() > smaller.width() || larger.height() > smaller.height());
        checkWindowFits(again);
    }

    void remembersNothingWithoutASettingsFile()
    {
        {
            MainWindow window(buildDir());
            openWindow(window);
            window.close();
        }
        QCOMPARE(QDir(configHome.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList());
    }

private:
    QTemporaryDir configHome;
};

int main(int argc, char* argv[])
{
    prepareBrowserEngine();
    QApplication application(argc, argv);
    WindowFitTest test;
    return QTest::qExec(&test, argc, argv);
}
#include "test_window_fit.moc"

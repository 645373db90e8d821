#include "main_window.h"
#include "test_support.h"
#include "window_test_support.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSet>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>

namespace {

QTreeWidget* treeOf(MainWindow& window)
{
    return static_cast<QTreeWidget*>(window.widget(QStringLiteral("TreeView1")));
}

QLineEdit* box(MainWindow& window, int index)
{
    return static_cast<QLineEdit*>(window.widget(QStringLiteral("Text1(%1)").arg(index)));
}

// True when a page can be seen: one is visible and the welcome picture is not over it.
bool anyPageSeen(MainWindow& window)
{
    if (window.widget(QStringLiteral("Picture14"))->isVisible())
        return false;
    for (int page = 0; page < 12; ++page)
        if (window.widget(QStringLiteral("Frame1(%1)").arg(page))->isVisible())
            return true;
    return false;
}

} // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

private slots:
    void startsOnTabOneUnderTheWelcomePicture()
    {
        MainWindow window(buildDir());
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(window.windowTitle(), QStringLiteral("Tallowby  5.20.40"));
        QCOMPARE(static_cast<QTabBar*>(window.widget(QStringLiteral("TabStrip1")))->currentIndex(), 0);
        QTreeWidget* tree = treeOf(window);
        QCOMPARE(tree->topLevelItemCount(), 4);
        QCOMPARE(tree->currentItem()->text(0), QStringLiteral("加法"));
        for (int i = 0; i < tree->topLevelItemCount(); ++i)
            QVERIFY(tree->topLevelItem(i)->isExpanded());
        QVERIFY(window.widget(QStringLiteral("Picture14"))->isVisible());
        QVERIFY(!anyPageSeen(window));
        QVERIFY(!window.widget(QStringLiteral("contentNotice"))->isVisible());
    }

    void aRoundFromClickToMarks()
    {
        MainWindow window(buildDir());
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        clickNode(window, QStringLiteral("10以内加法"));
        MainForm& form = window.model().form;
        QVERIFY(box(window, 0)->hasFocus()); // new questions: ready to type
        QVERIFY(window.widget(QStringLiteral("Frame1(0)"))->isVisible());
        QVERIFY(!window.widget(QStringLiteral("Picture14"))->isVisible());
        QCOMPARE(static_cast<QGroupBox*>(window.widget(QStringLiteral("Frame1(0)")))->title(),
                 QStringLiteral("10以内加法    填空"));
        for (int i = 0; i < 10; ++i) {
            auto* question = static_cast<QLabel*>(window.widget(QStringLiteral("Label33(%1)").arg(i)));
            QCOMPARE(question->text(), form.Label33[i].caption());
            // The box stands right behind the question, which is as wide as its text.
            QCOMPARE(box(window, i)->x(), question->x() + question->width());
            QVERIFY(question->width() >= question->fontMetrics().horizontalAdvance(question->text()));
        }

        QTest::keyClicks(box(window, 0), form.state.mainKey[0]);
        QCOMPARE(form.Text1[0].text, form.state.mainKey[0]);
        QTest::keyClick(box(window, 0), Qt::Key_Return);
        QVERIFY(box(window, 1)->hasFocus());
        QTest::keyClicks(box(window, 1), QStringLiteral("99"));
        QTest::keyClick(box(window, 1), Qt::Key_Tab);
        QVERIFY(box(window, 2)->hasFocus());
        box(window, 9)->setFocus();
        QTest::keyClick(box(window, 9), Qt::Key_Return);
        QVERIFY(box(window, 9)->hasFocus());
        QVERIFY(form.Command2.enabled); // Enter in the last box does not submit

        QTest::mouseClick(static_cast<QPushButton*>(window.widget(QStringLiteral("Command2"))), Qt::LeftButton);
        QCOMPARE(static_cast<QLabel*>(window.widget(QStringLiteral("Label34(0)")))->text(), QStringLiteral(") √"));
        QCOMPARE(static_cast<QLabel*>(window.widget(QStringLiteral("Label34(1)")))->text(),
                 QStringLiteral(") × 正确答案是") + form.state.mainKey[1]);
        QVERIFY(static_cast<QLabel*>(window.widget(QStringLiteral("Label2")))->text().startsWith(QStringLiteral("您答对了 1道题")));
        QVERIFY(!box(window, 0)->isEnabled());
        QVERIFY(!window.widget(QStringLiteral("Command2"))->isEnabled());

        QTest::mouseClick(static_cast<QPushButton*>(window.widget(QStringLiteral("Command1"))), Qt::LeftButton);
        QVERIFY(box(window, 0)->isEnabled());
        QCOMPARE(static_cast<QLabel*>(window.widget(QStringLiteral("Label34(0)")))->text(), QStringLiteral(")"));
    }

    void changingTabsRebuildsTheTreeAndKeepsThePage()
    {
        MainWindow window(buildDir());
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        clickNode(window, QStringLiteral("20以内加法"));
        QTest::keyClicks(box(window, 3), QStringLiteral("15"));
        auto* tabs = static_cast<QTabBar*>(window.widget(QStringLiteral("TabStrip1")));
        tabs->setCurrentIndex(1);
        QCOMPARE(window.model().form.state.currentTab, std::int16_t(2));
        QVERIFY(!anyPageSeen(window));
        QCOMPARE(treeOf(window)->topLevelItem(0)->text(0), QStringLiteral("时间转换"));
        tabs->setCurrentIndex(0);
        QCOMPARE(treeOf(window)->topLevelItem(0)->text(0), QStringLiteral("加法"));
        QCOMPARE(treeOf(window)->topLevelItem(0)->childCount(), 14);
        // The page left open on tab 1 is back, with what was typed and its type chosen in the tree.
        QVERIFY(window.widget(QStringLiteral("Frame1(0)"))->isVisible());
        QVERIFY(!window.widget(QStringLiteral("Picture14"))->isVisible());
        QCOMPARE(box(window, 3)->text(), QStringLiteral("15"));
        QCOMPARE(treeOf(window)->currentItem()->text(0), QStringLiteral("20以内加法"));
    }

    // A group of the tree opens no page: the welcome picture stays and the line
    // above it says what to click.
    void aCategoryClickShowsTheWelcomeAndAHint()
    {
        MainWindow window(buildDir());
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        clickNode(window, QStringLiteral("乘法"));
        QVERIFY(window.widget(QStringLiteral("Picture14"))->isVisible());
        QVERIFY(!anyPageSeen(window));
        QVERIFY(static_cast<QLabel*>(window.widget(QStringLiteral("welcomeHint")))->text().contains(QStringLiteral("“乘法”是一组题目")));
        clickNode(window, QStringLiteral("一位数乘法"));
        QVERIFY(anyPageSeen(window));
    }

    void aFoldedBranchStaysFolded()
    {
        MainWindow window(buildDir());
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QTreeWidget* tree = treeOf(window);
        tree->topLevelItem(0)->setExpanded(false);
        clickNode(window, QStringLiteral("一位数乘法"));
        QVERIFY(window.widget(QStringLiteral("Frame1(0)"))->isVisible());
        QVERIFY(!tree->topLevelItem(0)->isExpanded());
    }

    void screenshotShowsAPicture()
    {
        MainWindow window(buildDir());
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const QImage image = window.grab().toImage();
        QSet<QRgb> colours;
        for (int y = 0; y < image.height(); y += 7)
            for (int x = 0; x < image.width(); x += 7)
                colours.insert(image.pixel(x, y));
        QVERIFY2(colours.size() > 200, qPrintable(QString::number(colours.size())));
    }

    void missingContentIsExplainedOnScreen()
    {
        QTemporaryDir empty;
        MainWindow window(empty.path());
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        auto* notice = static_cast<QLabel*>(window.widget(QStringLiteral("contentNotice")));
        QVERIFY(notice->isVisible());
        QVERIFY(notice->text().contains(empty.filePath(QStringLiteral("data.db"))));
        QCOMPARE(treeOf(window)->topLevelItem(0)->childCount(), 14);
    }
};

QTEST_MAIN(MainWindowTest)
#include "test_main_window.moc"

#include "main_window.h"
#include "test_support.h"
#include "window_test_support.h"

#include "number_text.h"

#include <QAccessible>
#include <QApplication>
#include <QDialog>
#include <QGroupBox>
#include <QHeaderView>
#include <QHelpEvent>
#include <QMessageBox>
#include <QToolTip>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSet>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>

namespace {

// The objects a screen reader reaches from `node`, as it walks past what is not shown.
void collectShown(QAccessibleInterface* node, QSet<QObject*>& reached)
{
    if (!node || node->state().invisible)
        return;
    reached.insert(node->object());
    for (int child = 0; child < node->childCount(); ++child)
        collectShown(node->child(child), reached);
}

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
        QVERIFY(window.widget(QStringLiteral("Command2"))->hasFocus());
        QVERIFY(form.Command2.enabled); // Enter in the last box goes to the button, which it does not press

        QTest::mouseClick(static_cast<QPushButton*>(window.widget(QStringLiteral("Command2"))), Qt::LeftButton);
        QCOMPARE(static_cast<QLabel*>(window.widget(QStringLiteral("Label34(0)")))->text(), QStringLiteral(") √"));
        QCOMPARE(static_cast<QLabel*>(window.widget(QStringLiteral("Label34(1)")))->text(),
                 QStringLiteral(") × 正确答案是") + form.state.mainKey[1]);
        QVERIFY(static_cast<QLabel*>(window.widget(QStringLiteral("Label2")))->text().startsWith(QStringLiteral("您答对了 1道题")));
        QVERIFY(!box(window, 0)->isEnabled());
        QVERIFY(!window.widget(QStringLiteral("Command2"))->isEnabled());

        QTest::mouseClick(static_cast<QPushButton*>(window.widget(QStringLiteral("Command1"))), Qt::LeftButton);
        QVERIFY(box(window, 0)->isEnabled());
        QVERIFY(box(window, 0)->hasFocus());
        QCOMPARE(static_cast<QLabel*>(window.widget(QStringLiteral("Label34(0)")))->text(), QStringLiteral(")"));
    }

    void aRoundWithTheKeyboardAlone()
    {
        MainWindow window(buildDir());
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        MainForm& form = window.model().form;
        QTreeWidget* tree = treeOf(window);
        // Tab goes round the window's controls to the tree; Down walks it to a type, Enter opens it.
        for (int step = 0; step < 12 && !tree->hasFocus(); ++step)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QVERIFY(tree->hasFocus());
        for (int step = 0; step < 40 && tree->currentItem()->text(0) != QStringLiteral("10以内加法"); ++step)
            QTest::keyClick(tree, Qt::Key_Down);
        QTest::keyClick(tree, Qt::Key_Return);
        QVERIFY(box(window, 0)->hasFocus());

        // Each answer and Enter; from the last box Enter goes to 提交答案, and presses it.
        for (int i = 0; i < 10; ++i) {
            QCOMPARE(QApplication::focusWidget(), box(window, i));
            QTest::keyClicks(box(window, i), i == 4 ? QStringLiteral("99") : form.state.mainKey[i]);
            QTest::keyClick(box(window, i), Qt::Key_Return);
        }
        QCOMPARE(QApplication::focusWidget(), window.widget(QStringLiteral("Command2")));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QVERIFY(form.Label2.caption().startsWith(QStringLiteral("您答对了 9道题")));
        QCOMPARE(form.Label34[4].caption(), QStringLiteral(") × 正确答案是") + form.state.mainKey[4]);

        // Then 出 题 has the keys, and Space presses it: new questions, the cursor in the first box.
        QCOMPARE(QApplication::focusWidget(), window.widget(QStringLiteral("Command1")));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
        QVERIFY(box(window, 0)->hasFocus());
        QVERIFY(form.Command2.enabled);
        QCOMPARE(form.Label34[4].caption(), QStringLiteral(")"));
        // Tab too goes through the boxes and on to 提交答案.
        box(window, 9)->setFocus();
        QTest::keyClick(box(window, 9), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), window.widget(QStringLiteral("Command2")));

        QTest::keyClick(QApplication::focusWidget(), Qt::Key_F1);
        auto* help = window.findChild<QDialog*>(QStringLiteral("helpWindow"));
        QVERIFY(help && help->isVisible());
        QTest::mouseClick(help->findChild<QPushButton*>(QStringLiteral("aboutButton")), Qt::LeftButton);
        auto* about = help->findChild<QMessageBox*>(QStringLiteral("aboutBox"));
        QVERIFY(about && about->isVisible());
        QVERIFY(about->text().contains(QStringLiteral("快乐学数学")));
        QVERIFY(about->text().contains(QStringLiteral("5.20.40")));
        QVERIFY(about->informativeText().contains(QStringLiteral("GPL-3.0-or-later")));
        about->close();
        QTest::keyClick(help, Qt::Key_Escape);
        QVERIFY(!help->isVisible());

        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Q, Qt::ControlModifier);
        QVERIFY(!window.isVisible());
    }

    // What a screen reader says for each answer box, read through QAccessible as it reads them.
    void answerBoxesAreNamedForTheirQuestions_data()
    {
        QTest::addColumn<int>("tab");
        QTest::addColumn<QString>("type");
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("name");
        QTest::newRow("page 0") << 1 << "10以内加法" << "Text1(2)" << "第3题：5 + 3 =";
        QTest::newRow("page 1, a clock face") << 2 << "看表读时间（上午）" << "Text2(2)" << "第3题：钟面上是几时几分";
        QTest::newRow("page 2, the unit behind the box") << 2 << "时转分（较难）" << "Text3(2)" << "第3题：61小时 22分=（ ）分";
        QTest::newRow("page 3, the first of two boxes") << 2 << "人民币（减法）" << "Text4(2)" << "第3题：5元 - 3元 4角=（ ）元（ ）角，填元";
        QTest::newRow("page 3, the second of two boxes") << 2 << "人民币（减法）" << "Text5(2)" << "第3题：5元 - 3元 4角=（ ）元（ ）角，填角";
        QTest::newRow("page 5, the box inside the row") << 4 << "规律运算（中等）" << "Text7(2)" << "第3题：30 , 60 , 90 ,（ ）, 150 , 180";
        QTest::newRow("page 6, the one question") << 4 << "多多少（简单）" << "Text8" << "第1题：答：小狗比小鸟多（ ）只。";
        QTest::newRow("page 7, the numerator") << 5 << "分子为1加法（中等）" << "Text9(2)" << "第3题：1/18 + 1/4 =，填分子";
        QTest::newRow("page 7, the denominator") << 5 << "分子为1加法（中等）" << "Text10(2)" << "第3题：1/18 + 1/4 =，填分母";
        QTest::newRow("page 8, the unit behind the box") << 7 << "五年整存利息" << "Text11(2)" << "第3题：小丽把 29900 元整存整取五年，年利率 2.75%，到期利息（ ）元";
    }
    void answerBoxesAreNamedForTheirQuestions()
    {
        QFETCH(int, tab);
        QFETCH(QString, type);
        QFETCH(QString, box);
        QFETCH(QString, name);
        MainWindow window(buildDir());
        window.model().form.setRandomSource(std::make_unique<SeededRandom>(3));
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        static_cast<QTabBar*>(window.widget(QStringLiteral("TabStrip1")))->setCurrentIndex(tab - 1);
        clickNode(window, type);
        QAccessibleInterface* reader = QAccessible::queryAccessibleInterface(window.widget(box));
        QVERIFY(reader);
        QCOMPARE(reader->role(), QAccessible::EditableText);
        QCOMPARE(reader->text(QAccessible::Name), name);
    }

    void theButtonsAndTheTreeSayWhatTheyDo()
    {
        MainWindow window(buildDir());
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        clickNode(window, QStringLiteral("10以内加法"));
        const struct {
            const char* control;
            const char* name;
        } named[] = {{"TreeView1", "题目类型"},   {"Command1", "出 题"},         {"Command2", "提交答案"},
                     {"printButton", "打印"}, {"recordButton", "练习记录"}, {"helpButton", "帮助"}};
        for (const auto& control : named) {
            QAccessibleInterface* reader = QAccessible::queryAccessibleInterface(window.widget(QString::fromLatin1(control.control)));
            QVERIFY2(reader, control.control);
            QCOMPARE(reader->text(QAccessible::Name), QString::fromUtf8(control.name));
        }
        for (const char* button : {"Command1", "Command2", "printButton", "recordButton", "helpButton"})
            QVERIFY2(!QAccessible::queryAccessibleInterface(window.widget(QString::fromLatin1(button)))
                          ->text(QAccessible::Description)
                          .isEmpty(),
                     button);
    }

    // A screen reader walking the window meets the page in view and no page behind it.
    void hiddenPagesAreNotExposed()
    {
        MainWindow window(buildDir());
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        // Back on tab 1, its page lies under the welcome picture.
        static_cast<QTabBar*>(window.widget(QStringLiteral("TabStrip1")))->setCurrentIndex(2);
        static_cast<QTabBar*>(window.widget(QStringLiteral("TabStrip1")))->setCurrentIndex(0);
        QVERIFY(window.model().form.Frame1[0].visible);
        QSet<QObject*> welcomed;
        collectShown(QAccessible::queryAccessibleInterface(&window), welcomed);
        QVERIFY(welcomed.contains(window.widget(QStringLiteral("Picture14"))));
        QVERIFY(!welcomed.contains(window.widget(QStringLiteral("Frame1(0)"))));

        static_cast<QTabBar*>(window.widget(QStringLiteral("TabStrip1")))->setCurrentIndex(1);
        clickNode(window, QStringLiteral("人民币（减法）"));
        static_cast<QTabBar*>(window.widget(QStringLiteral("TabStrip1")))->setCurrentIndex(0);
        clickNode(window, QStringLiteral("10以内加法"));
        QSet<QObject*> shown;
        collectShown(QAccessible::queryAccessibleInterface(&window), shown);
        QVERIFY(shown.contains(window.widget(QStringLiteral("Text1(0)"))));
        for (QObject* object : shown)
            if (auto* widget = qobject_cast<QWidget*>(object))
                QVERIFY2(widget->isVisible(), qPrintable(widget->objectName()));
        QVERIFY(!shown.contains(window.widget(QStringLiteral("Frame1(3)"))));
        QVERIFY(!shown.contains(window.widget(QStringLiteral("Text4(0)"))));
    }

    // The line of seconds counts what the summary will report, and gives way to it.
    void theClockLineCountsTheSeconds()
    {
        MainWindow window(buildDir());
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        auto* line = static_cast<QLabel*>(window.widget(QStringLiteral("clockLine")));
        QVERIFY(!line->isVisible());
        clickNode(window, QStringLiteral("10以内加法"));
        QVERIFY(line->isVisible());
        QCOMPARE(line->text(), QStringLiteral("用时 0 秒"));
        QTRY_COMPARE_WITH_TIMEOUT(line->text(), QStringLiteral("用时 1 秒"), 10000);
        MainForm& form = window.model().form;
        QCOMPARE(line->text(), QStringLiteral("用时 %1 秒").arg(form.state.elapsedSeconds));
        QTest::mouseClick(static_cast<QPushButton*>(window.widget(QStringLiteral("Command2"))), Qt::LeftButton);
        QVERIFY(form.Label2.caption().endsWith(QStringLiteral("用时") + Str(form.state.elapsedSeconds) + QStringLiteral("秒。")));
        QVERIFY(!line->isVisible());
    }

    void aCutTitleShowsWholeInATooltip()
    {
        QTemporaryDir folder;
        const QString longTitle = QStringLiteral("一种名字很长很长很长很长很长很长的加法");
        QVERIFY(makeContentDatabase(QStringLiteral("[加法]\n10以内加法\n") + longTitle + u'\n', folder.path()));
        MainWindow window(folder.path());
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QTreeWidget* tree = treeOf(window);
        auto tooltipOver = [&](const QString& title) {
            const QRect cell = tree->visualItemRect(tree->findItems(title, Qt::MatchExactly | Qt::MatchRecursive).first());
            QHelpEvent event(QEvent::ToolTip, cell.center(), tree->viewport()->mapToGlobal(cell.center()));
            QApplication::sendEvent(tree->viewport(), &event);
            return QToolTip::isVisible() ? QToolTip::text() : QString();
        };
        QCOMPARE(tooltipOver(QStringLiteral("10以内加法")), QString());
        QCOMPARE(tooltipOver(longTitle), longTitle);
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

    // Every widget that measures or draws words uses the page's family, so the
    // start loads one font file rather than the system's default beside it.
    void everyTextWidgetUsesThePageFamily()
    {
        MainWindow window(buildDir());
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const QString family = QStringLiteral("WenQuanYi Micro Hei");
        for (QWidget* widget : window.findChildren<QWidget*>()) {
            const auto* button = qobject_cast<QAbstractButton*>(widget);
            const bool measuresWords = qobject_cast<QLabel*>(widget) || (button && !button->text().isEmpty())
                || qobject_cast<QLineEdit*>(widget) || qobject_cast<QGroupBox*>(widget)
                || qobject_cast<QTabBar*>(widget) || qobject_cast<QAbstractItemView*>(widget)
                || qobject_cast<QHeaderView*>(widget);
            if (measuresWords)
                QVERIFY2(QFontInfo(widget->font()).family() == family,
                         qPrintable(widget->objectName() + u' ' + widget->metaObject()->className() + u' '
                                    + QFontInfo(widget->font()).family()));
        }
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

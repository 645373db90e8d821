#include "main_form.h"
#include "practice_pages.h"
#include "text_metrics.h"

#include <QTest>

#include <stdexcept>

Q_DECLARE_METATYPE(std::vector<ProcedureId>)

namespace {

using P = ProcedureId;

// A form whose procedures only record that they were called.
struct Recorder {
    Recorder()
    {
        std::map<ProcedureId, MainForm::Procedure> table;
        for (int id = int(P::myframe0); id <= int(P::myframe114); ++id)
            table[ProcedureId(id)] = [this, id](MainForm&) { calls.push_back(ProcedureId(id)); };
        form.setProcedures(table);
    }

    // A tree of one node with this text, selected, on this tab.
    void select(int tab, const QString& text)
    {
        form.state.currentTab = std::int16_t(tab);
        form.TreeView1.clear();
        form.TreeView1.add(QString(), QStringLiteral("a1"), text);
        form.TreeView1.select(0);
    }

    FixedTextMetrics metrics;
    MainForm form{metrics};
    std::vector<ProcedureId> calls;
};

} // namespace

class DispatchTest : public QObject {
    Q_OBJECT

private slots:
    void dispatch_data()
    {
        QTest::addColumn<int>("tab");
        QTest::addColumn<QString>("text");
        QTest::addColumn<std::vector<ProcedureId>>("calls");
        QTest::addColumn<bool>("hidesLabel31");
        QTest::newRow("a leaf") << 1 << "10以内加法" << std::vector{P::myframe0} << false;
        QTest::newRow("category 加法 is in list 1") << 1 << "加法" << std::vector{P::myframe0} << false;
        QTest::newRow("category 乘法 is in lists 3 and 4") << 1 << "乘法" << std::vector{P::myframe0, P::myframe0} << false;
        QTest::newRow("category 时间计算") << 2 << "时间计算" << std::vector{P::myframe1} << false;
        QTest::newRow("category 求余数") << 4 << "求余数" << std::vector{P::myframe15} << false;
        QTest::newRow("category 分数 is in list 15") << 5 << "分数" << std::vector{P::myframe17} << false;
        QTest::newRow("category 最大公约数, lists 18 and 19") << 7 << "最大公约数" << std::vector{P::myframe18, P::myframe18}
                                                       << true;
        QTest::newRow("name in lists 14 and 15") << 5 << "分子为任意加法（简单）"
                                                 << std::vector{P::myframe17, P::myframe17} << false;
        QTest::newRow("显示全部内容 on tab 8") << 8 << "显示全部内容" << std::vector{P::myframe19} << true;
        QTest::newRow("显示全部内容 on tab 9") << 9 << "显示全部内容" << std::vector{P::myframe110} << true;
        QTest::newRow("olympiad category, lists 30 and 31") << 13 << "小升初奥数试题及答案"
                                                            << std::vector{P::myframe114, P::myframe114} << true;
        QTest::newRow("empty text is in every list of tab 1") << 1 << ""
                                                              << std::vector{P::myframe0, P::myframe0, P::myframe0,
                                                                             P::myframe0}
                                                              << false;
        QTest::newRow("empty text on tab 8") << 8 << "" << std::vector{P::myframe19, P::myframe19} << true;
        QTest::newRow("tab-1 name on tab 3") << 3 << "两位数加一位数-简单" << std::vector<ProcedureId>{} << false;
        QTest::newRow("tab-3 name on tab 1") << 1 << "两位数加一位数（容易）" << std::vector<ProcedureId>{} << false;
        QTest::newRow("shared name reaches tab 3's generator") << 3 << "10以内加法" << std::vector{P::myframe14} << false;
        QTest::newRow("category in no list") << 2 << "时间转换" << std::vector<ProcedureId>{} << false;
        QTest::newRow("name with the stray bracket behind it") << 6 << "加减混合运算（中等）"
                                                               << std::vector{P::myframe16} << true;
        QTest::newRow("tab 9's exit leaf") << 9 << "退出" << std::vector{P::myframe110} << true;
    }
    void dispatch()
    {
        QFETCH(int, tab);
        QFETCH(QString, text);
        QFETCH(std::vector<ProcedureId>, calls);
        QFETCH(bool, hidesLabel31);
        Recorder recorder;
        recorder.select(tab, text);
        recorder.form.TreeView1_Click();
        QCOMPARE(recorder.calls, calls);
        // A viewer's hit takes the welcome picture away; a generator's only when it
        // opens a page, which these recording procedures never do.
        QCOMPARE(recorder.form.Picture14.visible, tab <= practiceTabCount || calls.empty());
        QCOMPARE(recorder.form.Label31.visible, !hidesLabel31);
    }

    void aFailingProcedureLeavesTheRestRunning()
    {
        Recorder recorder;
        int runs = 0;
        recorder.form.setProcedures({{P::myframe0, [&](MainForm&) {
                                          if (++runs == 1)
                                              throw std::runtime_error("a property could not be set");
                                      }}});
        recorder.select(1, QStringLiteral("乘法"));
        recorder.form.TreeView1_Click();
        QCOMPARE(runs, 2);
    }

    void anEmptyTreeDoesNothing()
    {
        Recorder recorder;
        recorder.form.TreeView1.clear();
        recorder.form.state.elapsedSeconds = 9;
        recorder.form.TreeView1_Click();
        QVERIFY(recorder.calls.empty());
        QCOMPARE(recorder.form.state.elapsedSeconds, std::int16_t(9));
    }

    // A click that opens no page (a category, a name no generator knows) must not
    // take away the page in progress, nor start its clock again.
    void aClickThatOpensNoPageLeavesThePageInProgress()
    {
        Recorder recorder;
        MainForm& form = recorder.form;
        recorder.select(1, QStringLiteral("10以内加法"));
        form.openPage(0, QStringLiteral("10以内加法    填空"));
        form.state.mainKey[0] = QStringLiteral("7");
        form.Text1[0].text = QStringLiteral("7");
        form.state.elapsedSeconds = 14;
        recorder.select(1, QStringLiteral("乘法"));
        form.TreeView1_Click();
        QCOMPARE(form.seenPage(), 0);
        QCOMPARE(form.Text1[0].text, QStringLiteral("7"));
        QCOMPARE(form.state.elapsedSeconds, std::int16_t(14));
    }

    void openingAPageStartsAFreshRound()
    {
        Recorder recorder;
        MainForm& form = recorder.form;
        form.Command2.enabled = form.Command4.enabled = false;
        form.Command1.visible = form.Frame1[0].visible = false;
        form.Timer1.setInterval(0);
        form.state.elapsedSeconds = 50;
        for (Label* summary : {&form.Label2, &form.Label4, &form.Label7, &form.Label11, &form.Label26, &form.Label30})
            summary->setCaption(QStringLiteral("您答对了 3道题"));
        for (int i = 0; i < 10; ++i) {
            for (auto* marks : {&form.Label34, &form.Label3, &form.Label10, &form.Label17, &form.Label25, &form.Label29})
                (*marks)[i].setCaption(QStringLiteral(") √"));
            for (auto* boxes : {&form.Text1, &form.Text2, &form.Text3, &form.Text11}) {
                (*boxes)[i].enabled = false;
                (*boxes)[i].text = QStringLiteral("42");
            }
            form.Text1[i].alignment = Alignment::Left;
            form.Text1[i].rect.width = 300;
        }
        form.Frame1[5].caption = QStringLiteral("数字排序（困难）");
        for (auto* boxes : {&form.Text4, &form.Text5, &form.Text6, &form.Text7, &form.Text9, &form.Text10}) {
            for (TextBox& box : *boxes) {
                box.enabled = false;
                box.text = QStringLiteral("42");
            }
        }
        form.Text8 = {QStringLiteral("42"), {}, false};
        form.Command12.enabled = false;
        for (Label* summary : {&form.Label13, &form.Label18, &form.Label21})
            summary->setCaption(QStringLiteral("答对了 3道题"));
        recorder.select(4, QStringLiteral("10以内平方计算"));

        form.openPage(5, QStringLiteral("10以内平方计算"));

        QVERIFY(form.Command2.enabled && form.Command4.enabled && form.Command12.enabled && form.Command1.visible);
        QCOMPARE(form.seenPage(), 5);
        QCOMPARE(form.Frame1[5].caption, QStringLiteral("10以内平方计算"));
        QCOMPARE(form.Timer1.interval(), 1000);
        QCOMPARE(form.state.elapsedSeconds, std::int16_t(0));
        QCOMPARE(form.state.questionsPage, 5);
        for (int page = 0; page < practicePageCount; ++page) {
            const PracticePage controls = practicePage(form, page);
            QVERIFY(controls.submit->enabled);
            QCOMPARE(controls.summary->caption(), QString());
            for (const Label& mark : controls.marks)
                QCOMPARE(mark.caption(), QString());
            for (std::span<TextBox> boxes : controls.boxes) {
                for (const TextBox& box : boxes) {
                    QVERIFY(box.enabled);
                    QCOMPARE(box.text, QString()); // no answer of an earlier round is marked on the new one
                }
            }
        }
        for (int i = 0; i < 10; ++i) {
            QCOMPARE(form.Text1[i].alignment, Alignment::Centre);
            QCOMPARE(form.Text1[i].rect.width, 900);
        }
        QVERIFY(!form.Picture8.visible);
    }

    void clockCountsAndStopsAtItsCeiling()
    {
        Recorder recorder;
        MainForm& form = recorder.form;
        form.Timer1_Timer();
        form.Timer1_Timer();
        QCOMPARE(form.state.elapsedSeconds, std::int16_t(2));
        form.state.elapsedSeconds = 32766;
        form.Timer1_Timer();
        form.Timer1_Timer();
        form.Timer1_Timer();
        QCOMPARE(form.state.elapsedSeconds, std::int16_t(32767));
    }

    void mysubHidesEveryPageAndRestoresItsPlace()
    {
        Recorder recorder;
        MainForm& form = recorder.form;
        for (Frame& page : form.Frame1) {
            page.visible = true;
            page.rect = {1, 2, 3, 4};
        }
        form.mysub();
        for (const Frame& page : form.Frame1) {
            QVERIFY(!page.visible);
            QCOMPARE(page.rect.left, 3900);
            QCOMPARE(page.rect.top, 1700);
            QCOMPARE(page.rect.width, 11340);
            QCOMPARE(page.rect.height, 6700);
        }
    }

    void seenPageIsTheHighestVisibleOne()
    {
        Recorder recorder;
        MainForm& form = recorder.form;
        form.mysub();
        QCOMPARE(form.seenPage(), -1); // the welcome picture is up
        form.Picture14.visible = false;
        QCOMPARE(form.seenPage(), -1);
        form.Frame1[0].visible = form.Frame1[4].visible = true;
        QCOMPARE(form.seenPage(), 4);
    }
};

QTEST_APPLESS_MAIN(DispatchTest)
#include "test_dispatch.moc"

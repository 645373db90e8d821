#include "test_support.h"

#include <QTest>

namespace {

// A page of 10以内加法 whose first question is 3 + 5 and the rest 0 + 0.
void workedExamplePage(Practice& practice)
{
    practice.script->append({0.3f, 0.5f});
    practice.script->append(std::vector<float>(18, 0.0f));
    QVERIFY(practice.click(QStringLiteral("10以内加法")));
}

void tick(MainForm& form, int seconds)
{
    for (int i = 0; i < seconds; ++i)
        form.Timer1_Timer();
}

} // namespace

class Page0Test : public QObject {
    Q_OBJECT

private slots:
    void workedExample()
    {
        Practice practice;
        MainForm& form = practice.form();
        workedExamplePage(practice);
        QCOMPARE(form.Frame1[0].caption, QStringLiteral("10以内加法    填空"));
        QCOMPARE(form.Label33[0].caption(), QStringLiteral(" 3  +  5 = ("));
        QCOMPARE(form.state.mainKey[0], QStringLiteral("8"));
        QVERIFY(form.Frame1[0].visible && !form.Picture14.visible);
        // Seven right: items 0..6; item 7 wrong, 8 and 9 left empty.
        for (int i = 0; i < 7; ++i)
            form.Text1[i].text = form.state.mainKey[i];
        form.Text1[7].text = QStringLiteral("5");
        form.Text1[8].text = form.Text1[9].text = QString();
        tick(form, 35);
        QVERIFY(practice.model.click(QStringLiteral("Command2")));
        QCOMPARE(form.Label2.caption(), QStringLiteral("您答对了 7道题，用时 35秒。"));
        QCOMPARE(form.Label34[0].caption(), QStringLiteral(") √"));
        QCOMPARE(form.Label34[7].caption(), QStringLiteral(") × 正确答案是0"));
        QVERIFY(!form.Command2.enabled);
        for (const TextBox& box : form.Text1)
            QVERIFY(!box.enabled);
    }

    void emptyPageAfterTwelveSeconds()
    {
        Practice practice;
        MainForm& form = practice.form();
        practice.model.form.setRandomSource(std::make_unique<SeededRandom>(12));
        QVERIFY(practice.click(QStringLiteral("两位数加两位数-较难")));
        tick(form, 12);
        form.Command2_Click();
        for (int i = 0; i < 10; ++i)
            QCOMPARE(form.Label34[i].caption(), QStringLiteral(") × 正确答案是") + form.state.mainKey[i]);
        QCOMPARE(form.Label2.caption(), QStringLiteral("您答对了 0道题，用时 12秒。"));
    }

    void generateTwiceRestartsTheClock()
    {
        Practice practice;
        MainForm& form = practice.form();
        practice.model.form.setRandomSource(std::make_unique<SeededRandom>(3));
        QVERIFY(practice.click(QStringLiteral("三位数加三位数")));
        const QString first = form.Label33[0].caption() + form.Label33[1].caption();
        tick(form, 20);
        form.Command2_Click();
        QVERIFY(practice.model.click(QStringLiteral("Command1")));
        QCOMPARE(form.state.elapsedSeconds, std::int16_t(0));
        QVERIFY(form.Command2.enabled);
        QVERIFY(form.Label33[0].caption() + form.Label33[1].caption() != first);
        tick(form, 4);
        QVERIFY(practice.model.click(QStringLiteral("Command1")));
        QCOMPARE(form.state.elapsedSeconds, std::int16_t(0));
    }

    void anotherLeafStartsAFreshRound()
    {
        Practice practice;
        MainForm& form = practice.form();
        practice.model.form.setRandomSource(std::make_unique<SeededRandom>(4));
        QVERIFY(practice.click(QStringLiteral("10以内加法")));
        form.Text1[2].text = QStringLiteral("6");
        form.Command2_Click();
        QVERIFY(practice.click(QStringLiteral("100以内加法")));
        QVERIFY(form.Command2.enabled);
        QCOMPARE(form.Label2.caption(), QString());
        for (int i = 0; i < 10; ++i) {
            QVERIFY(form.Text1[i].enabled);
            QCOMPARE(form.Text1[i].text, QString()); // no answer of the old page is marked on the new one
            QCOMPARE(form.Label34[i].caption(), QStringLiteral(")"));
        }
    }

    void summaryCountsUpToTheSubmit()
    {
        Practice practice;
        MainForm& form = practice.form();
        workedExamplePage(practice);
        for (int i = 0; i < 10; ++i)
            form.Text1[i].text = form.state.mainKey[i];
        tick(form, 3);
        form.Command2_Click();
        QCOMPARE(form.Label2.caption(), QStringLiteral("您答对了 10道题，用时 3秒。"));
    }
};

QTEST_GUILESS_MAIN(Page0Test)
#include "test_page0.moc"

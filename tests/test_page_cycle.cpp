// The round every practice page shares, played through the driver: a new page
// comes with empty boxes, what looks right is marked right, a page in progress
// survives a look elsewhere, and nothing is shown or marked without questions.

#include "catalogue.h"
#include "driver_support.h"

#include <QTest>

namespace {

// The first question of a 10以内加法 page is 3 + 5, the other nine 0 + 0.
QStringList pageOf3Plus5()
{
    QStringList values(18, QStringLiteral("0"));
    return {command("tab", 1), QStringLiteral("[\"rnd\", [0.3, 0.5, %1]]").arg(values.join(u',')),
            command("click", "10以内加法")};
}

QString text(const QJsonObject& dump, const QString& name, const char* field = "text")
{
    return control(dump, name)[QString::fromLatin1(field)].toString();
}

int seenPage(const QJsonObject& dump)
{
    if (control(dump, QStringLiteral("Picture14"))[QStringLiteral("visible")].toBool())
        return -1;
    for (int page = 11; page >= 0; --page)
        if (control(dump, QStringLiteral("Frame1(%1)").arg(page))[QStringLiteral("visible")].toBool())
            return page;
    return -1;
}

} // namespace

class PageCycleTest : public QObject {
    Q_OBJECT

private slots:
    void typedVariantsAndTheirMarks_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("mark");
        QTest::newRow("the digits") << "8" << ") √";
        QTest::newRow("blank before") << " 8" << ") √";
        QTest::newRow("blank after") << "8 " << ") √";
        QTest::newRow("full-width digit") << "８" << ") √";
        QTest::newRow("leading zero") << "08" << ") × 正确答案是8";
        QTest::newRow("ideographic full stop") << "8。" << ") × 正确答案是8";
        QTest::newRow("empty") << "" << ") × 正确答案是8";
    }
    void typedVariantsAndTheirMarks()
    {
        QFETCH(QString, typed);
        QFETCH(QString, mark);
        const Run run = drive(pageOf3Plus5() + QStringList{command("type", "Text1(0)", typed), command("press", "Command2"),
                                                           command("dump")});
        QCOMPARE(run.dumps.size(), 1);
        QCOMPARE(text(run.dumps[0], QStringLiteral("Label34(0)"), "caption"), mark);
    }

    // Whatever ends a page, the next one starts with empty, open boxes.
    void aNewPageLeavesNoOldAnswer_data()
    {
        QTest::addColumn<QStringList>("nextPage");
        QTest::newRow("another leaf") << QStringList{command("click", "20以内加法")};
        QTest::newRow("出 题") << QStringList{command("press", "Command1")};
        QTest::newRow("a visit to tab 3, then a leaf")
            << QStringList{command("tab", 3), command("click", "10以内加法"), command("tab", 1), command("click", "20以内加法")};
    }
    void aNewPageLeavesNoOldAnswer()
    {
        QFETCH(QStringList, nextPage);
        QStringList script = pageOf3Plus5();
        for (int i = 0; i < 10; ++i)
            script.append(command("type", QStringLiteral("Text1(%1)").arg(i), "8"));
        script += QStringList{command("press", "Command2"), command("seed", 5)} + nextPage + QStringList{command("dump")};
        const Run run = drive(script);
        QCOMPARE(run.dumps.size(), 1);
        const QJsonObject dump = run.dumps.last();
        QCOMPARE(seenPage(dump), 0);
        for (int i = 0; i < 10; ++i) {
            QCOMPARE(text(dump, QStringLiteral("Text1(%1)").arg(i)), QString());
            QVERIFY(control(dump, QStringLiteral("Text1(%1)").arg(i))[QStringLiteral("enabled")].toBool());
            QCOMPARE(text(dump, QStringLiteral("Label34(%1)").arg(i), "caption"), QStringLiteral(")"));
        }
        QVERIFY(control(dump, QStringLiteral("Command2"))[QStringLiteral("enabled")].toBool());
        QCOMPARE(text(dump, QStringLiteral("Label2"), "caption"), QString());
    }

    void aLookIntoTheDictionaryKeepsThePage()
    {
        const Run run = drive(pageOf3Plus5()
                              + QStringList{command("type", "Text1(0)", "8"), command("type", "Text1(1)", "1"), command("tick", 10),
                                            command("tab", 8), command("click", "28、百分数"), command("tick", 7),
                                            command("tab", 1), command("dump"), command("tick", 2),
                                            command("press", "Command2"), command("dump")});
        QCOMPARE(run.dumps.size(), 2);
        const QJsonObject back = run.dumps[0];
        QCOMPARE(seenPage(back), 0);
        QCOMPARE(text(back, QStringLiteral("Frame1(0)"), "caption"), QStringLiteral("10以内加法    填空"));
        QCOMPARE(text(back, QStringLiteral("Label33(0)"), "caption"), QStringLiteral(" 3  +  5 = ("));
        QCOMPARE(text(back, QStringLiteral("Text1(0)")), QStringLiteral("8"));
        QCOMPARE(text(back, QStringLiteral("Text1(1)")), QStringLiteral("1"));
        QCOMPARE(back[QStringLiteral("TreeView1")].toObject()[QStringLiteral("selected")].toString(), QStringLiteral("a 1"));
        // The clock waited while the pupil was away, and runs on now.
        QCOMPARE(back[QStringLiteral("elapsedSeconds")].toInt(), 10);
        const QJsonObject marked = run.dumps[1];
        QCOMPARE(text(marked, QStringLiteral("Label34(0)"), "caption"), QStringLiteral(") √"));
        QCOMPARE(text(marked, QStringLiteral("Label34(1)"), "caption"), QStringLiteral(") × 正确答案是0"));
        QCOMPARE(text(marked, QStringLiteral("Label2"), "caption"), QStringLiteral("您答对了 1道题，用时 12秒。"));
    }

    void aMarkedPageComesBackMarked()
    {
        const Run run = drive(pageOf3Plus5()
                              + QStringList{command("type", "Text1(0)", "8"), command("tick", 4), command("press", "Command2"),
                                            command("tab", 5), command("tab", 1), command("dump")});
        QCOMPARE(run.dumps.size(), 1);
        const QJsonObject dump = run.dumps[0];
        QCOMPARE(seenPage(dump), 0);
        QCOMPARE(text(dump, QStringLiteral("Label34(0)"), "caption"), QStringLiteral(") √"));
        QCOMPARE(text(dump, QStringLiteral("Label2"), "caption"), QStringLiteral("您答对了 1道题，用时 4秒。"));
        QVERIFY(!control(dump, QStringLiteral("Command2"))[QStringLiteral("enabled")].toBool());
        QVERIFY(!control(dump, QStringLiteral("Text1(0)"))[QStringLiteral("enabled")].toBool());
    }

    // A group of the tree is not an exercise: no page, whatever the group's name
    // happens to match, and no submit button can be pressed.
    void aCategoryShowsNoPage_data()
    {
        QTest::addColumn<int>("tab");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("text");
        for (int tab = 1; tab <= practiceTabCount; ++tab)
            for (const TopicCategory& category : ExerciseCatalogue::tab(tab).categories)
                QTest::addRow("tab %d %s", tab, qPrintable(category.text)) << tab << category.key << category.text;
    }
    void aCategoryShowsNoPage()
    {
        QFETCH(int, tab);
        QFETCH(QString, key);
        QFETCH(QString, text);
        QStringList script{command("seed", 1), command("tab", tab), command("selectKey", key), command("click")};
        for (int submit = 2; submit <= 18; submit += 2)
            script.append(command("press", QStringLiteral("Command%1").arg(submit)));
        script.append(command("dump"));
        const Run run = drive(script);
        QCOMPARE(run.dumps.size(), 1);
        const QJsonObject dump = run.dumps[0];
        QCOMPARE(seenPage(dump), -1);
        QVERIFY(control(dump, QStringLiteral("welcomeHint"))[QStringLiteral("caption")].toString().contains(text));
        QCOMPARE(run.errors.count(QStringLiteral("not in view")), 9);
    }

    void aCategoryLeavesThePageInProgress()
    {
        const Run run = drive(pageOf3Plus5()
                              + QStringList{command("type", "Text1(0)", "8"), command("tick", 3), command("click", "乘法"),
                                            command("seed", 2), command("press", "Command1"), command("dump")});
        QCOMPARE(run.dumps.size(), 1);
        const QJsonObject dump = run.dumps[0];
        QCOMPARE(seenPage(dump), 0);
        QCOMPARE(text(dump, QStringLiteral("Frame1(0)"), "caption"), QStringLiteral("10以内加法    填空"));
        // 出 题 asks for new questions of the page's own type, not of the group.
        QCOMPARE(dump[QStringLiteral("TreeView1")].toObject()[QStringLiteral("selected")].toString(), QStringLiteral("a 1"));
        QCOMPARE(text(dump, QStringLiteral("Text1(0)")), QString());
    }
};

QTEST_GUILESS_MAIN(PageCycleTest)
#include "test_page_cycle.moc"

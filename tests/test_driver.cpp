#include "driver_support.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTest>

namespace {

QString zeros(int count)
{
    QStringList values;
    for (int i = 0; i < count; ++i)
        values.append(QStringLiteral("0"));
    return values.join(u',');
}

} // namespace

class DriverTest : public QObject {
    Q_OBJECT

private slots:
    void startsLikeTheWindow()
    {
        const Run run = drive({QStringLiteral("[\"dump\"]")});
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.dumps.size(), 1);
        const QJsonObject dump = run.dumps[0];
        QCOMPARE(dump[QStringLiteral("currentTab")].toInt(), 1);
        QCOMPARE(control(dump, QStringLiteral("Form1"))[QStringLiteral("caption")].toString(),
                 QStringLiteral("Tallowby  5.20.40"));
        QVERIFY(control(dump, QStringLiteral("Picture14"))[QStringLiteral("visible")].toBool());
        for (int page = 0; page < 12; ++page)
            QVERIFY(!control(dump, QStringLiteral("Frame1(%1)").arg(page))[QStringLiteral("visible")].toBool());
        const QJsonObject tree = dump[QStringLiteral("TreeView1")].toObject();
        QCOMPARE(tree[QStringLiteral("selected")].toString(), QStringLiteral("a"));
        QCOMPARE(tree[QStringLiteral("nodes")].toArray().size(), 4 + 14 + 14 + 12 + 12);
        QCOMPARE(dump[QStringLiteral("mainKey")].toArray().size(), 11);
    }

    void workedExample()
    {
        QStringList script = {QStringLiteral("[\"tab\", 1]"),
                              QStringLiteral("[\"rnd\", [0.3, 0.5, %1]]").arg(zeros(18)),
                              QStringLiteral("[\"click\", \"10以内加法\"]"),
                              QStringLiteral("[\"type\", \"Text1(0)\", \"8\"]")};
        for (int i = 1; i < 7; ++i)
            script.append(QStringLiteral("[\"type\", \"Text1(%1)\", \"0\"]").arg(i));
        script += {QStringLiteral("[\"tick\", 35]"), QStringLiteral("[\"press\", \"Command2\"]"),
                   QStringLiteral("[\"type\", \"Text1(9)\", \"0\"]"), QStringLiteral("[\"dump\"]")};
        const Run run = drive(script);
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.dumps.size(), 1);
        const QJsonObject dump = run.dumps[0];
        QCOMPARE(control(dump, QStringLiteral("Label33(0)"))[QStringLiteral("caption")].toString(),
                 QStringLiteral(" 3  +  5 = ("));
        QCOMPARE(dump[QStringLiteral("mainKey")].toArray()[0].toString(), QStringLiteral("8"));
        QCOMPARE(control(dump, QStringLiteral("Label2"))[QStringLiteral("caption")].toString(),
                 QStringLiteral("您答对了 7道题，用时 35秒。"));
        QCOMPARE(dump[QStringLiteral("elapsedSeconds")].toInt(), 35);
        QVERIFY(!control(dump, QStringLiteral("Command2"))[QStringLiteral("enabled")].toBool());
        // The box was disabled by the submit: typing into it changed nothing.
        QCOMPARE(control(dump, QStringLiteral("Text1(9)"))[QStringLiteral("text")].toString(), QString());
        QVERIFY(run.errors.contains(QStringLiteral("disabled")));
        // Widths come from the fixed measure: 12 narrow characters.
        QCOMPARE(control(dump, QStringLiteral("Label33(0)"))[QStringLiteral("width")].toInt(), 12 * 105);
    }

    void exhaustedScriptStopsWithStatusThree()
    {
        const Run run = drive({QStringLiteral("[\"rnd\", [0.3, 0.5]]"), QStringLiteral("[\"click\", \"10以内加法\"]"),
                               QStringLiteral("[\"dump\"]")});
        QCOMPARE(run.exitCode, 3);
        QVERIFY(run.errors.contains(QStringLiteral("random values exhausted")));
        QVERIFY(run.dumps.isEmpty());
    }

    void badLinesAreReportedAndSkipped()
    {
        const Run run = drive({QStringLiteral("not json"), QStringLiteral("{\"an\": \"object\"}"), QStringLiteral("[]"),
                               QStringLiteral("[\"fly\"]"), QStringLiteral("[\"tab\"]"), QStringLiteral("[\"tab\", 14]"),
                               QStringLiteral("[\"rnd\", [1.5]]"), QStringLiteral("[\"type\", \"Nothing(9)\", \"1\"]"),
                               QStringLiteral("[\"select\", \"no such node\"]"),
                               QStringLiteral("[\"press\", \"Command2\"]"), QStringLiteral("[\"tick\", -4]"),
                               QStringLiteral("[\"seed\", \"x\"]"), QStringLiteral("[\"dump\"]")});
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.dumps.size(), 1);
        QCOMPARE(run.errors.count(u'\n'), 12);
        // Command2 lies under the welcome picture: it could not be pressed.
        QCOMPARE(control(run.dumps[0], QStringLiteral("Label2"))[QStringLiteral("caption")].toString(), QString());
    }

    // Lines that are almost right are refused as well, each with one line on
    // standard error, and change nothing.
    void nearMissesAreRefused_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("error"); // empty: the line is played
        QTest::newRow("random value that is 1 in single precision") << "[\"rnd\", [0.99999999]]" << "single precision";
        QTest::newRow("largest random value below 1") << "[\"rnd\", [0.99999996]]" << "";
        QTest::newRow("tick of a fraction") << "[\"tick\", 1.5]" << "whole count";
        QTest::newRow("seed of a fraction") << "[\"seed\", 2.5]" << "whole number";
        QTest::newRow("dump with arguments") << "[\"dump\", 1, 2]" << "wrong arguments";
        QTest::newRow("tab with an extra argument") << "[\"tab\", 2, 3]" << "wrong arguments";
        QTest::newRow("click with an extra argument") << "[\"click\", \"10以内加法\", 1]" << "wrong arguments";
    }
    void nearMissesAreRefused()
    {
        QFETCH(QString, line);
        QFETCH(QString, error);
        const Run untouched = drive({QStringLiteral("[\"dump\"]")});
        const Run run = drive({line, QStringLiteral("[\"dump\"]")});
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.dumps, untouched.dumps);
        if (error.isEmpty()) {
            QCOMPARE(run.errors, QString());
        } else {
            QCOMPARE(run.errors.count(u'\n'), 1);
            QVERIFY2(run.errors.startsWith(QStringLiteral("line 1: ")) && run.errors.contains(error), qPrintable(run.errors));
        }
    }

    // More ticks than the clock can count stop it at its largest value, at once.
    void aHugeTickStopsTheClockAtItsLargestValue()
    {
        const Run run = drive({QStringLiteral("[\"seed\", 7]"), QStringLiteral("[\"click\", \"10以内加法\"]"),
                               QStringLiteral("[\"tick\", 3e9]"), QStringLiteral("[\"dump\"]"),
                               QStringLiteral("[\"tick\", 1]"), QStringLiteral("[\"dump\"]")});
        QCOMPARE(run.errors, QString());
        QCOMPARE(run.dumps.size(), 2);
        for (const QJsonObject& dump : run.dumps)
            QCOMPARE(dump[QStringLiteral("elapsedSeconds")].toInt(), 32767);
    }

    void selectingDoesNotDispatch()
    {
        const Run run = drive({QStringLiteral("[\"seed\", 7]"), QStringLiteral("[\"selectKey\", \"b 3\"]"),
                               QStringLiteral("[\"dump\"]"), QStringLiteral("[\"click\"]"), QStringLiteral("[\"dump\"]")});
        QCOMPARE(run.dumps.size(), 2);
        QCOMPARE(run.dumps[0][QStringLiteral("TreeView1")].toObject()[QStringLiteral("selected")].toString(),
                 QStringLiteral("b 3"));
        QVERIFY(control(run.dumps[0], QStringLiteral("Picture14"))[QStringLiteral("visible")].toBool());
        QCOMPARE(control(run.dumps[1], QStringLiteral("Frame1(0)"))[QStringLiteral("caption")].toString(),
                 QStringLiteral("50以内减法   填空"));
    }

    void libraryTabsOpenTheirStartPages()
    {
        const Run run = drive({QStringLiteral("[\"tab\", 11]"), QStringLiteral("[\"dump\"]"),
                               QStringLiteral("[\"tab\", 8]"), QStringLiteral("[\"dump\"]")});
        QCOMPARE(run.dumps.size(), 2);
        QCOMPARE(control(run.dumps[0], QStringLiteral("WebBrowser1"))[QStringLiteral("address")].toString(),
                 buildDir() + QStringLiteral("/123_files/祖冲之的故事.htm"));
        QVERIFY(control(run.dumps[0], QStringLiteral("Frame1(10)"))[QStringLiteral("visible")].toBool());
        QCOMPARE(control(run.dumps[1], QStringLiteral("Frame1(9)"))[QStringLiteral("caption")].toString(),
                 QStringLiteral("数学字典"));
        QVERIFY(!control(run.dumps[1], QStringLiteral("Picture14"))[QStringLiteral("visible")].toBool());
    }

    void runsWithoutContent()
    {
        QTemporaryDir empty;
        const Run run = drive({QStringLiteral("[\"dump\"]")}, {QStringLiteral("--content"), empty.path()});
        QCOMPARE(run.exitCode, 0);
        QVERIFY(control(run.dumps[0], QStringLiteral("contentNotice"))[QStringLiteral("visible")].toBool());
        QCOMPARE(run.dumps[0][QStringLiteral("TreeView1")].toObject()[QStringLiteral("nodes")].toArray().size(), 56);
    }
};

QTEST_GUILESS_MAIN(DriverTest)
#include "test_driver.moc"

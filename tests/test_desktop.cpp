// What the program does beside the practice itself: worksheets on paper, the
// practice record and its window.

#include "practice_record.h"
#include "test_support.h"
#include "window_test_support.h"

#include <QChartView>
#include <QComboBox>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

namespace {

struct Finished {
    int exitCode = -1;
    QString errors;
};

Finished runProgram(const QStringList& arguments)
{
    QProcess program;
    program.start(buildDir() + QStringLiteral("/tallowby"), arguments);
    if (!program.waitForFinished(60000))
        return {};
    return {program.exitCode(), QString::fromUtf8(program.readAllStandardError())};
}

// The text of one page of a PDF, without any blank: the layout's spacing is not
// what is tested.
QString pdfPageText(const QString& file, int page)
{
    QProcess text;
    text.start(QStringLiteral("pdftotext"), {QStringLiteral("-f"), QString::number(page), QStringLiteral("-l"),
                                              QString::number(page), file, QStringLiteral("-")});
    if (!text.waitForFinished(30000))
        return {};
    return QString::fromUtf8(text.readAllStandardOutput()).remove(QRegularExpression(QStringLiteral("\\s")));
}

QString withoutBlanks(QString text)
{
    return text.remove(QRegularExpression(QStringLiteral("\\s")));
}

} // namespace

class DesktopTest : public QObject {
    Q_OBJECT

private slots:
    // A seeded worksheet holds the page the model makes with the same seed: the
    // ten questions on the first sheet, each with its answer on the second.
    void worksheetHoldsTheQuestionsThenTheAnswers()
    {
        Practice practice;
        practice.form().setRandomSource(std::make_unique<SeededRandom>(2024));
        QVERIFY(practice.click(QStringLiteral("三位数加两位数")));
        QTemporaryDir folder;
        const QString pdf = folder.filePath(QStringLiteral("sheet.pdf"));
        const Finished run = runProgram({QStringLiteral("--worksheet"), QStringLiteral("三位数加两位数"), QStringLiteral("--tab"),
                                         QStringLiteral("1"), QStringLiteral("--seed"),
                                         QStringLiteral("2024"), QStringLiteral("-o"), pdf});
        QCOMPARE(run.exitCode, 0);
        const QString questions = pdfPageText(pdf, 1);
        const QString answers = pdfPageText(pdf, 2);
        QVERIFY2(questions.contains(QStringLiteral("姓名")), qPrintable(questions));
        for (int i = 0; i < 10; ++i) {
            const QString question = withoutBlanks(practice.form().Label33[i].caption());
            QVERIFY2(questions.contains(question + QStringLiteral(")")), qPrintable(question)); // an empty box

            QVERIFY2(answers.contains(question + practice.form().state.mainKey[i] + QStringLiteral(")")),
                     qPrintable(question));
        }
    }

    void severalDifferentWorksheets()
    {
        QTemporaryDir folder;
        const QString pdf = folder.filePath(QStringLiteral("class.pdf"));
        const Finished run = runProgram({QStringLiteral("--worksheet"), QStringLiteral("两位数加一位数-较难"), QStringLiteral("--count"),
                                         QStringLiteral("3"), QStringLiteral("-o"), pdf});
        QCOMPARE(run.exitCode, 0);
        QVERIFY(pdfPageText(pdf, 6).contains(QStringLiteral("答案")));
        QVERIFY(pdfPageText(pdf, 1) != pdfPageText(pdf, 3));
    }

    void worksheetRequestsThatCannotBeMet_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("says");
        QTest::newRow("a type on no tab") << QStringList{"--worksheet", "乘法"} << 2 << "没有这种题目";
        QTest::newRow("a type on two tabs") << QStringList{"--worksheet", "10以内加法"} << 2 << "--tab";
        QTest::newRow("a tab without the type") << QStringList{"--worksheet", "两位数加一位数-较难", "--tab", "2"} << 2 << "标签 2";
        QTest::newRow("a tab out of range") << QStringList{"--worksheet", "一位数乘法", "--tab", "9"} << 2 << "--tab";
        QTest::newRow("no sheets") << QStringList{"--worksheet", "一位数乘法", "--count", "0"} << 2 << "--count";
        QTest::newRow("a seed that is no number") << QStringList{"--worksheet", "一位数乘法", "--seed", "x"} << 2 << "--seed";
        QTest::newRow("no file") << QStringList{"--worksheet", "一位数乘法"} << 2 << "-o";
        QTest::newRow("a file that cannot be written")
            << QStringList{"--worksheet", "一位数乘法", "--tab", "1", "-o", "/nonexistent/folder/sheet.pdf"} << 1 << "写不出";
    }
    void worksheetRequestsThatCannotBeMet()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QFETCH(QString, says);
        QTemporaryDir folder;
        if (!arguments.contains(QStringLiteral("-o")) && says != QStringLiteral("-o"))
            arguments += {QStringLiteral("-o"), folder.filePath(QStringLiteral("sheet.pdf"))};
        const Finished run = runProgram(arguments);
        QCOMPARE(run.exitCode, exitCode);
        QVERIFY2(run.errors.contains(says), qPrintable(run.errors));
    }

    // A marked page reaches the record; the record window lists it and charts it.
    void recordWindowShowsTheMarkedPages()
    {
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("record.db"));
        {
            PracticeRecord earlier(path);
            earlier.add({QDateTime::currentDateTime().addDays(-1), 3, QStringLiteral("10以内加法"), 6, 10, 95});
        }
        MainWindow window(buildDir(), path);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        clickNode(window, QStringLiteral("10以内加法"));
        MainForm& form = window.model().form;
        for (int i = 0; i < 10; ++i)
            form.Text1[i].text = form.state.mainKey[i];
        QTest::mouseClick(static_cast<QPushButton*>(window.widget(QStringLiteral("Command2"))), Qt::LeftButton);
        window.showRecord();
        auto* table = window.findChild<QTableWidget*>(QStringLiteral("recordTable"));
        QVERIFY(table);
        QCOMPARE(table->rowCount(), 2);
        QCOMPARE(table->item(0, 1)->text(), QStringLiteral("加减乘除"));
        QCOMPARE(table->item(0, 2)->text(), QStringLiteral("10以内加法"));
        QCOMPARE(table->item(0, 3)->text(), QStringLiteral("10 / 10"));
        QCOMPARE(table->item(1, 3)->text(), QStringLiteral("6 / 10"));
        auto* chart = window.findChild<QChartView*>(QStringLiteral("recordChart"));
        QVERIFY(chart && chart->chart()->series().size() == 2);
        if (qEnvironmentVariableIsSet("TALLOWBY_SCREENSHOTS"))
            window.findChild<QWidget*>(QStringLiteral("recordWindow"))->grab().save(qEnvironmentVariable("TALLOWBY_SCREENSHOTS"));
    }
};

QTEST_MAIN(DesktopTest)
#include "test_desktop.moc"

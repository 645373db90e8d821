#include "practice_record.h"
#include "test_support.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>

namespace {

PracticeEntry page(int number)
{
    return {QDateTime(QDate(2026, 12, 1), QTime(8, 0)).addDays(number), 1, QStringLiteral("20以内加法"), number % 11, 10,
            30 + number};
}

} // namespace

class PracticeRecordTest : public QObject {
    Q_OBJECT

private slots:
    void keepsPagesNewestFirst()
    {
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("record.db"));
        {
            PracticeRecord record(path);
            for (int number = 1; number <= 3; ++number)
                record.add(page(number));
        } // closing writes what is waiting
        PracticeRecord reopened(path);
        const std::vector<PracticeEntry> pages = reopened.entries();
        QCOMPARE(pages.size(), std::size_t(3));
        QCOMPARE(pages[0].submitted, page(3).submitted);
        QCOMPARE(pages[0].right, 3);
        QCOMPARE(pages[2].exerciseType, QStringLiteral("20以内加法"));
        QCOMPARE(pages[2].seconds, 31);
        QCOMPARE(reopened.notice(), QString());
        QVERIFY(reopened.clear());
        QVERIFY(reopened.entries().empty());
    }

    // Whatever is wrong with the file, the practice goes on, earlier pages stay
    // where they can be, and the pupil is told in one line.
    void faults_data()
    {
        QTest::addColumn<QString>("fault");
        QTest::addColumn<bool>("keepsWriting");
        QTest::addColumn<QString>("notice");
        QTest::newRow("missing folders are made") << "missing folder" << true << "";
        QTest::newRow("a damaged file is set aside") << "damaged file" << true << "已改名为";
        QTest::newRow("a file of another program is set aside") << "foreign database" << true << "已改名为";
        QTest::newRow("a read-only folder") << "read-only folder" << false << "无法保存";
        QTest::newRow("a folder where the file should be") << "folder in the way" << false << "无法保存";
        QTest::newRow("a file where the folder should be") << "file in the way" << false << "无法保存";
    }
    void faults()
    {
        QFETCH(QString, fault);
        QFETCH(bool, keepsWriting);
        QFETCH(QString, notice);
        if (fault == QStringLiteral("read-only folder") && geteuid() == 0)
            QSKIP("root writes into read-only folders");
        QTemporaryDir folder;
        QString path = folder.filePath(QStringLiteral("record.db"));
        QByteArray damaged = "SQLite format 3";
        damaged += QByteArray(4000, '\x7f');
        if (fault == QStringLiteral("missing folder")) {
            path = folder.filePath(QStringLiteral("a/b/record.db"));
        } else if (fault == QStringLiteral("damaged file")) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(damaged) > 0);
        } else if (fault == QStringLiteral("foreign database")) {
            QVERIFY(makeContentDatabase(QStringLiteral("[加法]\n10以内加法\n"), folder.path()));
            QVERIFY(QFile::rename(folder.filePath(QStringLiteral("data.db")), path));
        } else if (fault == QStringLiteral("folder in the way")) {
            QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("record.db")));
        } else if (fault == QStringLiteral("file in the way")) {
            QFile file(folder.filePath(QStringLiteral("a")));
            QVERIFY(file.open(QIODevice::WriteOnly));
            path = folder.filePath(QStringLiteral("a/record.db"));
        } else {
            QVERIFY(QFile::setPermissions(folder.path(), QFile::ReadOwner | QFile::ExeOwner));
        }
        {
            PracticeRecord record(path);
            record.add(page(1));
            QCOMPARE(record.entries().size(), std::size_t(keepsWriting ? 1 : 0));
            QVERIFY(record.notice().contains(notice));
        }
        QFile::setPermissions(folder.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        if (fault == QStringLiteral("damaged file") || fault == QStringLiteral("foreign database")) {
            const QStringList aside = QDir(folder.path()).entryList({QStringLiteral("record.db.damaged-*")});
            QCOMPARE(aside.size(), 1); // the pupil's old file is kept, not deleted
        }
    }

    // Killing the program while it writes loses at most the page being written.
    void aKillDuringAWriteLosesAtMostThatPage()
    {
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("record.db"));
        int written = 0;
        for (int round = 0; round < 8; ++round) {
            QProcess writer;
            writer.start(buildDir() + QStringLiteral("/record-writer"), {path});
            QVERIFY(writer.waitForStarted());
            QTest::qWait(60 + 37 * round);
            ::kill(pid_t(writer.processId()), SIGKILL);
            QVERIFY(writer.waitForFinished());
            const QList<QByteArray> lines = writer.readAllStandardOutput().trimmed().split('\n');
            if (!lines.isEmpty() && !lines.last().isEmpty())
                written += lines.last().toInt();
            PracticeRecord record(path);
            const std::vector<PracticeEntry> pages = record.entries(1000000);
            QCOMPARE(record.notice(), QString()); // never damaged
            QVERIFY2(int(pages.size()) >= written, qPrintable(QStringLiteral("%1 < %2").arg(pages.size()).arg(written)));
            for (const PracticeEntry& entry : pages)
                QCOMPARE(entry.exerciseType, QStringLiteral("第%1页").arg(entry.seconds));
            written = int(pages.size());
        }
        QVERIFY(written > 0);
    }
};

QTEST_GUILESS_MAIN(PracticeRecordTest)
#include "test_practice_record.moc"

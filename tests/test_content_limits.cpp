// A data.db that is broken or crafted: whatever its leaf table holds, start-up
// reads it within bounds, and a practice tab that the table names no exercise
// for is treated as if the table were missing.

#include "catalogue.h"
#include "content_store.h"
#include "test_support.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>

namespace {

// Writes <folder>/data.db with these SQL statements.
bool makeDatabase(const QString& folder, const QStringList& statements)
{
    const QString connection = QStringLiteral("crafted");
    bool done = true;
    {
        QSqlDatabase database = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
        database.setDatabaseName(folder + QStringLiteral("/data.db"));
        done = database.open();
        QSqlQuery query(database);
        for (const QString& statement : statements)
            done = done && query.exec(statement);
    }
    QSqlDatabase::removeDatabase(connection);
    return done;
}

bool isPracticeTab(const TopicTab& tab)
{
    return std::any_of(tab.categories.begin(), tab.categories.end(),
                       [](const TopicCategory& category) { return !category.exerciseTypes.isEmpty(); });
}

// A select list that gives every practice tab one leaf: its first category's first name.
QString oneLeafPerPracticeTab()
{
    QStringList columns;
    for (const TopicTab& tab : ExerciseCatalogue::tabs())
        if (isPracticeTab(tab))
            columns.append(QStringLiteral("'%1' AS \"%2\"").arg(tab.categories[0].exerciseTypes[0], tab.categories[0].text));
    return columns.join(QStringLiteral(", "));
}

// The leaf table of every practice category, as text; cell gives each of its
// lines (a name in, the line out), and a category of the tab skipped is left out.
QString practiceLeafText(const std::function<QString(const QString&)>& cell, int skippedTab = 0)
{
    QString text;
    for (const TopicTab& tab : ExerciseCatalogue::tabs()) {
        if (!isPracticeTab(tab) || tab.number == skippedTab)
            continue;
        for (const TopicCategory& category : tab.categories) {
            text += u'[' + category.text + QStringLiteral("]\n");
            for (const QString& name : category.exerciseTypes)
                text += cell(name) + u'\n';
        }
    }
    return text;
}

const QString endlessSeries = QStringLiteral("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n) ");

} // namespace

class ContentLimitsTest : public QObject {
    Q_OBJECT

private slots:
    // No row past the longest tab and no cell past a title's length is kept;
    // a table whose reading would not end, or whose values are huge, is unreadable.
    void craftedTablesAreReadWithinBounds_data()
    {
        QTest::addColumn<QStringList>("statements");
        QTest::addColumn<int>("problem");
        QTest::addColumn<int>("rows");
        QTest::addColumn<int>("firstCellLength");
        const int none = int(ContentStore::Problem::None);
        const int unreadable = int(ContentStore::Problem::Unreadable);
        const QString table = QStringLiteral("CREATE TABLE 加减乘除 AS SELECT ") + oneLeafPerPracticeTab();
        QTest::newRow("endless view")
            << QStringList{QStringLiteral("CREATE VIEW 加减乘除 AS ") + endlessSeries + QStringLiteral("SELECT ")
                           + oneLeafPerPracticeTab() + QStringLiteral(" FROM n")}
            << none << 51 << 6;
        QTest::newRow("endless view in reverse order")
            << QStringList{QStringLiteral("CREATE VIEW 加减乘除 AS ") + endlessSeries + QStringLiteral("SELECT ")
                           + oneLeafPerPracticeTab() + QStringLiteral(" FROM n ORDER BY i DESC")}
            << unreadable << 0 << 0;
        QTest::newRow("ten thousand rows")
            << QStringList{QStringLiteral("CREATE TABLE 加减乘除 AS ") + endlessSeries + QStringLiteral("SELECT ")
                           + oneLeafPerPracticeTab() + QStringLiteral(" FROM n LIMIT 10000")}
            << none << 51 << 6;
        QTest::newRow("title of 300 characters")
            << QStringList{table, QStringLiteral("UPDATE 加减乘除 SET 加法 = hex(zeroblob(150))")} << none << 1 << 200;
        QTest::newRow("cell of a megabyte")
            << QStringList{table, QStringLiteral("UPDATE 加减乘除 SET 加法 = hex(zeroblob(500000))")} << unreadable << 0 << 0;
        QTest::newRow("computed column of 800 megabytes")
            << QStringList{QStringLiteral("CREATE TABLE 加减乘除 (n)"), QStringLiteral("INSERT INTO 加减乘除 VALUES (1)"),
                           // Added after the row, so only reading computes it.
                           QStringLiteral("ALTER TABLE 加减乘除 ADD COLUMN 加法 AS (hex(zeroblob(400000000)))")}
            << unreadable << 0 << 0;
    }
    void craftedTablesAreReadWithinBounds()
    {
        QFETCH(QStringList, statements);
        QFETCH(int, problem);
        QFETCH(int, rows);
        QFETCH(int, firstCellLength);
        QTemporaryDir folder;
        QVERIFY(makeDatabase(folder.path(), statements));
        ContentStore store(folder.path());
        QCOMPARE(int(store.problem()), problem);
        QCOMPARE(int(store.leaves().rows().size()), rows);
        if (rows > 0) {
            RecordSet& leaves = store.leaves();
            leaves.moveFirst();
            QCOMPARE(leaves.value(QStringLiteral("加法")).value_or(QString()).size(), firstCellLength);
        }
    }

    // Such a tab shows its own names, the notice names the file, and the
    // other tabs keep what the file gives them.
    void aPracticeTabWithoutLeavesShowsItsOwnNames_data()
    {
        QTest::addColumn<QString>("leaves");
        QTest::addColumn<QList<int>>("tabsWithoutLeaves");
        QTest::addColumn<int>("dictionaryLeaves");
        const QList<int> practiceTabs{1, 2, 3, 4, 5, 6, 7};
        QTest::newRow("only Null cells") << practiceLeafText([](const QString&) { return QStringLiteral("~"); })
                                         << practiceTabs << 0;
        QTest::newRow("only blank cells") << practiceLeafText([](const QString&) { return QStringLiteral("  "); })
                                          << practiceTabs << 0;
        QTest::newRow("columns of another table") << QStringLiteral("[名字]\n一\n二\n[数学概念]\n1、加法交换律\n")
                                                  << practiceTabs << 1;
        QTest::newRow("no columns for one tab")
            << practiceLeafText([](const QString& name) { return name; }, 3) << QList<int>{3} << 0;
    }
    void aPracticeTabWithoutLeavesShowsItsOwnNames()
    {
        QFETCH(QString, leaves);
        QFETCH(QList<int>, tabsWithoutLeaves);
        QFETCH(int, dictionaryLeaves);
        QTemporaryDir folder;
        QVERIFY(makeContentDatabase(leaves, folder.path()));
        Practice practice(folder.path());
        const ContentStore& store = practice.model.content();
        QCOMPARE(store.problem(), ContentStore::Problem::None);
        QCOMPARE(QList<int>(store.practiceTabsWithoutLeaves().begin(), store.practiceTabsWithoutLeaves().end()),
                 tabsWithoutLeaves);
        const Label& notice = practice.form().contentNotice;
        QVERIFY(notice.visible);
        QVERIFY2(notice.caption().contains(store.databasePath()), qPrintable(notice.caption()));
        for (const int tab : tabsWithoutLeaves) {
            practice.model.selectTab(tab);
            for (const TopicCategory& category : ExerciseCatalogue::tab(tab).categories)
                QCOMPARE(practice.leavesOf(category.key), category.exerciseTypes);
        }
        practice.model.selectTab(8);
        QCOMPARE(practice.leavesOf(QStringLiteral("b1")).size(), dictionaryLeaves);
    }

    // One leaf on each practice tab is enough: the table is used as it is.
    void oneLeafPerPracticeTabIsEnough()
    {
        QStringList firstNames;
        for (const TopicTab& tab : ExerciseCatalogue::tabs())
            if (isPracticeTab(tab))
                firstNames.append(tab.categories[0].exerciseTypes[0]);
        QTemporaryDir folder;
        QVERIFY(makeContentDatabase(practiceLeafText([&](const QString& name) {
                                        return firstNames.contains(name) ? name : QStringLiteral("~");
                                    }),
                                    folder.path()));
        Practice practice(folder.path());
        QCOMPARE(practice.model.content().problem(), ContentStore::Problem::None);
        QVERIFY(practice.model.content().practiceTabsWithoutLeaves().empty());
        QVERIFY(!practice.form().contentNotice.visible);
        QCOMPARE(practice.leavesOf(QStringLiteral("a")), QStringList{QStringLiteral("10以内加法")});
        QCOMPARE(practice.leavesOf(QStringLiteral("b")), QStringList());
    }
};

QTEST_GUILESS_MAIN(ContentLimitsTest)
#include "test_content_limits.moc"

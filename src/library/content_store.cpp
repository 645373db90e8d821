#include "content_store.h"

#include "catalogue.h"

#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

#include <sqlite3.h>

#include <algorithm>
#include <atomic>

namespace {

// Each store opens its own named connection, so that stores (in tests) never share one.
QString newConnectionName()
{
    static std::atomic<int> counter{0};
    return QStringLiteral("tallowby-content-%1").arg(counter++);
}

// The tree reads no row past the longest tab's last one.
int rowsNeeded()
{
    const auto& tabs = ExerciseCatalogue::tabs();
    return std::max_element(tabs.begin(), tabs.end(), [](const TopicTab& a, const TopicTab& b) {
               return a.rowsRead < b.rowsRead;
           })->rowsRead;
}

// The leaf table may be a view or have computed columns, whose reading need
// not end (an endless recursive series) or may build values of a gigabyte.
// SQLite is stopped after ten million steps of its machine (the real table
// takes some 2,300) and refuses any value past 8 KiB: the statement that
// creates the real table takes under 1 KiB, and a title 600 bytes.
constexpr int longestValueBytes = 8 * 1024;
constexpr int stepsBetweenChecks = 1000;
constexpr int checksAllowed = 10000;

int stopPastTheBudget(void* checks)
{
    return ++*static_cast<int*>(checks) > checksAllowed;
}

void limitTheWork(const QSqlDatabase& database, int& checks)
{
    const QVariant handle = database.driver()->handle();
    if (qstrcmp(handle.typeName(), "sqlite3*") != 0)
        return;
    sqlite3* connection = *static_cast<sqlite3* const*>(handle.constData());
    sqlite3_limit(connection, SQLITE_LIMIT_LENGTH, longestValueBytes);
    sqlite3_progress_handler(connection, stepsBetweenChecks, stopPastTheBudget, &checks);
}

bool isPracticeTab(const TopicTab& tab)
{
    return std::any_of(tab.categories.begin(), tab.categories.end(),
                       [](const TopicCategory& category) { return !category.exerciseTypes.isEmpty(); });
}

// Whether any category of the tab gets a leaf that is more than blanks.
bool givesALeaf(const RecordSet& records, const TopicTab& tab)
{
    for (const TopicCategory& category : tab.categories) {
        const qsizetype column = records.columnNames().indexOf(category.text);
        if (column < 0)
            continue;
        const std::size_t rows = std::min<std::size_t>(records.rows().size(), std::min(category.lastRow, tab.rowsRead));
        for (std::size_t row = 0; row < rows; ++row)
            if (const RecordSet::Cell& cell = records.rows()[row][column]; cell && !cell->trimmed().isEmpty())
                return true;
    }
    return false;
}

} // namespace

ContentStore::ContentStore(const QString& programFolder) : folder(programFolder)
{
    const QString path = databasePath();
    if (!QFileInfo(path).isFile()) {
        trouble = Problem::Missing;
        return;
    }
    const QString connection = newConnectionName();
    {
        int checks = 0; // outlives the connection that counts on it
        QSqlDatabase database = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
        database.setDatabaseName(path);
        database.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
        if (database.open()) {
            limitTheWork(database, checks);
            readLeaves(database);
        } else {
            detail = database.lastError().text();
        }
    }
    QSqlDatabase::removeDatabase(connection);
    if (!detail.isEmpty())
        trouble = Problem::Unreadable;
    else
        findPracticeTabsWithoutLeaves();
}

void ContentStore::readLeaves(QSqlDatabase& database)
{
    QSqlQuery query(database);
    query.setForwardOnly(true);
    query.prepare(QStringLiteral("select * from 加减乘除 limit ?"));
    query.addBindValue(rowsNeeded());
    if (!query.exec()) {
        detail = query.lastError().text();
        return;
    }
    const QSqlRecord header = query.record();
    QStringList names;
    for (int c = 0; c < header.count(); ++c)
        names.append(header.fieldName(c));
    std::vector<std::vector<RecordSet::Cell>> rows;
    while (query.next()) {
        std::vector<RecordSet::Cell> row;
        for (int c = 0; c < header.count(); ++c) {
            const QVariant cell = query.value(c);
            row.push_back(cell.isNull() ? RecordSet::Cell() : RecordSet::Cell(cell.toString().left(longestCell)));
        }
        rows.push_back(std::move(row));
    }
    if (query.lastError().isValid())
        detail = query.lastError().text();
    else if (rows.empty())
        detail = QStringLiteral("the table 加减乘除 has no rows");
    else
        records = RecordSet(names, std::move(rows));
}

void ContentStore::findPracticeTabsWithoutLeaves()
{
    for (const TopicTab& tab : ExerciseCatalogue::tabs())
        if (isPracticeTab(tab) && !givesALeaf(records, tab))
            tabsWithoutLeaves.push_back(tab.number);
}

QString ContentStore::databasePath() const
{
    return folder + u'/' + databaseFileName();
}

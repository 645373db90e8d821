#include "content_store.h"

#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

#include <atomic>

namespace {

// Each store opens its own named connection, so that stores (in tests) never share one.
QString newConnectionName()
{
    static std::atomic<int> counter{0};
    return QStringLiteral("tallowby-content-%1").arg(counter++);
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
        QSqlDatabase database = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
        database.setDatabaseName(path);
        database.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
        if (database.open())
            readLeaves(database);
        else
            detail = database.lastError().text();
    }
    QSqlDatabase::removeDatabase(connection);
    if (!detail.isEmpty())
        trouble = Problem::Unreadable;
}

void ContentStore::readLeaves(QSqlDatabase& database)
{
    QSqlQuery query(database);
    query.setForwardOnly(true);
    if (!query.exec(QStringLiteral("select * from 加减乘除"))) {
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
            row.push_back(cell.isNull() ? RecordSet::Cell() : RecordSet::Cell(cell.toString()));
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

QString ContentStore::databasePath() const
{
    return folder + u'/' + databaseFileName();
}

// make-content-db SOURCE DATABASE: turns the hand-written leaf table into the
// SQLite file that the program reads. Run by the build.

#include "leaf_source.h"

#include <QCoreApplication>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTextStream>

namespace {

QString quotedName(QString name)
{
    return u'"' + name.replace(u'"', QStringLiteral("\"\"")) + u'"';
}

// Writes the table into a new database file; returns what went wrong, if anything.
QString writeDatabase(const RecordSet& table, const QString& path)
{
    QSqlDatabase database = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("output"));
    database.setDatabaseName(path);
    if (!database.open())
        return database.lastError().text();
    QStringList columns, placeholders;
    for (const QString& name : table.columnNames()) {
        columns.append(quotedName(name) + QStringLiteral(" TEXT"));
        placeholders.append(QStringLiteral("?"));
    }
    QSqlQuery query(database);
    if (!query.exec(QStringLiteral("CREATE TABLE 加减乘除 (%1)").arg(columns.join(u','))))
        return query.lastError().text();
    database.transaction();
    query.prepare(QStringLiteral("INSERT INTO 加减乘除 VALUES (%1)").arg(placeholders.join(u',')));
    for (const auto& row : table.rows()) {
        for (int c = 0; c < int(row.size()); ++c)
            query.bindValue(c, row[c] ? QVariant(*row[c]) : QVariant(QMetaType(QMetaType::QString)));
        if (!query.exec())
            return query.lastError().text();
    }
    if (!database.commit())
        return database.lastError().text();
    return {};
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    QTextStream errors(stderr);
    const QStringList arguments = application.arguments();
    if (arguments.size() != 3) {
        errors << "usage: make-content-db SOURCE DATABASE" << Qt::endl;
        return 2;
    }
    QFile source(arguments[1]);
    if (!source.open(QIODevice::ReadOnly)) {
        errors << arguments[1] << ": " << source.errorString() << Qt::endl;
        return 1;
    }
    const LeafSource leaves = parseLeafSource(QString::fromUtf8(source.readAll()));
    if (!leaves.error.isEmpty()) {
        errors << arguments[1] << ": " << leaves.error << Qt::endl;
        return 1;
    }
    // Build beside the target and move into place, so a failed run never leaves half a database.
    const QString target = arguments[2];
    const QString partial = target + QStringLiteral(".partial");
    QFile::remove(partial);
    const QString problem = writeDatabase(leaves.table, partial);
    QSqlDatabase::removeDatabase(QStringLiteral("output"));
    if (!problem.isEmpty()) {
        errors << target << ": " << problem << Qt::endl;
        QFile::remove(partial);
        return 1;
    }
    QFile::remove(target);
    if (!QFile::rename(partial, target)) {
        errors << target << ": cannot move the new database into place" << Qt::endl;
        return 1;
    }
    return 0;
}

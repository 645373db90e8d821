#pragma once

#include "record_set.h"

#include <QString>

class QSqlDatabase;

// The content beside the program: the leaf table of the topic tree, read once
// from the SQLite file data.db at start-up, and the folder of the library pages.
// The file is opened read-only; the program writes nothing.
class ContentStore {
public:
    enum class Problem { None, Missing, Unreadable };

    static QString databaseFileName() { return QStringLiteral("data.db"); }

    // Reads the table "加减乘除" of <programFolder>/data.db into memory.
    explicit ContentStore(const QString& programFolder);

    const QString& programFolder() const { return folder; }
    QString databasePath() const;
    Problem problem() const { return trouble; }
    // What went wrong, for a developer (the driver of the database says it in English).
    const QString& problemDetail() const { return detail; }
    // Empty when the file could not be read.
    RecordSet& leaves() { return records; }

private:
    void readLeaves(QSqlDatabase& database);

    QString folder;
    Problem trouble = Problem::None;
    QString detail;
    RecordSet records;
};

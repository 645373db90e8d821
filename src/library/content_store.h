#pragma once

#include "record_set.h"

#include <QString>

#include <vector>

class QSqlDatabase;

// The content beside the program: the leaf table of the topic tree, read once
// from the SQLite file data.db at start-up, and the folder of the library pages.
// The file is opened read-only; the program writes nothing. Whatever the file
// holds, reading it ends soon and keeps little: no more rows than the longest
// tab reads, no cell longer than a title.
class ContentStore {
public:
    enum class Problem { None, Missing, Unreadable };

    static QString databaseFileName() { return QStringLiteral("data.db"); }

    // A title is never longer; a longer cell is cut to this many characters.
    static constexpr int longestCell = 200;

    // Reads the table "加减乘除" of <programFolder>/data.db into memory.
    explicit ContentStore(const QString& programFolder);

    const QString& programFolder() const { return folder; }
    QString databasePath() const;
    Problem problem() const { return trouble; }
    // What went wrong, for a developer (the driver of the database says it in English).
    const QString& problemDetail() const { return detail; }
    // Empty when the file could not be read.
    RecordSet& leaves() { return records; }
    // The practice tabs that get no leaf from a table that was read (their
    // columns missing, or only Null or blank cells): they show their own names.
    const std::vector<int>& practiceTabsWithoutLeaves() const { return tabsWithoutLeaves; }

private:
    void readLeaves(QSqlDatabase& database);
    void findPracticeTabsWithoutLeaves();

    QString folder;
    Problem trouble = Problem::None;
    QString detail;
    RecordSet records;
    std::vector<int> tabsWithoutLeaves;
};

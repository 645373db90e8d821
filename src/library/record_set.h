#pragma once

#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

// The rows of the leaf table, read once and kept for the whole run, with a
// cursor that the tree rebuild moves from the first row on.
class RecordSet {
public:
    using Cell = std::optional<QString>; // nullopt is Null
    struct Column {
        QString name;
        std::vector<Cell> cells; // from row 1 on; a short column is Null below its end
    };

    RecordSet() = default;
    RecordSet(QStringList columnNames, std::vector<std::vector<Cell>> rows);
    static RecordSet fromColumns(const std::vector<Column>& columns);

    const QStringList& columnNames() const { return names; }
    const std::vector<std::vector<Cell>>& rows() const { return table; }

    void moveFirst() { current = 0; }
    void moveNext();
    bool atEnd() const { return current >= table.size(); }
    // The named column of the current row. Nothing when the cell is Null, when
    // the cursor is past the last row, or when there is no such column.
    Cell value(const QString& column) const;

private:
    QStringList names;
    std::vector<std::vector<Cell>> table;
    std::size_t current = 0;
};

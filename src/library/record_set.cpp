#include "record_set.h"

#include <algorithm>

RecordSet::RecordSet(QStringList columnNames, std::vector<std::vector<Cell>> rows)
    : names(std::move(columnNames)), table(std::move(rows))
{
    for (auto& row : table)
        row.resize(names.size());
}

RecordSet RecordSet::fromColumns(const std::vector<Column>& columns)
{
    QStringList names;
    std::size_t rowCount = 0;
    for (const Column& column : columns) {
        names.append(column.name);
        rowCount = std::max(rowCount, column.cells.size());
    }
    std::vector<std::vector<Cell>> rows(rowCount, std::vector<Cell>(columns.size()));
    for (std::size_t c = 0; c < columns.size(); ++c)
        for (std::size_t r = 0; r < columns[c].cells.size(); ++r)
            rows[r][c] = columns[c].cells[r];
    return RecordSet(names, std::move(rows));
}

void RecordSet::moveNext()
{
    if (current < table.size())
        ++current;
}

RecordSet::Cell RecordSet::value(const QString& column) const
{
    const qsizetype index = names.indexOf(column);
    if (atEnd() || index < 0)
        return std::nullopt;
    return table[current][index];
}

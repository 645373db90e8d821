#include "leaf_source.h"

LeafSource parseLeafSource(const QString& text)
{
    std::vector<RecordSet::Column> columns;
    const QStringList lines = text.split(u'\n');
    for (int number = 1; number <= lines.size(); ++number) {
        QString line = lines[number - 1];
        if (line.endsWith(u'\r'))
            line.chop(1);
        if (line.isEmpty() || line.startsWith(u'#'))
            continue;
        auto failure = [&](const QString& what) {
            return LeafSource{{}, QStringLiteral("line %1: %2").arg(number).arg(what)};
        };
        if (line.startsWith(u'[')) {
            if (!line.endsWith(u']') || line.size() < 3)
                return failure(QStringLiteral("a section header is written [column name]"));
            const QString name = line.mid(1, line.size() - 2);
            for (const auto& column : columns)
                if (column.name == name)
                    return failure(QStringLiteral("the column %1 appears twice").arg(name));
            columns.push_back({name, {}});
            continue;
        }
        if (columns.empty())
            return failure(QStringLiteral("a cell before the first [column]"));
        columns.back().cells.push_back(line == QStringLiteral("~") ? RecordSet::Cell() : RecordSet::Cell(line));
    }
    return {RecordSet::fromColumns(columns), QString()};
}

#pragma once

#include <QString>

#include <optional>

class QTextStream;

// tallowby --worksheet TYPE [--tab N] [--count K] [--seed S] -o FILE.pdf
struct WorksheetRequest {
    QString exerciseType;
    int tab = 0;   // 0: the one practice tab that has the type
    int count = 1; // different worksheets, each with its answer sheet
    std::optional<unsigned long long> seed;
    QString output;
};

// Writes the worksheets without a window. Returns the exit status: 0 when
// written; 2 when the type is on no practice tab, or on two and no tab was
// chosen; 1 when the file cannot be written. Says why on errors.
int writeWorksheets(const WorksheetRequest& request, const QString& programFolder, QTextStream& errors);

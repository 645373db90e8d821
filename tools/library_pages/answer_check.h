#pragma once

// The build's check of the library's answers: every `calc` of an item is
// computed and compared with the answer the page shows (content/library/README.md
// tells the rules). A page whose answer differs is not written.

#include "page_source.h"

#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>

struct AnswerCheck {
    QStringList problems; // each names the value shown and the value computed
    bool computed = false; // at least one calc computes something, not just a copied number
};

// One item: its answer text, its choices (for a 选择 item) and its calcs.
AnswerCheck checkAnswer(const QString& answer, const QStringList& choices, const QStringList& calc);

struct AnswerCoverage {
    int items = 0;
    int computed = 0;
};

struct AnswerReport {
    QStringList problems; // "<source path>: <item>: <problem>"
    QMap<PageKind, AnswerCoverage> coverage;
};

// Every answered item of every source that was read.
AnswerReport checkLibraryAnswers(const QList<SourceFile>& sources);

// The coverage lines the build prints.
QStringList coverageLines(const QMap<PageKind, AnswerCoverage>& coverage);

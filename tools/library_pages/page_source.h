#pragma once

// The JSON sources of the library pages (content/library/README.md describes
// the fields). Reading is strict: a missing, mistyped or unknown field is an
// error naming the file and the field, so that a typo never silently drops
// part of a page.

#include <QList>
#include <QString>
#include <QStringList>

enum class PageKind { Story, Puzzle, Exam, Olympiad };

using TextTable = QList<QStringList>; // the first row is the header

struct Item {
    QString question;
    QStringList choices;
    QString figure; // an SVG element, well-formed XML
    TextTable table;
    QString answer;
    QStringList solution;
    QStringList calc;
};

struct Section {
    QString heading;
    double points = 0;
    QList<Item> items;
};

struct PuzzleAnswer {
    QStringList paragraphs;
    QString answer;
    QStringList calc;
};

struct PageSource {
    QString title;
    PageKind kind = PageKind::Story;
    QString subtitle;
    QStringList paragraphs; // story, puzzle
    QString think;          // story
    QString figure;         // puzzle
    TextTable table;        // puzzle
    PuzzleAnswer answer;    // puzzle
    QList<Section> sections; // exam
    QList<Item> problems;    // olympiad
};

struct PageSourceRead {
    PageSource page;
    QString error; // "<file>: <what is wrong>"; empty when the page was read
};

// `fileName` only names the source in error texts.
PageSourceRead parsePageSource(const QByteArray& json, const QString& fileName);

struct SourceFile {
    QString path;         // relative to the library folder, e.g. "stories/刘徽的故事.json"
    PageSourceRead read;
};

// Every *.json below the library folder. Each must sit in the folder of its
// kind (stories, puzzles, exams, olympiad) and be named after its title.
QList<SourceFile> readLibrarySources(const QString& libraryFolder);

#pragma once

#include <QString>

// What the browser shows for an address the viewers asked it to open.
struct LibraryPage {
    enum class Kind {
        File,    // a page of the program folder: open localFile
        Missing, // inside the program folder, but there is no such page (or only a dangling link)
        Refused, // would lead outside the program folder: open nothing
    };
    Kind kind;
    QString localFile; // the file to open (File) or that was looked for (Missing)
};

// The program folder as the browser sees it. Its canonical path (every
// symbolic link resolved) is taken once, when the folder is given: what lies
// inside is judged by canonical paths, so a link inside cannot lead out.
class LibraryFolder {
public:
    explicit LibraryFolder(const QString& folder);

    // As the viewers write it at the start of an address.
    const QString& path() const { return written; }
    // Whether this file exists and, its links resolved, lies inside the folder.
    // Safe to call from any thread.
    bool holds(const QString& localFile) const;

    // Resolves an address made of the folder and a page path ("/123.htm",
    // "/123_files/<title>.htm", "/<title>.swf"). A game asked for as ".swf" is
    // played from its HTML5 edition "<title>.html" beside it.
    LibraryPage resolve(const QString& address) const;

private:
    QString written;
    QString canonicalInside; // the canonical folder with a trailing "/"; empty when it does not exist
};

// A small page of our own, in the library's style (its style sheet is found
// relative to the folder "123_files"), shown instead of a browser error.
QString missingPageHtml(const QString& pageName);
QString refusedPageHtml(const QString& pageName);

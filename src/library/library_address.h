#pragma once

#include <QString>

// What the browser shows for an address the viewers asked it to open.
struct LibraryPage {
    enum class Kind {
        File,    // a page of the program folder: open localFile
        Missing, // inside the program folder, but there is no such page
        Refused, // would lead outside the program folder: open nothing
    };
    Kind kind;
    QString localFile; // the file to open (File) or that was looked for (Missing)
};

// Resolves an address made of the program folder and a page path ("/123.htm",
// "/123_files/<title>.htm", "/<title>.swf"). A game asked for as ".swf" is
// played from its HTML5 edition "<title>.html" beside it.
LibraryPage resolveLibraryAddress(const QString& programFolder, const QString& address);

// A small page of our own, in the library's style (its style sheet is found
// relative to the folder "123_files"), shown instead of a browser error.
QString missingPageHtml(const QString& pageName);
QString refusedPageHtml(const QString& pageName);

#include "viewers.h"

namespace {

// Where the entry of this title begins: at the start of a line, the title
// itself (number and name), then the "：" that ends the head (":", "？" or "?"
// in a few entries); -1 when no entry has it. The whole title is looked for,
// since two entries share the number 32.
qsizetype entryStart(QStringView dictionary, QStringView title)
{
    static const QString headEnds = QStringLiteral("：:？?");
    for (qsizetype line = 0; line < dictionary.size();) {
        const QStringView rest = dictionary.mid(line);
        if (rest.startsWith(title) && rest.size() > title.size() && headEnds.contains(rest[title.size()]))
            return line;
        const qsizetype lineEnd = dictionary.indexOf(u'\n', line);
        if (lineEnd < 0)
            break;
        line = lineEnd + 1;
    }
    return -1;
}

void openLibraryPage(MainForm& form, const QString& appPath)
{
    form.WebBrowser1.navigate(appPath + QStringLiteral("/123_files/") + form.TreeView1.selectedText()
                              + QStringLiteral(".htm"));
}

} // namespace

void myframe19(MainForm& form)
{
    const QString& dictionary = form.Text12[0].text;
    // The chosen entry at the top and the rest after it; "显示全部内容" and a
    // title that no entry has show the whole text.
    const qsizetype from = entryStart(dictionary, form.TreeView1.selectedText());
    form.Text12[1].text = from < 0 ? dictionary : dictionary.mid(from);
}

void myframe110(MainForm& form, const QString& appPath)
{
    const QString title = form.TreeView1.selectedText();
    form.WebBrowser1.navigate(appPath + QStringLiteral("/") + title + QStringLiteral(".swf"));
    // Leaving the games shows the start page again.
    if (title == QStringLiteral("退出"))
        form.WebBrowser1.navigate(appPath + QStringLiteral("/123.htm"));
}

void myframe111(MainForm& form, const QString& appPath) { openLibraryPage(form, appPath); }
void myframe112(MainForm& form, const QString& appPath) { openLibraryPage(form, appPath); }
void myframe113(MainForm& form, const QString& appPath) { openLibraryPage(form, appPath); }
void myframe114(MainForm& form, const QString& appPath) { openLibraryPage(form, appPath); }

#include "viewers.h"

namespace {

void openLibraryPage(MainForm& form, const QString& appPath)
{
    form.WebBrowser1.navigate(appPath + QStringLiteral("/123_files/") + form.TreeView1.selectedText()
                              + QStringLiteral(".htm"));
}

} // namespace

void myframe19(MainForm& form)
{
    const QString title = form.TreeView1.selectedText();
    const QString& dictionary = form.Text12[0].text;
    if (title == QStringLiteral("显示全部内容")) {
        form.Text12[1].text = dictionary;
        return;
    }
    // An entry is found by the first three characters of its title ("28、"),
    // so the text shows from the first place they occur; not found, the whole text.
    const qsizetype from = dictionary.indexOf(title.left(3));
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

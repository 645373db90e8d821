#include "library_address.h"

#include <QDir>
#include <QFileInfo>

namespace {

QString withSlash(const QString& folder)
{
    return folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/');
}

QString messagePage(const QString& heading, const QString& message)
{
    return QStringLiteral(
               "<!DOCTYPE html>\n<html lang=\"zh-CN\"><head><meta charset=\"utf-8\"/><title>%1</title>"
               "<link rel=\"stylesheet\" href=\"library.css\"/></head>"
               "<body><h1>%1</h1><div class=\"box\"><p>%2</p></div></body></html>\n")
        .arg(heading.toHtmlEscaped(), message);
}

} // namespace

LibraryFolder::LibraryFolder(const QString& folder) : written(folder)
{
    const QString canonical = QFileInfo(folder).canonicalFilePath();
    if (!canonical.isEmpty())
        canonicalInside = withSlash(canonical);
}

bool LibraryFolder::holds(const QString& localFile) const
{
    // Empty for a file that does not exist, a dangling link included.
    const QString canonical = QFileInfo(localFile).canonicalFilePath();
    return !canonical.isEmpty() && !canonicalInside.isEmpty() && canonical.startsWith(canonicalInside);
}

LibraryPage LibraryFolder::resolve(const QString& address) const
{
    if (!address.startsWith(written))
        return {LibraryPage::Kind::Refused, {}};
    QString path = address.mid(written.size());
    if (path.endsWith(QStringLiteral(".swf")))
        path = path.chopped(4) + QStringLiteral(".html");
    // A title is used as it stands, so one holding ".." could climb out of the folder.
    const QString folder = QDir::cleanPath(written);
    const QString file = QDir::cleanPath(folder + QLatin1Char('/') + path);
    if (!file.startsWith(withSlash(folder)))
        return {LibraryPage::Kind::Refused, {}};
    const QFileInfo info(file);
    if (!info.exists())
        return {LibraryPage::Kind::Missing, file};
    // A link inside the folder may point anywhere.
    if (!holds(file))
        return {LibraryPage::Kind::Refused, {}};
    if (!info.isFile())
        return {LibraryPage::Kind::Missing, file};
    return {LibraryPage::Kind::File, file};
}

QString missingPageHtml(const QString& pageName)
{
    return messagePage(QStringLiteral("页面不存在"),
                       QStringLiteral("这里本来应该是「%1」，可是这一页还没有放进程序的文件夹里。"
                                      "请在左边换一个题目看看吧。")
                           .arg(pageName.toHtmlEscaped()));
}

QString refusedPageHtml(const QString& pageName)
{
    return messagePage(QStringLiteral("这一页不能打开"),
                       QStringLiteral("「%1」不在本程序的文件夹里，为了安全，没有打开它。")
                           .arg(pageName.toHtmlEscaped()));
}

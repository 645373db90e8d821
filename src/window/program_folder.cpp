#include "program_folder.h"

#include "content_store.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

QString programFolder()
{
    const QDir executableFolder(QCoreApplication::applicationDirPath());
    const QString installed = executableFolder.absoluteFilePath(QStringLiteral("../share/tallowby"));
    const QString folder = !executableFolder.exists(ContentStore::databaseFileName()) && QFileInfo(installed).isDir()
        ? installed
        : executableFolder.absolutePath();
    // Taken once, with every link resolved: the library's pages are judged
    // inside or outside against this path for the whole run.
    return QFileInfo(folder).canonicalFilePath();
}

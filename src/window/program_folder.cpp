#include "program_folder.h"

#include "content_store.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

QString programFolder()
{
    const QDir executableFolder(QCoreApplication::applicationDirPath());
    const QString installed = executableFolder.absoluteFilePath(QStringLiteral("../share/tallowby"));
    if (!executableFolder.exists(ContentStore::databaseFileName()) && QFileInfo(installed).isDir())
        return QDir::cleanPath(installed);
    return executableFolder.absolutePath();
}

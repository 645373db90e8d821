#include "plugins.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

QString pluginPath(const QString& fileName)
{
    const QDir executableFolder(QCoreApplication::applicationDirPath());
    const QString installed = executableFolder.absoluteFilePath(QStringLiteral("../lib/tallowby/") + fileName);
    if (!executableFolder.exists(fileName) && QFileInfo::exists(installed))
        return QDir::cleanPath(installed);
    return executableFolder.filePath(fileName);
}

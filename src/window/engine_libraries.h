#pragma once

#include <QRegularExpression>
#include <QSet>
#include <QString>
#include <QStringList>

// The libraries that only the browser engine brings into the program: the
// engine itself and Qt Quick under it, our browser plugin, and what an OpenGL
// context loads (Qt's GL integration, the GL vendor library and driver, LLVM
// for a software driver). The GL dispatch libraries (libGLX, libOpenGL, libEGL)
// are not among them: Qt's platform plugins link those whether or not a
// context is ever made. maps: the text of /proc/<pid>/maps.
inline QStringList browserEngineLibraries(const QString& maps)
{
    static const QRegularExpression engine(QStringLiteral(
        R"((/libQt6(WebEngine|Quick|Qml)[^/]*|/libtallowby_browser\.so|/xcbglintegrations/[^/]*|/libGLX_[^/]*|/libglapi[^/]*|/dri/[^/]*_dri\.so|/libLLVM[^/]*)$)"));
    QSet<QString> found;
    for (const QString& line : maps.split(u'\n', Qt::SkipEmptyParts)) {
        const QString path = line.section(u' ', -1);
        if (engine.match(path).hasMatch())
            found.insert(path);
    }
    QStringList sorted(found.begin(), found.end());
    sorted.sort();
    return sorted;
}

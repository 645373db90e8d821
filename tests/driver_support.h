#pragma once

// Runs tallowby-driver on a script, as a program outside the C++ code would.

#include "test_support.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>

struct Run {
    int exitCode = -1;
    QList<QJsonObject> dumps;
    QString errors;
};

inline Run drive(const QStringList& lines, const QStringList& arguments = {})
{
    QProcess driver;
    driver.start(buildDir() + QStringLiteral("/tallowby-driver"), arguments);
    Run run;
    if (!driver.waitForStarted())
        return run;
    driver.write((lines.join(u'\n') + u'\n').toUtf8());
    driver.closeWriteChannel();
    if (!driver.waitForFinished(60000))
        return run;
    run.exitCode = driver.exitCode();
    run.errors = QString::fromUtf8(driver.readAllStandardError());
    for (const QByteArray& line : driver.readAllStandardOutput().split('\n'))
        if (!line.isEmpty())
            run.dumps.append(QJsonDocument::fromJson(line).object());
    return run;
}

inline QJsonObject control(const QJsonObject& dump, const QString& name)
{
    return dump[QStringLiteral("controls")].toObject()[name].toObject();
}

// One driver line from its parts: command("type", "Text1(0)", "8") is ["type","Text1(0)","8"].
template <typename... Parts>
QString command(const Parts&... parts)
{
    return QString::fromUtf8(QJsonDocument(QJsonArray{QJsonValue(parts)...}).toJson(QJsonDocument::Compact));
}

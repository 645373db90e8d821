#include "engine_notices.h"

#include <QGuiApplication>
#include <QString>

namespace {

QtMessageHandler passOn = nullptr;

bool isEngineNotice(const QMessageLogContext& context, const QString& message)
{
    if (context.category && qstrcmp(context.category, "qt.webenginecontext") == 0)
        return true;
    return message == QStringLiteral("Sandboxing disabled by user.")
        || message.trimmed() == QStringLiteral("No suitable graphics backend found")
        || message.startsWith(QStringLiteral("WebEngineContext used before QtWebEngineCore::initialize()"));
}

void dropEngineNotices(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type != QtCriticalMsg && type != QtFatalMsg && isEngineNotice(context, message))
        return;
    passOn(type, context, message);
}

} // namespace

void quietenEngineNoticesOffscreen()
{
    if (QGuiApplication::platformName() == QStringLiteral("offscreen") && !passOn)
        passOn = qInstallMessageHandler(dropEngineNotices);
}

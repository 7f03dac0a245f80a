#include "locklines.h"

#include <QtCore/QtGlobal>

namespace twoprocesses {

namespace {

QStringList g_lockLines;
QtMessageHandler g_previousHandler = nullptr;

void keepLockLines(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (message.contains(QLatin1String("locked"), Qt::CaseInsensitive)
        || message.contains(QLatin1String("busy"), Qt::CaseInsensitive))
        g_lockLines.append(message);
    if (g_previousHandler)
        g_previousHandler(type, context, message);
}

} // namespace

void LockLines::start()
{
    g_lockLines.clear();
    g_previousHandler = qInstallMessageHandler(keepLockLines);
}

void LockLines::stop()
{
    qInstallMessageHandler(g_previousHandler);
    g_previousHandler = nullptr;
}

QStringList LockLines::lines()
{
    return g_lockLines;
}

} // namespace twoprocesses

#include "networkstatus.h"

#include <QtCore/QByteArray>
#include <QtCore/QDir>
#include <QtCore/QFile>
#include <QtCore/QFileInfo>

namespace {

QString statusPath(const QString &ppsRoot)
{
    return ppsRoot + QStringLiteral("/services/networking/status_public");
}

} // namespace

bool NetworkStatus::publishOnline(const QString &ppsRoot, QString *message)
{
    const QString path = statusPath(ppsRoot);
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    const QByteArray text = QByteArrayLiteral("@status_public\nip_ok::yes\n");
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(text) != text.size()) {
        if (message)
            *message = QStringLiteral("cannot write the network status: ") + file.errorString();
        return false;
    }
    return true;
}

void NetworkStatus::publishOnlineUnlessSaid()
{
    const QString root = qEnvironmentVariable("HX_PPS_ROOT");
    if (root.isEmpty() || QFileInfo::exists(statusPath(root)))
        return;
    publishOnline(root);
}

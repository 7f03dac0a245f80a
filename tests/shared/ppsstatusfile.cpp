#include "ppsstatusfile.h"

#include <QtCore/QDir>
#include <QtCore/QFile>
#include <QtCore/QFileInfo>

namespace hx {
namespace test {

QString PpsStatusFile::localPath(const QString &path)
{
    const QString prefix = QStringLiteral("/pps");
    return qEnvironmentVariable("HX_PPS_ROOT") + path.mid(prefix.size());
}

bool PpsStatusFile::write(const QString &path, const QByteArray &text)
{
    const QString local = localPath(path);
    if (!QDir().mkpath(QFileInfo(local).path()))
        return false;
    QFile file(local);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    return file.write(text) == text.size();
}

bool PpsStatusFile::remove(const QString &path)
{
    return QFile::remove(localPath(path));
}

} // namespace test
} // namespace hx

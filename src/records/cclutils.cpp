#include <hx/trellan/places/cclutils.h>

#include <QtCore/QByteArray>
#include <QtCore/QCoreApplication>

#include <unistd.h>

namespace hx {
namespace trellan {
namespace places {

namespace {

QString duplicateName(const QString &base, int count, int index)
{
    if (count < 2)
        return base;
    return QStringLiteral("DUP_") + QString::number(index) + QLatin1Char('_') + base;
}

} // namespace

QString CCLUtils::getPlaceTagMessageName(int count, int index)
{
    return duplicateName(QStringLiteral("placeTag"), count, index);
}

QString CCLUtils::getPlaceAuxiliaryDataMessageName(int count, int index)
{
    return duplicateName(QStringLiteral("auxiliaryData"), count, index);
}

QString CCLUtils::applicationName()
{
    const QByteArray pid = QByteArray::number(qint64(::getpid()));
    const QByteArray link = QByteArrayLiteral("/apps/gid2app/") + pid;

    // The system links each running process id to the folder of its application; the last part
    // of that folder is the application's name.
    char target[1024];
    const ssize_t length = ::readlink(link.constData(), target, sizeof(target));
    if (length > 0) {
        const QByteArray text(target, int(length));
        const int slash = text.lastIndexOf('/');
        if (slash >= 0)
            return QString::fromLocal8Bit(text.mid(slash + 1));
    }
    return QStringLiteral("gid_") + QString::fromLatin1(pid);
}

} // namespace places
} // namespace trellan
} // namespace hx

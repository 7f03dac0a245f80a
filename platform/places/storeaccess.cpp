#include <QtCore/QFile>
#include <QtCore/QFileInfo>

#include <sys/stat.h>
#include <unistd.h>

#include "storeaccess_p.h"

namespace hx {
namespace platform {
namespace places {

bool StoreAccess::canWrite(const QString &path)
{
    const QByteArray name = QFile::encodeName(path);
    struct stat status;
    if (::stat(name.constData(), &status) != 0)
        return false;
    return (status.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) != 0 && ::access(name.constData(), W_OK) == 0;
}

bool StoreAccess::canWriteBeside(const QString &path)
{
    return canWrite(QFileInfo(path).absolutePath());
}

bool StoreAccess::isReadOnly(const QString &path)
{
    return QFileInfo::exists(path) && (!canWrite(path) || !canWriteBeside(path));
}

} // namespace places
} // namespace platform
} // namespace hx

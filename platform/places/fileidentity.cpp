#include <QtCore/QFile>

#include <sys/stat.h>

#include "fileidentity_p.h"

namespace hx {
namespace platform {
namespace places {

FileIdentity FileIdentity::of(const QString &path)
{
    FileIdentity identity;
    struct stat info;
    if (::stat(QFile::encodeName(path).constData(), &info) != 0)
        return identity;
    identity.m_valid = true;
    identity.m_device = quint64(info.st_dev);
    identity.m_inode = quint64(info.st_ino);
    identity.m_size = qint64(info.st_size);
    identity.m_modifiedNs = qint64(info.st_mtim.tv_sec) * 1000000000 + info.st_mtim.tv_nsec;
    return identity;
}

bool FileIdentity::isSameFile(const FileIdentity &other) const
{
    return m_valid && other.m_valid && m_device == other.m_device && m_inode == other.m_inode;
}

bool FileIdentity::operator==(const FileIdentity &other) const
{
    return m_valid == other.m_valid && m_device == other.m_device && m_inode == other.m_inode && m_size == other.m_size
        && m_modifiedNs == other.m_modifiedNs;
}

} // namespace places
} // namespace platform
} // namespace hx

#include <hx/pps/ppspath.h>

#include <QtCore/QDir>
#include <QtCore/QFile>
#include <QtCore/QFileInfo>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace hx {
namespace pps {

QString root()
{
    const QString configured = qEnvironmentVariable("HX_PPS_ROOT");
    return configured.isEmpty() ? QStringLiteral("/pps") : configured;
}

QString localPath(const QString &path)
{
    QString bare = path;
    const int query = bare.indexOf(QLatin1Char('?'));
    if (query >= 0)
        bare.truncate(query);
    static const QString prefix = QStringLiteral("/pps");
    if (bare == prefix)
        return root();
    if (bare.startsWith(prefix + QLatin1Char('/')))
        return root() + bare.mid(prefix.size());
    return bare;
}

bool makePrivateFolders(const QString &folder)
{
    const QString absolute = QDir(folder).absolutePath();
    if (QFileInfo(absolute).isDir())
        return true;
    const QString parent = QFileInfo(absolute).path();
    if (parent != absolute && !makePrivateFolders(parent))
        return false;
    if (::mkdir(QFile::encodeName(absolute).constData(), 0700) != 0 && errno != EEXIST)
        return false;
    return true;
}

static int connectSocket(const QByteArray &file)
{
    sockaddr_un address {};
    address.sun_family = AF_UNIX;
    if (size_t(file.size()) >= sizeof address.sun_path) {
        errno = ENAMETOOLONG;
        return -1;
    }
    std::memcpy(address.sun_path, file.constData(), size_t(file.size()));
    const int fd = ::socket(AF_UNIX, SOCK_SEQPACKET | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return -1;
    if (::connect(fd, reinterpret_cast<const sockaddr *>(&address), sizeof address) != 0) {
        const int saved = errno;
        ::close(fd);
        errno = saved;
        return -1;
    }
    return fd;
}

bool isServerObject(const QString &path)
{
    struct stat info;
    return ::stat(QFile::encodeName(localPath(path)).constData(), &info) == 0 && S_ISSOCK(info.st_mode);
}

int openObject(const QString &path, int flags)
{
    const QString local = localPath(path);
    const QByteArray file = QFile::encodeName(local);
    if (isServerObject(path))
        return connectSocket(file);
    if ((flags & O_CREAT) && !makePrivateFolders(QFileInfo(local).path()))
        return -1;
    return ::open(file.constData(), flags | O_CLOEXEC, 0600);
}

} // namespace pps
} // namespace hx

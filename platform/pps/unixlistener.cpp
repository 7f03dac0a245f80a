#include <hx/pps/unixlistener.h>

#include <hx/pps/ppspath.h>

#include <QtCore/QFile>
#include <QtCore/QFileInfo>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace hx {
namespace pps {

UnixListener::~UnixListener()
{
    stop();
    close();
}

bool UnixListener::listen(const QString &path, int socketType, int backlog, QString *error)
{
    close();
    auto fail = [&](const QString &step) {
        // close() must not change the errno reported.
        const int saved = errno;
        close();
        if (error)
            *error = step + QStringLiteral(": ") + QString::fromLocal8Bit(std::strerror(saved));
        return false;
    };
    const QString folder = QFileInfo(path).path();
    if (!makePrivateFolders(folder))
        return fail(QStringLiteral("cannot create ") + folder);
    const QByteArray file = QFile::encodeName(path);
    sockaddr_un address {};
    address.sun_family = AF_UNIX;
    if (size_t(file.size()) >= sizeof address.sun_path) {
        errno = ENAMETOOLONG;
        return fail(path);
    }
    std::memcpy(address.sun_path, file.constData(), size_t(file.size()));
    if (!claim(path, error)) {
        close();
        return false;
    }
    // Whatever is at the path now was left by a server that is gone: ours holds the claim.
    ::unlink(file.constData());
    m_path = path;
    m_fd = ::socket(AF_UNIX, socketType | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    struct stat made;
    if (m_fd < 0 || ::bind(m_fd, reinterpret_cast<sockaddr *>(&address), sizeof address) != 0
        || ::chmod(file.constData(), 0600) != 0 || ::listen(m_fd, backlog) != 0 || ::stat(file.constData(), &made) != 0)
        return fail(QStringLiteral("cannot listen on ") + path);
    m_device = made.st_dev;
    m_inode = made.st_ino;
    if (::pipe2(m_wakeFds, O_CLOEXEC | O_NONBLOCK) != 0)
        return fail(QStringLiteral("cannot create a pipe"));
    return true;
}

bool UnixListener::claim(const QString &path, QString *error)
{
    // One server a path: a lock beside the socket, held as long as the server runs, with the
    // holder's process id in it.
    const QByteArray lockPath = QFile::encodeName(path + QStringLiteral(".lock"));
    m_lockFd = ::open(lockPath.constData(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (m_lockFd < 0) {
        if (error)
            *error = QStringLiteral("cannot create %1: %2")
                         .arg(QFile::decodeName(lockPath), QString::fromLocal8Bit(std::strerror(errno)));
        return false;
    }
    if (::flock(m_lockFd, LOCK_EX | LOCK_NB) != 0) {
        char holder[32] = {};
        const ssize_t length = ::pread(m_lockFd, holder, sizeof holder - 1, 0);
        if (error)
            *error = QStringLiteral("%1 is already served by PID %2")
                         .arg(path, QString::fromLatin1(holder, length > 0 ? int(length) : 0).trimmed());
        ::close(m_lockFd);
        m_lockFd = -1;
        return false;
    }
    const QByteArray pid = QByteArray::number(qint64(::getpid())) + '\n';
    if (::ftruncate(m_lockFd, 0) != 0 || ::pwrite(m_lockFd, pid.constData(), size_t(pid.size()), 0) != pid.size()) {
        if (error)
            *error = QStringLiteral("cannot write %1").arg(QFile::decodeName(lockPath));
        return false;
    }
    return true;
}

void UnixListener::start(const std::function<void()> &loop)
{
    m_thread = std::thread(loop);
}

void UnixListener::stop()
{
    if (!m_thread.joinable())
        return;
    const char wake = 'q';
    while (::write(m_wakeFds[1], &wake, 1) < 0 && errno == EINTR) { }
    m_thread.join();
}

void UnixListener::close()
{
    for (int &fd : m_wakeFds) {
        if (fd >= 0)
            ::close(fd);
        fd = -1;
    }
    if (m_fd >= 0) {
        ::close(m_fd);
        // Only the socket this server made: another may have taken the path since.
        const QByteArray file = QFile::encodeName(m_path);
        struct stat current;
        if (m_inode != 0 && ::stat(file.constData(), &current) == 0 && current.st_dev == m_device
            && current.st_ino == m_inode)
            ::unlink(file.constData());
    }
    m_fd = -1;
    m_inode = 0;
    if (m_lockFd >= 0)
        ::close(m_lockFd);
    m_lockFd = -1;
}

} // namespace pps
} // namespace hx

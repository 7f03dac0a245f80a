#include <hx/pps/unixlistener.h>

#include <hx/pps/ppspath.h>

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
    ::unlink(file.constData());
    m_path = path;
    m_fd = ::socket(AF_UNIX, socketType | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (m_fd < 0 || ::bind(m_fd, reinterpret_cast<sockaddr *>(&address), sizeof address) != 0
        || ::chmod(file.constData(), 0600) != 0 || ::listen(m_fd, backlog) != 0)
        return fail(QStringLiteral("cannot listen on ") + path);
    if (::pipe2(m_wakeFds, O_CLOEXEC | O_NONBLOCK) != 0)
        return fail(QStringLiteral("cannot create a pipe"));
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
        ::unlink(QFile::encodeName(m_path).constData());
    }
    m_fd = -1;
}

} // namespace pps
} // namespace hx

#include <hx/pps/unixlistener.h>

#include <QtCore/QFile>

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
    close();
}

bool UnixListener::listen(const QString &path, int socketType, int backlog, QString *what)
{
    close();
    auto fail = [&](const QString &step) {
        // close() must not change the errno the caller reports.
        const int saved = errno;
        close();
        errno = saved;
        if (what)
            *what = step;
        return false;
    };
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

void UnixListener::wake()
{
    if (m_wakeFds[1] < 0)
        return;
    const char wake = 'q';
    while (::write(m_wakeFds[1], &wake, 1) < 0 && errno == EINTR) { }
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

#include "sessionfolder.h"

#include <QtCore/QDir>
#include <QtCore/QFile>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {
const char Mark[] = "hxplaces-session-";

// Kept in plain memory for the signal handler, which may use nothing else.
char removalPath[4096];

int lockFolder(const QByteArray &path, int how)
{
    const int fd = ::open(path.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC | O_NOFOLLOW);
    if (fd >= 0 && ::flock(fd, how) != 0) {
        ::close(fd);
        return -1;
    }
    return fd;
}

void removeAndDie(int signal)
{
    // Only calls that are safe in a signal handler: a child removes the folder. vfork, not fork:
    // fork runs the C library's fork handlers, which take the allocator's locks and hang when the
    // signal arrives while another thread holds them.
    const pid_t child = ::vfork();
    if (child == 0) {
        const char *const arguments[] = { "rm", "-rf", "--", removalPath, nullptr };
        ::execv("/bin/rm", const_cast<char *const *>(arguments));
        ::_exit(127);
    }
    if (child > 0) {
        int status = 0;
        ::waitpid(child, &status, 0);
    }
    ::signal(signal, SIG_DFL);
    ::raise(signal);
}
} // namespace

SessionFolder::SessionFolder()
{
    removeAbandoned();
    QByteArray name = QFile::encodeName(QDir::tempPath() + QLatin1Char('/') + QLatin1String(Mark)) + "XXXXXX";
    if (!::mkdtemp(name.data())) {
        m_error = QString::fromLocal8Bit(std::strerror(errno));
        return;
    }
    m_lock = lockFolder(name, LOCK_EX);
    m_path = QFile::decodeName(name);
    removeOnSignals();
}

SessionFolder::~SessionFolder()
{
    if (m_path.isEmpty())
        return;
    QDir(m_path).removeRecursively();
    if (m_lock >= 0)
        ::close(m_lock);
}

void SessionFolder::removeAbandoned()
{
    const QDir temporary(QDir::tempPath());
    const QStringList names
        = temporary.entryList({ QLatin1String(Mark) + QStringLiteral("??????") }, QDir::Dirs | QDir::NoSymLinks);
    for (const QString &name : names) {
        const QByteArray path = QFile::encodeName(temporary.filePath(name));
        struct stat status;
        if (::lstat(path.constData(), &status) != 0 || status.st_uid != ::getuid())
            continue;
        const int fd = lockFolder(path, LOCK_EX | LOCK_NB);
        if (fd < 0)
            continue;
        QDir(QFile::decodeName(path)).removeRecursively();
        ::close(fd);
    }
}

void SessionFolder::removeOnSignals()
{
    const QByteArray path = QFile::encodeName(m_path);
    if (path.size() >= int(sizeof(removalPath)))
        return;
    std::memcpy(removalPath, path.constData(), size_t(path.size()) + 1);
    struct sigaction action;
    std::memset(&action, 0, sizeof(action));
    action.sa_handler = removeAndDie;
    sigemptyset(&action.sa_mask);
    for (int signal : { SIGTERM, SIGINT, SIGHUP })
        ::sigaction(signal, &action, nullptr);
}

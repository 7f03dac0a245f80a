#include "sessionfolder.h"

#include <QtCore/QDir>
#include <QtCore/QFile>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/syscall.h>
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

// How deep the handler follows folders: the phone's roots are a few levels, never more.
constexpr int DeepestFolder = 16;
// Where the fields of a directory entry from getdents64 lie.
constexpr size_t EntryLengthAt = 16;
constexpr size_t EntryTypeAt = 18;
constexpr size_t EntryNameAt = 19;

bool isDotOrDotDot(const char *name)
{
    return name[0] == '.' && (name[1] == '\0' || (name[1] == '.' && name[2] == '\0'));
}

// Removes what the folder open as fd holds. Raw system calls only: it runs in a signal handler,
// on whichever thread the signal reached, where neither the C library's allocator nor a
// sanitizer's bookkeeping may be touched.
void removeBelow(int fd, int depth)
{
    char entries[2048];
    bool removed = true;
    // Entries removed while reading may shift what is read next, so read again until a pass
    // finds nothing left to remove.
    for (int pass = 0; removed && pass < 64; ++pass) {
        removed = false;
        ::syscall(SYS_lseek, fd, 0, SEEK_SET);
        long size = 0;
        while ((size = ::syscall(SYS_getdents64, fd, entries, sizeof entries)) > 0) {
            for (long at = 0; at < size;) {
                unsigned short length = 0;
                std::memcpy(&length, entries + at + EntryLengthAt, sizeof length);
                const unsigned char type = static_cast<unsigned char>(entries[at + EntryTypeAt]);
                const char *name = entries + at + EntryNameAt;
                at += length;
                if (isDotOrDotDot(name))
                    continue;
                if (type != DT_DIR && ::syscall(SYS_unlinkat, fd, name, 0) == 0) {
                    removed = true;
                    continue;
                }
                if (depth >= DeepestFolder)
                    continue;
                const long child = ::syscall(SYS_openat, fd, name, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
                if (child < 0)
                    continue;
                removeBelow(int(child), depth + 1);
                ::syscall(SYS_close, child);
                removed = ::syscall(SYS_unlinkat, fd, name, AT_REMOVEDIR) == 0 || removed;
            }
        }
    }
}

void removeAndDie(int signal)
{
    const long folder = ::syscall(SYS_openat, AT_FDCWD, removalPath, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (folder >= 0) {
        removeBelow(int(folder), 0);
        ::syscall(SYS_close, folder);
    }
    ::syscall(SYS_unlinkat, AT_FDCWD, removalPath, AT_REMOVEDIR);
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

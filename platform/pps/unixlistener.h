#ifndef HX_PPS_UNIXLISTENER_H
#define HX_PPS_UNIXLISTENER_H

#include <QtCore/QString>

namespace hx {
namespace pps {

// A Unix-domain socket listening at a path that only its owner may use, with a wake pipe that
// lets another thread end a poll on it: what the servers' accept loops stand on.
class UnixListener
{
public:
    UnixListener() = default;
    ~UnixListener();

    // Replaces whatever file is at path. On failure returns false with errno set and *what
    // naming the step that failed, and leaves nothing open.
    bool listen(const QString &path, int socketType, int backlog, QString *what);
    bool isListening() const { return m_fd >= 0; }
    // Non-blocking; accept4 on it.
    int fd() const { return m_fd; }
    // Readable once wake() has run.
    int wakeFd() const { return m_wakeFds[0]; }
    void wake();
    // Closes the socket and the pipe and removes the socket file.
    void close();

private:
    Q_DISABLE_COPY(UnixListener)

    QString m_path;
    int m_fd = -1;
    int m_wakeFds[2] = { -1, -1 };
};

} // namespace pps
} // namespace hx

#endif

#ifndef HX_PPS_UNIXLISTENER_H
#define HX_PPS_UNIXLISTENER_H

#include <QtCore/QString>

#include <functional>
#include <thread>

namespace hx {
namespace pps {

// A Unix-domain socket listening at a path that only its owner may use, and the thread of the
// server loop that polls it, with a wake pipe that ends that poll: what the servers stand on.
class UnixListener
{
public:
    UnixListener() = default;
    ~UnixListener();

    // Replaces a socket left at path by a server that is gone; refuses while another server
    // (of this process or another) listens there ("already served by PID N"). A missing folder
    // is created readable only by its owner. On failure returns false with *error naming the step that failed and why,
    // and leaves nothing open.
    bool listen(const QString &path, int socketType, int backlog, QString *error);
    bool isListening() const { return m_fd >= 0; }
    // Non-blocking; accept4 on it.
    int fd() const { return m_fd; }
    // Readable once stop() has begun: the loop polls it with its sockets and returns then.
    int wakeFd() const { return m_wakeFds[0]; }

    // Runs the server loop on a thread of its own.
    void start(const std::function<void()> &loop);
    bool isRunning() const { return m_thread.joinable(); }
    // Wakes the loop and waits for it to return; the socket stays open until close().
    void stop();
    // Closes the socket and the pipe and removes the socket file, if it is still the one made.
    void close();

private:
    Q_DISABLE_COPY(UnixListener)
    bool claim(const QString &path, QString *error);

    QString m_path;
    int m_fd = -1;
    int m_lockFd = -1;
    quint64 m_device = 0;
    quint64 m_inode = 0;
    int m_wakeFds[2] = { -1, -1 };
    std::thread m_thread;
};

} // namespace pps
} // namespace hx

#endif

#ifndef HX_MSGCLIENT_MESSAGESERVER_P_H
#define HX_MSGCLIENT_MESSAGESERVER_P_H

#include <hx/msgclient/messageserver.h>
#include <hx/pps/unixlistener.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <unordered_map>
#include <vector>

namespace hx {
namespace msgclient {

// One client connection. Only the thread that took its event touches the buffer; the times are
// read by whichever thread looks for connections quiet too long.
struct Connection
{
    int fd = -1;
    QByteArray buffer; // what has arrived of the next request, its header first
    std::atomic<qint64> lastActive { 0 }; // steady-clock milliseconds
    std::atomic<qint64> requestStarted { 0 }; // when the first bytes of an unfinished request came; 0 between
    std::atomic<int> handoff { 0 }; // released before arming, acquired on the event: orders the buffer
};

class MessageServerPrivate
{
public:
    enum Outcome { KeepOpen, CloseConnection };

    void serveLoop();
    void startWorker();
    void acceptOne();
    Outcome readAndAnswer(Connection *connection);
    bool answer(Connection *connection, const QByteArray &request, bool tooLarge);
    void arm(Connection *connection, int operation);
    void closeConnection(Connection *connection);
    void armListener();
    void sweepQuietConnections();
    int waitTimeoutMs();
    MessageServer::Handler checkoutHandler();
    void checkinHandler(MessageServer::Handler handler);
    QByteArray errorReply(const QString &reason) const;

    QString service;
    QString instance;
    QString path;
    MessageServer::HandlerFactory factory;
    MessageServer::ErrorReply makeErrorReply;
    int maxRequest = 64 * 1024;
    int idleTimeoutMs = 10000;
    int maxConnections = 1024;

    hx::pps::UnixListener listener;
    // Every serving thread waits on this one set; each socket is armed for a single event at a
    // time, so exactly one thread reads a connection until it arms it again.
    int epollFd = -1;
    std::atomic<bool> stopping { false };
    std::atomic<int> answered { 0 };
    std::atomic<int> idleWorkers { 0 };
    std::atomic<int> connectionCount { 0 };
    std::atomic<qint64> nextSweep { 0 };

    std::mutex mutex; // guards what follows
    std::condition_variable changed;
    std::unordered_map<int, std::unique_ptr<Connection>> connections;
    bool listenerArmed = false;
    int workers = 0;
    std::vector<MessageServer::Handler> idleHandlers;
};

} // namespace msgclient
} // namespace hx

#endif

#ifndef HX_MSGCLIENT_MESSAGESERVER_P_H
#define HX_MSGCLIENT_MESSAGESERVER_P_H

#include <hx/msgclient/messageserver.h>
#include <hx/pps/unixlistener.h>

#include <atomic>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <set>
#include <thread>
#include <vector>

namespace hx {
namespace msgclient {

class MessageServerPrivate
{
public:
    void acceptLoop();
    void workerLoop();
    void serveConnection(int fd);
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
    std::atomic<bool> stopping { false };
    std::atomic<int> answered { 0 };

    std::mutex mutex; // guards what follows
    std::condition_variable changed;
    std::set<int> connections;
    // Accepted connections waiting for a worker. Workers outlive their connections, so a run of
    // short exchanges starts no thread; one is added only when every worker is busy, so a slow
    // client never holds up the others.
    std::deque<int> pending;
    std::condition_variable workAvailable;
    int workers = 0;
    int idleWorkers = 0;
    std::vector<MessageServer::Handler> idleHandlers;
};

} // namespace msgclient
} // namespace hx

#endif

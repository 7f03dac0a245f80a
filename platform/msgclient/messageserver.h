#ifndef HX_MSGCLIENT_MESSAGESERVER_H
#define HX_MSGCLIENT_MESSAGESERVER_H

#include <QtCore/QByteArray>
#include <QtCore/QScopedPointer>
#include <QtCore/QString>

#include <functional>

namespace hx {
namespace msgclient {

class MessageServerPrivate;

// The service side of the message client: listens on <root>/<service> and answers every
// length-prefixed request with the handler's reply followed by a NUL. A few threads wait on all
// connections at once and each answers the request it is woken for; one more is started
// whenever all are busy, so a slow answer or a quiet client never holds up the others.
// Handlers come from the factory and are reused: one answers one request at a time, so it may
// hold resources that are not thread-safe (a database connection). A request larger than the
// limit gets the error reply and the connection is closed; everything else is the handler's to
// answer.
class MessageServer
{
public:
    using Handler = std::function<QByteArray(const QByteArray &request)>;
    using HandlerFactory = std::function<Handler()>;
    using ErrorReply = std::function<QByteArray(const QString &reason)>;

    MessageServer(const QString &service, const HandlerFactory &factory, const QString &instance = QString());
    ~MessageServer();
    MessageServer(const MessageServer &) = delete;
    MessageServer &operator=(const MessageServer &) = delete;

    void setErrorReply(const ErrorReply &reply);
    void setMaxRequestSize(int bytes); // default 64 KiB
    void setIdleTimeout(int milliseconds); // a connection quiet this long is closed; default 10 s
    void setMaxConnections(int count); // served at once; later ones wait; default 1024

    bool start(QString *error = nullptr);
    void stop();
    bool isRunning() const;
    QString socketPath() const;
    // Requests answered so far.
    int answered() const;

    // HX_MSG_ROOT, or $XDG_RUNTIME_DIR/hxmsg (/tmp/hxmsg-<uid> without a runtime folder).
    static QString root();
    // The socket of a service: <root>/<service>, or <root>/<service>.<instance> for an instance
    // other than "default"; empty for names that could leave the root.
    static QString socketPath(const QString &service, const QString &instance = QString());

private:
    QScopedPointer<MessageServerPrivate> d;
};

} // namespace msgclient
} // namespace hx

#endif

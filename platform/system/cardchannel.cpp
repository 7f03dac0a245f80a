#include <hx/system/cardchannel.h>

#include "cardprocess_p.h"
#include "cardwire_p.h"

#include <QtCore/QDebug>
#include <QtCore/QElapsedTimer>
#include <QtNetwork/QLocalSocket>

namespace hx {
namespace system {

class CardChannelPrivate
{
public:
    QLocalSocket socket;
    InvokeRequest request;
    bool opened = false;
    bool done = false;
};

CardChannel::CardChannel(QObject *parent) : QObject(parent), d(new CardChannelPrivate) { }

CardChannel::~CardChannel() = default;

bool CardChannel::isCard()
{
    return qEnvironmentVariableIsSet(CardProcess::socketVariable().toLatin1().constData());
}

bool CardChannel::open(int timeoutMs)
{
    if (d->opened)
        return true;
    const QString path = qEnvironmentVariable(CardProcess::socketVariable().toLatin1().constData());
    if (path.isEmpty())
        return false;
    QElapsedTimer clock;
    clock.start();
    d->socket.connectToServer(path);
    if (!d->socket.waitForConnected(timeoutMs)) {
        qWarning() << "hx::system::CardChannel::open() no invoker at" << path << d->socket.errorString();
        return false;
    }
    QByteArray received;
    while (!received.contains('\n') && received.size() <= CardWire::MAX_LINE) {
        const int left = timeoutMs - int(clock.elapsed());
        if (left <= 0 || !d->socket.waitForReadyRead(left))
            break;
        received += d->socket.readAll();
    }
    if (!CardWire::decodeRequest(received.left(received.indexOf('\n')), &d->request)) {
        qWarning() << "hx::system::CardChannel::open() no invocation received";
        return false;
    }
    d->opened = true;
    connect(&d->socket, &QLocalSocket::disconnected, this, [this] {
        if (!d->done)
            emit callerGone();
    });
    if (d->socket.state() != QLocalSocket::ConnectedState)
        QMetaObject::invokeMethod(this, "callerGone", Qt::QueuedConnection);
    return true;
}

InvokeRequest CardChannel::request() const
{
    return d->request;
}

bool CardChannel::done(const CardDoneMessage &message)
{
    if (!d->opened || d->done)
        return false;
    d->done = true;
    QByteArray line = CardWire::encodeDone(message);
    const bool fits = line.size() <= CardWire::MAX_LINE;
    if (!fits) {
        // The invoker would drop it unread; it hears why instead.
        qWarning() << "hx::system::CardChannel::done() answer of" << line.size() << "bytes is too long";
        line = CardWire::encodeDone(CardDoneMessage(QLatin1String(CardDoneMessage::AnswerTooLong), QString()));
    }
    d->socket.write(line);
    // A long answer leaves in pieces; the card may end only once the last has.
    QElapsedTimer clock;
    clock.start();
    while (d->socket.bytesToWrite() > 0 && d->socket.state() == QLocalSocket::ConnectedState) {
        const int left = 30000 - int(clock.elapsed());
        if (left <= 0 || !d->socket.waitForBytesWritten(left))
            break;
    }
    return fits && d->socket.bytesToWrite() == 0;
}

bool CardChannel::isDone() const
{
    return d->done;
}

} // namespace system
} // namespace hx

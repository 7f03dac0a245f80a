#include <hx/device/abstracthpseventhandler.h>

#include <QtCore/QHash>
#include <QtCore/QMutex>
#include <QtCore/QMutexLocker>
#include <QtCore/QSet>

namespace hx {

namespace {
struct Subscriptions
{
    // Recursive: a handler may subscribe or unsubscribe from inside handleEvent().
    QRecursiveMutex mutex;
    QHash<AbstractHpsEventHandler *, QSet<int>> domains;
};
Q_GLOBAL_STATIC(Subscriptions, subscriptions)
} // namespace

AbstractHpsEventHandler::AbstractHpsEventHandler() = default;

AbstractHpsEventHandler::~AbstractHpsEventHandler()
{
    QMutexLocker locker(&subscriptions->mutex);
    subscriptions->domains.remove(this);
}

void AbstractHpsEventHandler::subscribe(int domain)
{
    QMutexLocker locker(&subscriptions->mutex);
    subscriptions->domains[this].insert(domain);
}

void AbstractHpsEventHandler::unsubscribe(int domain)
{
    QMutexLocker locker(&subscriptions->mutex);
    subscriptions->domains[this].remove(domain);
}

bool AbstractHpsEventHandler::isSubscribed(int domain) const
{
    QMutexLocker locker(&subscriptions->mutex);
    return subscriptions->domains.value(const_cast<AbstractHpsEventHandler *>(this)).contains(domain);
}

int AbstractHpsEventHandler::deliver(int domain, int code)
{
    // Held while delivering, so a handler cannot be destroyed on another thread halfway.
    QMutexLocker locker(&subscriptions->mutex);
    QList<AbstractHpsEventHandler *> receivers;
    for (auto it = subscriptions->domains.constBegin(); it != subscriptions->domains.constEnd(); ++it) {
        if (it.value().contains(domain))
            receivers.append(it.key());
    }
    int delivered = 0;
    for (AbstractHpsEventHandler *handler : qAsConst(receivers)) {
        if (!subscriptions->domains.contains(handler))
            continue; // unsubscribed by an earlier receiver
        handler->handleEvent(domain, code);
        ++delivered;
    }
    return delivered;
}

} // namespace hx

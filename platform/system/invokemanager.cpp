#include <hx/system/invokemanager.h>

#include "invokedcard_p.h"

#include <QtCore/QCoreApplication>
#include <QtCore/QDebug>
#include <QtCore/QHash>
#include <QtCore/QMutex>
#include <QtCore/QMutexLocker>

namespace hx {
namespace system {

namespace {

struct Registry
{
    QMutex mutex;
    QList<InvokeRequest> recorded;
    QHash<QString, InvokeManager::CardHandler> handlers;
    QHash<InvokeManager *, quint64> liveManagers;
    quint64 nextManagerId = 1;
};

Q_GLOBAL_STATIC(Registry, registry)

const int cardDoneTypeId = qRegisterMetaType<CardDoneMessage>("hx::system::CardDoneMessage");

} // namespace

class InvokeManagerPrivate
{
public:
    quint64 id = 0;
};

InvokeManager::InvokeManager(QObject *parent) : QObject(parent), d(new InvokeManagerPrivate)
{
    Q_UNUSED(cardDoneTypeId)
    QMutexLocker locker(&registry->mutex);
    d->id = registry->nextManagerId++;
    registry->liveManagers.insert(this, d->id);
}

InvokeManager::~InvokeManager()
{
    QMutexLocker locker(&registry->mutex);
    registry->liveManagers.remove(this);
}

InvokeTargetReply *InvokeManager::invoke(const InvokeRequest &request)
{
    CardHandler handler;
    {
        QMutexLocker locker(&registry->mutex);
        registry->recorded.append(request);
        handler = registry->handlers.value(request.target());
    }
    if (request.action().isEmpty() && request.target().isEmpty()) {
        qWarning() << "hx::system::InvokeManager::invoke() a request needs an action or a target";
        return nullptr;
    }

    auto *reply = new InvokeTargetReply(request, this);
    const InvokeReplyError::Type error
        = request.target().isEmpty() || handler ? InvokeReplyError::None : InvokeReplyError::NoTarget;
    // The reply finishes from the event loop so that callers can connect to it after invoke().
    QMetaObject::invokeMethod(
        reply, [reply, error] { reply->finish(error); }, Qt::QueuedConnection);
    if (!handler)
        return reply;

    auto state = QSharedPointer<InvokedCardState>::create();
    state->request = request;
    state->manager = this;
    state->managerId = d->id;
    QCoreApplication *application = QCoreApplication::instance();
    if (!application) {
        qWarning() << "hx::system::InvokeManager::invoke() no application to run the card" << request.target();
        return reply;
    }
    // Posted after the reply's finish to the same thread's queue: the card opens after the
    // invoker has heard that the invocation went through.
    QMetaObject::invokeMethod(
        application, [handler, state] { handler(InvokedCard(state)); }, Qt::QueuedConnection);
    return reply;
}

QList<InvokeRequest> InvokeManager::recordedRequests()
{
    QMutexLocker locker(&registry->mutex);
    return registry->recorded;
}

void InvokeManager::clearRecordedRequests()
{
    QMutexLocker locker(&registry->mutex);
    registry->recorded.clear();
}

void InvokeManager::bindTarget(const QString &target, const CardHandler &handler)
{
    QMutexLocker locker(&registry->mutex);
    if (handler)
        registry->handlers.insert(target, handler);
    else
        registry->handlers.remove(target);
}

void InvokeManager::unbindTarget(const QString &target)
{
    bindTarget(target, CardHandler());
}

bool InvokeManager::isTargetBound(const QString &target)
{
    QMutexLocker locker(&registry->mutex);
    return registry->handlers.contains(target);
}

bool InvokeManager::deliverCardDone(InvokeManager *manager, quint64 id, const CardDoneMessage &message)
{
    // Posted under the lock: a manager leaves liveManagers under the same lock before its
    // QObject part is destroyed, and Qt drops events posted to a destroyed object.
    QMutexLocker locker(&registry->mutex);
    if (registry->liveManagers.value(manager) != id)
        return false;
    QMetaObject::invokeMethod(
        manager, [manager, message] { emit manager->childCardDone(message); }, Qt::QueuedConnection);
    return true;
}

} // namespace system
} // namespace hx

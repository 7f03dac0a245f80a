#include <hx/system/invokemanager.h>

#include "cardprocess_p.h"
#include "invokedcard_p.h"

#include <hx/system/cardregistry.h>

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
    // The card program this process has open; one at a time, as on the phone.
    CardProcess *openCard = nullptr;
    // Long enough for a user to pick, short enough that a stuck card lets the caller go.
    int defaultCardTimeout = 10 * 60 * 1000;
};

Q_GLOBAL_STATIC(Registry, registry)

const int cardDoneTypeId = qRegisterMetaType<CardDoneMessage>("hx::system::CardDoneMessage");

} // namespace

class InvokeManagerPrivate
{
public:
    quint64 id = 0;
    int cardTimeout = 0;
};

InvokeManager::InvokeManager(QObject *parent) : QObject(parent), d(new InvokeManagerPrivate)
{
    Q_UNUSED(cardDoneTypeId)
    QMutexLocker locker(&registry->mutex);
    d->id = registry->nextManagerId++;
    d->cardTimeout = registry->defaultCardTimeout;
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
    const QString program = handler ? QString() : CardRegistry::programFor(request.target());
    if (!program.isEmpty()) {
        startCard(request, program, reply);
        return reply;
    }
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

void InvokeManager::setCardTimeout(int milliseconds)
{
    d->cardTimeout = qMax(0, milliseconds);
}

int InvokeManager::cardTimeout() const
{
    return d->cardTimeout;
}

void InvokeManager::setDefaultCardTimeout(int milliseconds)
{
    QMutexLocker locker(&registry->mutex);
    registry->defaultCardTimeout = qMax(0, milliseconds);
}

int InvokeManager::defaultCardTimeout()
{
    QMutexLocker locker(&registry->mutex);
    return registry->defaultCardTimeout;
}

void InvokeManager::startCard(const InvokeRequest &request, const QString &program, InvokeTargetReply *reply)
{
    QMutexLocker locker(&registry->mutex);
    if (registry->openCard) {
        locker.unlock();
        qWarning() << "hx::system::InvokeManager::invoke() a card is already open, refused" << request.target();
        QMetaObject::invokeMethod(
            this,
            [this, reply] {
                reply->finish(InvokeReplyError::CardOpen);
                emit childCardDone(CardDoneMessage(QLatin1String(CardDoneMessage::CardOpen), QString()));
            },
            Qt::QueuedConnection);
        return;
    }
    auto *card = new CardProcess(request, program, d->cardTimeout, this);
    registry->openCard = card;
    locker.unlock();
    auto release = [card] {
        QMutexLocker locker(&registry->mutex);
        if (registry->openCard == card)
            registry->openCard = nullptr;
    };
    connect(card, &CardProcess::finished, this, [this, card, release](const CardDoneMessage &message) {
        release();
        card->deleteLater();
        emit childCardDone(message);
    });
    connect(card, &QObject::destroyed, release);
    // The reply finishes before the card can answer: both go through this thread's queue.
    QMetaObject::invokeMethod(
        this,
        [reply, card] {
            reply->finish(InvokeReplyError::None);
            card->start();
        },
        Qt::QueuedConnection);
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

#ifndef HX_SYSTEM_INVOKEMANAGER_H
#define HX_SYSTEM_INVOKEMANAGER_H

#include <hx/system/carddonemessage.h>
#include <hx/system/invokedcard.h>
#include <hx/system/invokerequest.h>
#include <hx/system/invoketargetreply.h>

#include <QtCore/QList>
#include <QtCore/QObject>
#include <QtCore/QScopedPointer>

#include <functional>

namespace hx {
namespace system {

class InvokeManagerPrivate;

// Sends invocation requests. Every request is added to a process-wide record that tests
// read. A target may be bound to an in-process card handler: invoking it calls the handler
// (from the event loop) with an InvokedCard, and the card's done() reaches this manager as
// childCardDone once. A request to a target nobody answers finishes its reply with
// InvokeReplyError::NoTarget; a request without a target lets the system choose and
// finishes without error.
// A target that is not bound but listed in the card registry starts its card program; the
// card's answer arrives as childCardDone once. A card that cannot start, crashes, is killed
// or outlives the card time-out ends with an empty message. Only one such card is open per
// process: another invocation meanwhile is refused (InvokeReplyError::CardOpen) and also
// answered with an empty message, so a waiting caller always hears back.
class InvokeManager : public QObject
{
    Q_OBJECT
public:
    using CardHandler = std::function<void(const InvokedCard &card)>;

    explicit InvokeManager(QObject *parent = nullptr);
    ~InvokeManager() override;

    // The reply is a child of this manager; null when the request has neither an action nor
    // a target (nothing to send; still recorded).
    InvokeTargetReply *invoke(const InvokeRequest &request);

    // Every request sent in this process, oldest first.
    static QList<InvokeRequest> recordedRequests();
    static void clearRecordedRequests();

    // Binds target to handler (replacing an earlier binding); the handler runs on the main
    // thread. An empty handler unbinds.
    static void bindTarget(const QString &target, const CardHandler &handler);
    static void unbindTarget(const QString &target);
    static bool isTargetBound(const QString &target);

    // How long a started card may stay open, in milliseconds; 0 waits for as long as it runs.
    // New managers take the default.
    void setCardTimeout(int milliseconds);
    int cardTimeout() const;
    static void setDefaultCardTimeout(int milliseconds);
    static int defaultCardTimeout();

signals:
    void childCardDone(const hx::system::CardDoneMessage &message);

private:
    friend class InvokedCard;
    static bool deliverCardDone(InvokeManager *manager, quint64 id, const CardDoneMessage &message);
    void startCard(const InvokeRequest &request, const QString &program, InvokeTargetReply *reply);

    QScopedPointer<InvokeManagerPrivate> d;
};

} // namespace system
} // namespace hx

#endif

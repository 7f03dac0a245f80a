#ifndef HX_SYSTEM_INVOKEDCARD_H
#define HX_SYSTEM_INVOKEDCARD_H

#include <hx/system/carddonemessage.h>
#include <hx/system/invokerequest.h>

#include <QtCore/QSharedPointer>

namespace hx {
namespace system {

class InvokedCardState;

// A card started in this process for one invocation, as its handler sees it: the request
// that opened it, and done() to close it with a message for the invoker. Copies share one
// card; only the first done() reaches the invoker (as its manager's childCardDone).
class InvokedCard
{
public:
    InvokedCard();

    bool isNull() const;
    InvokeRequest request() const;
    bool isDone() const;
    // Sends message to the invoking manager, from its event loop. False when the card is
    // already done or null; the message is dropped silently when the manager is gone.
    bool done(const CardDoneMessage &message) const;

private:
    friend class InvokeManager;
    explicit InvokedCard(const QSharedPointer<InvokedCardState> &state);

    QSharedPointer<InvokedCardState> m_state;
};

} // namespace system
} // namespace hx

#endif

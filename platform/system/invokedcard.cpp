#include <hx/system/invokedcard.h>
#include <hx/system/invokemanager.h>

#include "invokedcard_p.h"

namespace hx {
namespace system {

InvokedCard::InvokedCard() = default;

InvokedCard::InvokedCard(const QSharedPointer<InvokedCardState> &state) : m_state(state) { }

bool InvokedCard::isNull() const
{
    return m_state.isNull();
}

InvokeRequest InvokedCard::request() const
{
    return m_state ? m_state->request : InvokeRequest();
}

bool InvokedCard::isDone() const
{
    return m_state && m_state->done.load();
}

bool InvokedCard::done(const CardDoneMessage &message) const
{
    if (!m_state || m_state->done.exchange(true))
        return false;
    InvokeManager::deliverCardDone(m_state->manager, m_state->managerId, message);
    return true;
}

} // namespace system
} // namespace hx

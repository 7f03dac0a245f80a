#include <hx/trellan/actionbarlayout.h>

#include <hx/trellan/actionitem.h>
#include <hx/trellan/enums.h>

namespace hx {
namespace trellan {

ActionBarLayout::ActionBarLayout(const QList<ActionItem *> &actions)
{
    QList<ActionItem *> onBar;
    QList<ActionItem *> others;
    for (ActionItem *action : actions) {
        const int placement = action->actionBarPlacement();
        if (placement == ActionBarPlacement::Signature && !m_signature)
            m_signature = action;
        else if (placement == ActionBarPlacement::InOverflow)
            m_overflow.append(action);
        else if (placement == ActionBarPlacement::OnBar || placement == ActionBarPlacement::Signature)
            onBar.append(action);
        else
            others.append(action);
    }
    const QList<ActionItem *> candidates = onBar + others;
    const int free = m_signature ? 2 : 3;
    const QList<ActionItem *> bar = candidates.mid(0, free);
    m_overflow = candidates.mid(free) + m_overflow;
    m_left = bar.value(0);
    m_centre = m_signature ? m_signature : bar.value(1);
    m_right = m_signature ? bar.value(1) : bar.value(2);
}

} // namespace trellan
} // namespace hx

#include <QtCore/QMutexLocker>

#include "overlaystate_p.h"

namespace hx {
namespace trellan {

void OverlayList::append(QObject *overlay)
{
    QMutexLocker locker(&m_mutex);
    m_overlays.append(overlay);
}

void OverlayList::remove(QObject *overlay)
{
    QMutexLocker locker(&m_mutex);
    m_overlays.removeAll(overlay);
}

QList<QObject *> OverlayList::snapshot() const
{
    QMutexLocker locker(&m_mutex);
    return m_overlays;
}

OverlayState::~OverlayState()
{
    m_list->remove(m_owner);
}

bool OverlayState::change(bool opened)
{
    if (m_opened == opened)
        return false;
    m_opened = opened;
    if (opened)
        m_list->append(m_owner);
    else
        m_list->remove(m_owner);
    return true;
}

} // namespace trellan
} // namespace hx

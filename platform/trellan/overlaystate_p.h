#ifndef HX_TRELLAN_OVERLAYSTATE_P_H
#define HX_TRELLAN_OVERLAYSTATE_P_H

#include <QtCore/QList>
#include <QtCore/QMutex>
#include <QtCore/QObject>
#include <QtCore/QTimer>

namespace hx {
namespace trellan {

// The open overlays of one kind (dialogs, sheets) in opening order, for the screen text and the
// test driver; shared by every thread that asks.
class OverlayList
{
public:
    void append(QObject *overlay);
    void remove(QObject *overlay);
    template<typename T> QList<T *> overlays() const
    {
        QList<T *> result;
        for (QObject *overlay : snapshot())
            result.append(static_cast<T *>(overlay));
        return result;
    }

private:
    QList<QObject *> snapshot() const;

    mutable QMutex m_mutex;
    QList<QObject *> m_overlays;
};

// Whether a dialog or sheet is open. open and close change the flag and the list at once and
// emit openedChanged; opened() and closed() come from the event loop, as after the animation.
class OverlayState
{
public:
    OverlayState(QObject *owner, OverlayList *list) : m_owner(owner), m_list(list) { }
    // Leaves the list, so a deleted overlay is never listed.
    ~OverlayState();

    bool isOpened() const { return m_opened; }

    // Owner has the signals openedChanged(bool), opened() and closed().
    template<typename Owner> void setOpened(Owner *owner, bool opened)
    {
        if (!change(opened))
            return;
        emit owner->openedChanged(opened);
        QTimer::singleShot(0, owner, [owner, opened] {
            if (owner->isOpened() != opened)
                return;
            if (opened)
                emit owner->opened();
            else
                emit owner->closed();
        });
    }

private:
    // Returns false when the overlay already was so.
    bool change(bool opened);

    QObject *m_owner;
    OverlayList *m_list;
    bool m_opened = false;
};

} // namespace trellan
} // namespace hx

#endif

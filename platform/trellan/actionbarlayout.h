#ifndef HX_TRELLAN_ACTIONBARLAYOUT_H
#define HX_TRELLAN_ACTIONBARLAYOUT_H

#include <QtCore/QList>

namespace hx {
namespace trellan {

class ActionItem;

// Where a page's actions sit on its action bar: a signature action in the centre, the on-bar
// actions and then the others in the free places (left, centre, right; left and right beside a
// signature action), everything else in the overflow menu. The screen text, the terminal and the
// picture all read the bar from here, so they cannot disagree.
class ActionBarLayout
{
public:
    explicit ActionBarLayout(const QList<ActionItem *> &actions);

    ActionItem *left() const { return m_left; }
    ActionItem *centre() const { return m_centre; }
    ActionItem *right() const { return m_right; }
    ActionItem *signature() const { return m_signature; }
    QList<ActionItem *> overflow() const { return m_overflow; }

private:
    ActionItem *m_left = nullptr;
    ActionItem *m_centre = nullptr;
    ActionItem *m_right = nullptr;
    ActionItem *m_signature = nullptr;
    QList<ActionItem *> m_overflow;
};

} // namespace trellan
} // namespace hx

#endif

#ifndef HX_TRELLAN_CONTEXTMENU_H
#define HX_TRELLAN_CONTEXTMENU_H

#include <QtCore/QList>

namespace hx {
namespace trellan {

class ActionItem;
class ActionSet;
class Control;

// The context menu a long press opens: the actions of the pressed control's action sets, over
// the whole screen, one at a time in the process. Choosing an action closes it first.
class ContextMenu
{
public:
    // Opens the menu of owner with these sets; false (and nothing opened) when they hold no
    // action. A menu already open closes first.
    static bool open(Control *owner, const QList<ActionSet *> &actionSets);
    static void close();
    static bool isOpen();
    static Control *owner();
    static QList<ActionSet *> actionSets();
    // The actions shown, in menu order.
    static QList<ActionItem *> actions();
    // The set is one of the open menu's.
    static bool shows(const ActionSet *actionSet);

    // The sets a long press on control shows: its own, then those of the controls around it.
    static QList<ActionSet *> setsAround(const Control *control);
    // The sets a long press on a list row shows: those of every control in the row, in order.
    static QList<ActionSet *> setsWithin(const Control *row);
};

} // namespace trellan
} // namespace hx

#endif

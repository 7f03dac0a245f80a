#include <hx/trellan/actionset.h>
#include <hx/trellan/contextmenu.h>
#include <hx/trellan/control.h>

#include <QtCore/QPointer>

namespace hx {
namespace trellan {

namespace {
struct OpenMenu
{
    QPointer<Control> owner;
    QList<QPointer<ActionSet>> sets;
    bool open = false;
};

OpenMenu &menu()
{
    static OpenMenu state;
    return state;
}

void appendSetsOf(const Control *control, QList<ActionSet *> *sets)
{
    for (int i = 0; i < control->actionSetCount(); ++i)
        sets->append(control->actionSetAt(i));
}
} // namespace

bool ContextMenu::open(Control *owner, const QList<ActionSet *> &actionSets)
{
    close();
    QList<QPointer<ActionSet>> sets;
    bool hasAction = false;
    for (ActionSet *set : actionSets) {
        if (!set)
            continue;
        sets.append(set);
        hasAction = hasAction || set->count() > 0;
    }
    if (!owner || !hasAction)
        return false;
    menu().owner = owner;
    menu().sets = sets;
    menu().open = true;
    return true;
}

void ContextMenu::close()
{
    menu() = OpenMenu();
}

bool ContextMenu::isOpen()
{
    // A menu whose control is gone went with it.
    if (menu().open && !menu().owner)
        close();
    return menu().open;
}

Control *ContextMenu::owner()
{
    return isOpen() ? menu().owner.data() : nullptr;
}

QList<ActionSet *> ContextMenu::actionSets()
{
    QList<ActionSet *> sets;
    if (!isOpen())
        return sets;
    for (const QPointer<ActionSet> &set : qAsConst(menu().sets)) {
        if (set)
            sets.append(set);
    }
    return sets;
}

QList<ActionItem *> ContextMenu::actions()
{
    QList<ActionItem *> actions;
    for (const ActionSet *set : actionSets())
        actions.append(set->actions());
    return actions;
}

bool ContextMenu::shows(const ActionSet *actionSet)
{
    return actionSet && actionSets().contains(const_cast<ActionSet *>(actionSet));
}

QList<ActionSet *> ContextMenu::setsAround(const Control *control)
{
    QList<ActionSet *> sets;
    for (const QObject *node = control; node; node = node->parent()) {
        if (const auto *around = qobject_cast<const Control *>(node))
            appendSetsOf(around, &sets);
    }
    return sets;
}

QList<ActionSet *> ContextMenu::setsWithin(const Control *row)
{
    QList<ActionSet *> sets;
    if (!row)
        return sets;
    appendSetsOf(row, &sets);
    for (const Control *control : row->findChildren<Control *>())
        appendSetsOf(control, &sets);
    return sets;
}

} // namespace trellan
} // namespace hx

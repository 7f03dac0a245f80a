#include <hx/trellan/actionset.h>

namespace hx {
namespace trellan {

ActionSet::ActionSet(QObject *parent) : UIObject(parent) { }

void ActionSet::add(ActionItem *action)
{
    if (!action || m_actions.contains(action))
        return;
    action->setParent(this);
    m_actions.append(action);
    connect(action, &QObject::destroyed, this,
            [this](QObject *gone) { m_actions.removeAll(static_cast<ActionItem *>(gone)); });
}

bool ActionSet::remove(ActionItem *action)
{
    if (!m_actions.removeOne(action))
        return false;
    disconnect(action, &QObject::destroyed, this, nullptr);
    action->setParent(nullptr);
    return true;
}

void ActionSet::removeAll()
{
    const QList<ActionItem *> actions = m_actions;
    for (ActionItem *action : actions) {
        remove(action);
        delete action;
    }
}

namespace {
void qmlAppendAction(QQmlListProperty<ActionItem> *list, ActionItem *action)
{
    static_cast<ActionSet *>(list->object)->add(action);
}
int qmlCountActions(QQmlListProperty<ActionItem> *list)
{
    return static_cast<ActionSet *>(list->object)->count();
}
ActionItem *qmlActionAt(QQmlListProperty<ActionItem> *list, int index)
{
    return static_cast<ActionSet *>(list->object)->at(index);
}
} // namespace

QQmlListProperty<ActionItem> ActionSet::qmlActions()
{
    return QQmlListProperty<ActionItem>(this, nullptr, &qmlAppendAction, &qmlCountActions, &qmlActionAt, nullptr);
}

} // namespace trellan
} // namespace hx

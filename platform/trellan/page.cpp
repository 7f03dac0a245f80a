#include <hx/trellan/actionbarproperties.h>
#include <hx/trellan/navigationpaneproperties.h>
#include <hx/trellan/page.h>
#include <hx/trellan/titlebar.h>

#include <QtCore/QPointer>

namespace hx {
namespace trellan {

struct Page::Private
{
    QPointer<Control> content;
    QPointer<TitleBar> titleBar;
    QPointer<NavigationPaneProperties> paneProperties;
    QPointer<ActionBarProperties> actionBarProperties;
    QList<ActionItem *> actions;
    int resizeBehavior = 0;
    int actionBarVisibility = 0;
};

Page::Page(QObject *parent) : AbstractPane(parent), d(new Private) { }

Page::~Page()
{
    for (ActionItem *action : qAsConst(d->actions))
        disconnect(action, &QObject::destroyed, this, nullptr);
}

Control *Page::content() const
{
    return d->content;
}

void Page::setContent(Control *content)
{
    if (d->content == content)
        return;
    d->content = content;
    if (content)
        content->setParent(this);
    emit contentChanged(content);
}

TitleBar *Page::titleBar() const
{
    return d->titleBar;
}

void Page::setTitleBar(TitleBar *titleBar)
{
    d->titleBar = titleBar;
    if (titleBar)
        titleBar->setParent(this);
}

int Page::resizeBehavior() const
{
    return d->resizeBehavior;
}
void Page::setResizeBehavior(int behavior)
{
    d->resizeBehavior = behavior;
}
int Page::actionBarVisibility() const
{
    return d->actionBarVisibility;
}
void Page::setActionBarVisibility(int visibility)
{
    d->actionBarVisibility = visibility;
}

NavigationPaneProperties *Page::paneProperties() const
{
    return d->paneProperties;
}

void Page::setPaneProperties(NavigationPaneProperties *properties)
{
    d->paneProperties = properties;
    if (properties)
        properties->setParent(this);
}

ActionBarProperties *Page::actionBarProperties() const
{
    return d->actionBarProperties;
}

void Page::setActionBarProperties(ActionBarProperties *properties)
{
    d->actionBarProperties = properties;
    if (properties)
        properties->setParent(this);
}

void Page::addAction(ActionItem *action, int placement)
{
    if (!action || d->actions.contains(action))
        return;
    action->setParent(this);
    action->setActionBarPlacement(placement);
    d->actions.append(action);
    connect(action, &QObject::destroyed, this,
            [this](QObject *gone) { d->actions.removeAll(static_cast<ActionItem *>(gone)); });
    emit actionAdded(action);
}

bool Page::removeAction(ActionItem *action)
{
    if (!action || !d->actions.removeOne(action))
        return false;
    disconnect(action, &QObject::destroyed, this, nullptr);
    action->setParent(nullptr);
    emit actionRemoved(action);
    return true;
}

void Page::removeAllActions()
{
    const QList<ActionItem *> actions = d->actions;
    for (ActionItem *action : actions) {
        removeAction(action);
        delete action;
    }
}

int Page::actionCount() const
{
    return d->actions.size();
}

ActionItem *Page::actionAt(int index) const
{
    return d->actions.value(index);
}

QList<ActionItem *> Page::actions() const
{
    return d->actions;
}

ActionItem *Page::findAction(const QString &objectName) const
{
    for (ActionItem *action : qAsConst(d->actions)) {
        if (action->objectName() == objectName)
            return action;
    }
    return nullptr;
}

namespace {
void qmlAppendAction(QQmlListProperty<ActionItem> *list, ActionItem *action)
{
    static_cast<Page *>(list->object)->addAction(action, action->actionBarPlacement());
}
int qmlCountActions(QQmlListProperty<ActionItem> *list)
{
    return static_cast<Page *>(list->object)->actionCount();
}
ActionItem *qmlActionAt(QQmlListProperty<ActionItem> *list, int index)
{
    return static_cast<Page *>(list->object)->actionAt(index);
}
} // namespace

QQmlListProperty<ActionItem> Page::qmlActions()
{
    return QQmlListProperty<ActionItem>(this, nullptr, &qmlAppendAction, &qmlCountActions, &qmlActionAt, nullptr);
}

} // namespace trellan
} // namespace hx

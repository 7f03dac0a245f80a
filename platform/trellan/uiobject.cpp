#include <hx/trellan/control.h>
#include <hx/trellan/layoutupdatehandler.h>
#include <hx/trellan/uiobject.h>

namespace hx {
namespace trellan {

UIObject::UIObject(QObject *parent) : QObject(parent) { }

UIObject::~UIObject() = default;

QObject *UIObject::findChildByName(const QString &name) const
{
    return findChild<QObject *>(name);
}

namespace {
const char *const AttachedFlag = "_hxAttached";

void qmlAppendAttached(QQmlListProperty<QObject> *list, QObject *object)
{
    static_cast<UIObject *>(list->object)->addAttachedObject(object);
}
int qmlCountAttached(QQmlListProperty<QObject> *list)
{
    return static_cast<UIObject *>(list->object)->attachedObjectList().size();
}
QObject *qmlAttachedAt(QQmlListProperty<QObject> *list, int index)
{
    return static_cast<UIObject *>(list->object)->attachedObjectList().value(index);
}
} // namespace

void UIObject::addAttachedObject(QObject *object)
{
    if (!object || object == this)
        return;
    object->setProperty(AttachedFlag, true);
    if (auto *handler = qobject_cast<LayoutUpdateHandler *>(object)) {
        if (auto *control = qobject_cast<Control *>(this)) {
            handler->setTarget(control);
            return;
        }
    }
    object->setParent(this);
}

QList<QObject *> UIObject::attachedObjectList() const
{
    QList<QObject *> attached;
    for (QObject *child : children()) {
        if (child->property(AttachedFlag).toBool())
            attached.append(child);
    }
    return attached;
}

QQmlListProperty<QObject> UIObject::attachedObjects()
{
    return QQmlListProperty<QObject>(this, nullptr, &qmlAppendAttached, &qmlCountAttached, &qmlAttachedAt, nullptr);
}

} // namespace trellan
} // namespace hx

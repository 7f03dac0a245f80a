#ifndef HX_TRELLAN_UIOBJECT_H
#define HX_TRELLAN_UIOBJECT_H

#include <QtCore/QObject>
#include <QtQml/QQmlListProperty>

namespace hx {
namespace trellan {

// Base of every toolkit object: a QObject found again by its object name. A layout document
// may attach helper objects to any of them (attachedObjects: a DisplayInfo, a
// LayoutUpdateHandler, ...): they become its children, and a LayoutUpdateHandler reports the
// frame of the control it is attached to.
class UIObject : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QQmlListProperty<QObject> attachedObjects READ attachedObjects)
public:
    explicit UIObject(QObject *parent = nullptr);
    ~UIObject() override;

    // The first descendant (depth first, in child order) with this object name, or null.
    QObject *findChildByName(const QString &name) const;
    template<typename T> T *findControl(const QString &name) const { return qobject_cast<T *>(findChildByName(name)); }

    // Takes ownership of object.
    void addAttachedObject(QObject *object);
    QList<QObject *> attachedObjectList() const;
    QQmlListProperty<QObject> attachedObjects();
};

} // namespace trellan
} // namespace hx

#endif

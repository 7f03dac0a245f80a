#ifndef HX_TRELLAN_UIOBJECT_H
#define HX_TRELLAN_UIOBJECT_H

#include <QtCore/QObject>

namespace hx {
namespace trellan {

// Base of every toolkit object: a QObject found again by its object name.
class UIObject : public QObject
{
    Q_OBJECT
public:
    explicit UIObject(QObject *parent = nullptr);
    ~UIObject() override;

    // The first descendant (depth first, in child order) with this object name, or null.
    QObject *findChildByName(const QString &name) const;
    template<typename T> T *findControl(const QString &name) const { return qobject_cast<T *>(findChildByName(name)); }
};

} // namespace trellan
} // namespace hx

#endif

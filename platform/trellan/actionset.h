#ifndef HX_TRELLAN_ACTIONSET_H
#define HX_TRELLAN_ACTIONSET_H

#include <hx/trellan/actionitem.h>

#include <QtQml/QQmlListProperty>

namespace hx {
namespace trellan {

// The context menu of a control or list row: a title and ordered actions, owned by the set.
class ActionSet : public UIObject
{
    Q_OBJECT
    Q_PROPERTY(QString title READ title WRITE setTitle)
    Q_PROPERTY(QString subtitle READ subtitle WRITE setSubtitle)
    Q_PROPERTY(QQmlListProperty<hx::trellan::ActionItem> actions READ qmlActions)
    Q_CLASSINFO("DefaultProperty", "actions")
public:
    explicit ActionSet(QObject *parent = nullptr);

    QString title() const { return m_title; }
    void setTitle(const QString &title) { m_title = title; }
    QString subtitle() const { return m_subtitle; }
    void setSubtitle(const QString &subtitle) { m_subtitle = subtitle; }

    void add(ActionItem *action);
    bool remove(ActionItem *action);
    void removeAll();
    int count() const { return m_actions.size(); }
    ActionItem *at(int index) const { return m_actions.value(index); }
    QList<ActionItem *> actions() const { return m_actions; }

    QQmlListProperty<ActionItem> qmlActions();

private:
    QString m_title;
    QString m_subtitle;
    QList<ActionItem *> m_actions;
};

} // namespace trellan
} // namespace hx

#endif

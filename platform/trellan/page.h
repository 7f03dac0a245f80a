#ifndef HX_TRELLAN_PAGE_H
#define HX_TRELLAN_PAGE_H

#include <hx/trellan/abstractpane.h>
#include <hx/trellan/actionitem.h>
#include <hx/trellan/control.h>

#include <QtQml/QQmlListProperty>

namespace hx {
namespace trellan {

class ActionBarProperties;
class NavigationPaneProperties;
class TitleBar;

// A screen: a title bar, one content control and an action bar whose order is the order in
// which actions were added.
class Page : public AbstractPane
{
    Q_OBJECT
    Q_PROPERTY(hx::trellan::Control *content READ content WRITE setContent NOTIFY contentChanged)
    Q_PROPERTY(hx::trellan::TitleBar *titleBar READ titleBar WRITE setTitleBar)
    Q_PROPERTY(int resizeBehavior READ resizeBehavior WRITE setResizeBehavior)
    Q_PROPERTY(int actionBarVisibility READ actionBarVisibility WRITE setActionBarVisibility)
    Q_PROPERTY(hx::trellan::NavigationPaneProperties *paneProperties READ paneProperties WRITE setPaneProperties)
    Q_PROPERTY(
        hx::trellan::ActionBarProperties *actionBarProperties READ actionBarProperties WRITE setActionBarProperties)
    Q_PROPERTY(QQmlListProperty<hx::trellan::ActionItem> actions READ qmlActions)
    Q_CLASSINFO("DefaultProperty", "content")
public:
    explicit Page(QObject *parent = nullptr);
    ~Page() override;

    Control *content() const;
    // Takes ownership. A previous content stays owned by the page until reparented; passing
    // null takes the content off the page without deleting it.
    void setContent(Control *content);
    TitleBar *titleBar() const;
    // Takes ownership, as for the content.
    void setTitleBar(TitleBar *titleBar);
    int resizeBehavior() const;
    void setResizeBehavior(int behavior);
    int actionBarVisibility() const;
    void setActionBarVisibility(int visibility);
    NavigationPaneProperties *paneProperties() const;
    void setPaneProperties(NavigationPaneProperties *properties);
    // Null until set; the page owns them, a replaced one stays owned until reparented.
    ActionBarProperties *actionBarProperties() const;
    void setActionBarProperties(ActionBarProperties *properties);

    // Appends an action with its ActionBarPlacement; the page owns it.
    void addAction(ActionItem *action, int placement = 0);
    // Takes the action off and unparents it; false when it is not on the page.
    bool removeAction(ActionItem *action);
    // Deletes every action.
    void removeAllActions();
    int actionCount() const;
    ActionItem *actionAt(int index) const;
    QList<ActionItem *> actions() const;
    // The action with this object name, or null.
    ActionItem *findAction(const QString &objectName) const;

    QQmlListProperty<ActionItem> qmlActions();

signals:
    void contentChanged(hx::trellan::Control *content);
    void actionAdded(hx::trellan::ActionItem *action);
    void actionRemoved(hx::trellan::ActionItem *action);

private:
    struct Private;
    QScopedPointer<Private> d;
};

} // namespace trellan
} // namespace hx

#endif

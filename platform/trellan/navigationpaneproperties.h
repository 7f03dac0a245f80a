#ifndef HX_TRELLAN_NAVIGATIONPANEPROPERTIES_H
#define HX_TRELLAN_NAVIGATIONPANEPROPERTIES_H

#include <hx/trellan/actionitem.h>

#include <QtCore/QPointer>

namespace hx {
namespace trellan {

// What a page asks of the navigation pane it is pushed on: its own back button.
class NavigationPaneProperties : public UIObject
{
    Q_OBJECT
    Q_PROPERTY(hx::trellan::ActionItem *backButton READ backButton WRITE setBackButton)
public:
    explicit NavigationPaneProperties(QObject *parent = nullptr);

    ActionItem *backButton() const { return m_backButton; }
    // Takes ownership; a previous back button stays owned until reparented.
    void setBackButton(ActionItem *action);

private:
    QPointer<ActionItem> m_backButton;
};

} // namespace trellan
} // namespace hx

#endif

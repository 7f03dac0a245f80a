#include <hx/trellan/navigationpaneproperties.h>

namespace hx {
namespace trellan {

NavigationPaneProperties::NavigationPaneProperties(QObject *parent) : UIObject(parent) { }

void NavigationPaneProperties::setBackButton(ActionItem *action)
{
    m_backButton = action;
    if (action)
        action->setParent(this);
}

} // namespace trellan
} // namespace hx

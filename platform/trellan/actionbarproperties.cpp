#include <hx/trellan/actionbarproperties.h>

namespace hx {
namespace trellan {

ActionBarProperties::ActionBarProperties(QObject *parent) : UIObject(parent) { }

void ActionBarProperties::setDocking(int docking)
{
    if (m_docking == docking)
        return;
    m_docking = docking;
    emit dockingChanged(docking);
}

} // namespace trellan
} // namespace hx

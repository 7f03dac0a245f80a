#ifndef HX_TRELLAN_ACTIONBARPROPERTIES_H
#define HX_TRELLAN_ACTIONBARPROPERTIES_H

#include <hx/trellan/uiobject.h>

namespace hx {
namespace trellan {

// How a page's action bar sits on the screen. "docking" says where it docks (0 the default, 1 or
// 2 as the page asks); it reads back as set, through the property or by name.
class ActionBarProperties : public UIObject
{
    Q_OBJECT
    Q_PROPERTY(int docking READ docking WRITE setDocking RESET resetDocking NOTIFY dockingChanged)
public:
    explicit ActionBarProperties(QObject *parent = nullptr);

    int docking() const { return m_docking; }
    void setDocking(int docking);
    void resetDocking() { setDocking(0); }

signals:
    void dockingChanged(int docking);

private:
    int m_docking = 0;
};

} // namespace trellan
} // namespace hx

#endif

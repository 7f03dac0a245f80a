#ifndef HX_TRELLAN_TAPHANDLER_H
#define HX_TRELLAN_TAPHANDLER_H

#include <hx/trellan/tapevent.h>
#include <hx/trellan/uiobject.h>

namespace hx {
namespace trellan {

// A gesture handler added to a control (Control::addGestureHandler): emits tapped on each tap.
class TapHandler : public UIObject
{
    Q_OBJECT
public:
    explicit TapHandler(QObject *parent = nullptr);

    // Delivers a tap as the control would: emits tapped with an event that lives for the call.
    void deliverTap(float x = 0, float y = 0);

signals:
    void tapped(hx::trellan::TapEvent *event);
};

} // namespace trellan
} // namespace hx

#endif

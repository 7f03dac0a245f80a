#include <hx/trellan/touchevent.h>

namespace hx {
namespace trellan {

TouchEvent::TouchEvent(int touchType, float localX, float localY, QObject *parent)
    : QObject(parent), m_type(touchType), m_x(localX), m_y(localY)
{ }

} // namespace trellan
} // namespace hx

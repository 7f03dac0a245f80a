#include <hx/trellan/tapevent.h>

namespace hx {
namespace trellan {

TapEvent::TapEvent(float x, float y, QObject *parent) : QObject(parent), m_x(x), m_y(y) { }

} // namespace trellan
} // namespace hx

#include <hx/trellan/divider.h>

namespace hx {
namespace trellan {

Divider::Divider(QObject *parent) : Control(parent) { }

} // namespace trellan
} // namespace hx

#include <hx/trellan/docklayout.h>

namespace hx {
namespace trellan {

DockLayout::DockLayout(QObject *parent) : Layout(parent) { }

} // namespace trellan
} // namespace hx

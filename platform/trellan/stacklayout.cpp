#include <hx/trellan/stacklayout.h>

namespace hx {
namespace trellan {

StackLayout::StackLayout(QObject *parent) : Layout(parent) { }

} // namespace trellan
} // namespace hx

#include <hx/trellan/layout.h>

namespace hx {
namespace trellan {

Layout::Layout(QObject *parent) : UIObject(parent) { }

} // namespace trellan
} // namespace hx

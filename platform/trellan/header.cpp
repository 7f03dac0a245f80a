#include <hx/trellan/header.h>

namespace hx {
namespace trellan {

Header::Header(QObject *parent) : Control(parent) { }

} // namespace trellan
} // namespace hx

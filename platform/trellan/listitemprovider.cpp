#include <hx/trellan/listitemprovider.h>

namespace hx {
namespace trellan {

ListItemProvider::~ListItemProvider() = default;

} // namespace trellan
} // namespace hx

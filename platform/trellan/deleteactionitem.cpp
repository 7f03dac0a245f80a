#include <hx/trellan/deleteactionitem.h>

namespace hx {
namespace trellan {

DeleteActionItem::DeleteActionItem(QObject *parent) : ActionItem(parent) { }

} // namespace trellan
} // namespace hx

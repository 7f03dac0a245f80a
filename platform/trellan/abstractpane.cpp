#include <hx/trellan/abstractpane.h>

namespace hx {
namespace trellan {

AbstractPane::AbstractPane(QObject *parent) : UIObject(parent) { }

} // namespace trellan
} // namespace hx

#include <hx/trellan/taphandler.h>

namespace hx {
namespace trellan {

TapHandler::TapHandler(QObject *parent) : UIObject(parent) { }

void TapHandler::deliverTap(float x, float y)
{
    TapEvent event(x, y);
    emit tapped(&event);
}

} // namespace trellan
} // namespace hx

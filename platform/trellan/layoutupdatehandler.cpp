#include <hx/trellan/layoutupdatehandler.h>

namespace hx {
namespace trellan {

LayoutUpdateHandler::LayoutUpdateHandler(Control *target) : UIObject(target), m_target(target) { }

void LayoutUpdateHandler::setTarget(Control *target)
{
    m_target = target;
    setParent(target);
}

void LayoutUpdateHandler::setLayoutFrame(const QRectF &frame)
{
    if (m_frame == frame)
        return;
    m_frame = frame;
    emit layoutFrameChanged(frame);
}

} // namespace trellan
} // namespace hx

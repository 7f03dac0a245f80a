#include <hx/device/simulateddevice.h>
#include <hx/device/vkbeventhandler.h>
#include <hx/trellan/textarea.h>
#include <hx/trellan/textfield.h>
#include <hx/trellan/virtualkeyboard.h>

namespace hx {
namespace trellan {

namespace {
bool shown = false;

bool takesTyping(const QObject *focused)
{
    if (const auto *field = qobject_cast<const TextField *>(focused))
        return field->isEnabled();
    if (const auto *area = qobject_cast<const TextArea *>(focused))
        return area->isEnabled() && area->isEditable();
    return false;
}
} // namespace

bool VirtualKeyboard::isShown()
{
    return shown;
}

void VirtualKeyboard::followFocus(const QObject *focused)
{
    const bool wanted = takesTyping(focused) && !hx::device::SimulatedDevice::hasPhysicalKeyboard();
    if (wanted == shown)
        return;
    shown = wanted;
    hx::device::VKBEventHandler::deliver(shown ? hx::device::VKBEventHandler::KeyboardShown
                                               : hx::device::VKBEventHandler::KeyboardHidden);
}

} // namespace trellan
} // namespace hx

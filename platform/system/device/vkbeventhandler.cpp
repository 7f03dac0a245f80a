#include <hx/device/vkbeventhandler.h>

namespace hx {
namespace device {

VKBEventHandler::VKBEventHandler(QObject *parent) : QObject(parent)
{
    subscribe(VirtualKeyboardDomain);
}

VKBEventHandler::~VKBEventHandler() = default;

int VKBEventHandler::deliver(int code)
{
    return AbstractHpsEventHandler::deliver(VirtualKeyboardDomain, code);
}

void VKBEventHandler::handleEvent(int domain, int code)
{
    if (domain != VirtualKeyboardDomain)
        return;
    if (code == KeyboardShown)
        emit virtualKeyboardDisplayChange(true);
    else if (code == KeyboardHidden)
        emit virtualKeyboardDisplayChange(false);
}

} // namespace device
} // namespace hx

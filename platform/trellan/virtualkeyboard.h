#ifndef HX_TRELLAN_VIRTUALKEYBOARD_H
#define HX_TRELLAN_VIRTUALKEYBOARD_H

class QObject;

namespace hx {
namespace trellan {

// The simulated on-screen keyboard. On a device without a physical keyboard
// (hx::device::SimulatedDevice) it shows while an editable, enabled text field or text area has
// the focus and hides when the focus leaves; each change is delivered as the platform's
// virtual-keyboard event (1 shown, 2 hidden) to every VKBEventHandler.
class VirtualKeyboard
{
public:
    static bool isShown();

private:
    friend class FocusRequester;
    static void followFocus(const QObject *focused);
};

} // namespace trellan
} // namespace hx

#endif

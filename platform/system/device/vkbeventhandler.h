#ifndef HX_DEVICE_VKBEVENTHANDLER_H
#define HX_DEVICE_VKBEVENTHANDLER_H

#include <hx/device/abstracthpseventhandler.h>

#include <QtCore/QObject>

namespace hx {
namespace device {

// Follows the virtual keyboard: code 1 (shown) and code 2 (hidden) of the virtual-keyboard
// domain become virtualKeyboardDisplayChange(true / false); anything else is ignored.
class VKBEventHandler : public QObject, public hx::AbstractHpsEventHandler
{
    Q_OBJECT
public:
    enum Code { KeyboardShown = 1, KeyboardHidden = 2 };

    explicit VKBEventHandler(QObject *parent = nullptr);
    ~VKBEventHandler() override;

    // Stands for the platform: delivers a virtual-keyboard event to every handler.
    static int deliver(int code);

signals:
    void virtualKeyboardDisplayChange(bool displayed);

protected:
    void handleEvent(int domain, int code) override;
};

} // namespace device
} // namespace hx

#endif

#ifndef HX_SYSTEM_SYSTEMUIRESULT_H
#define HX_SYSTEM_SYSTEMUIRESULT_H

#include <QtCore/QMetaType>
#include <QtCore/QObject>

namespace hx {
namespace system {

// How a dialog or toast ended. Confirm, cancel and time-out keep the numbers that callers
// compare against (2, 3, 4).
class SystemUiResult
{
    Q_GADGET
public:
    enum Type {
        None = 0, // still open, or closed from code
        ButtonSelection = 1, // a custom dialog button or the toast's button
        ConfirmButtonSelection = 2, // the confirm button
        CancelButtonSelection = 3, // the cancel button
        TimeOut = 4 // a toast that was left alone until it went away
    };
    Q_ENUM(Type)

private:
    SystemUiResult() = delete;
};

// Where a toast appears on the screen.
class SystemUiPosition
{
    Q_GADGET
public:
    enum Type { TopCenter = 0, BottomCenter = 1, MiddleCenter = 2 };
    Q_ENUM(Type)

private:
    SystemUiPosition() = delete;
};

} // namespace system
} // namespace hx

Q_DECLARE_METATYPE(hx::system::SystemUiResult::Type)
Q_DECLARE_METATYPE(hx::system::SystemUiPosition::Type)

#endif

#ifndef HX_SYSTEM_SYSTEMUIELEMENT_P_H
#define HX_SYSTEM_SYSTEMUIELEMENT_P_H

#include <hx/system/systemuibutton.h>
#include <hx/system/systemuirecord.h>

#include <QtCore/QEventLoop>
#include <QtCore/QPointer>

namespace hx {
namespace system {

class SystemUiElementPrivate
{
public:
    SystemUiRecord::Kind kind = SystemUiRecord::Dialog;
    QString body;
    bool autoUpdate = false;
    int serial = 0; // registry serial while shown, else 0
    SystemUiResult::Type result = SystemUiResult::None;
    QPointer<SystemUiButton> selection;
    QEventLoop *loop = nullptr; // set while exec() waits
};

} // namespace system
} // namespace hx

#endif

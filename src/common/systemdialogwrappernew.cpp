#include <hx/trellan/places/systemdialogwrappernew.h>

namespace hx {
namespace trellan {
namespace places {

SystemDialogWrapperNew::SystemDialogWrapperNew(QObject *parent) : hx::system::SystemDialog(parent), PickerRetrans(true)
{
    setAutoUpdateEnabled(true);
}

SystemDialogWrapperNew::~SystemDialogWrapperNew() = default;

void SystemDialogWrapperNew::retranslateUI() { }

} // namespace places
} // namespace trellan
} // namespace hx

#include <hx/system/systemdialog.h>
#include <hx/trellan/places/systemdialogwrapper.h>

namespace hx {
namespace trellan {
namespace places {

SystemDialogWrapper::SystemDialogWrapper(QObject *parent)
    : QObject(parent), PickerRetrans(true), m_dialog(new hx::system::SystemDialog(this))
{
    m_dialog->setAutoUpdateEnabled(true);
}

SystemDialogWrapper::~SystemDialogWrapper() = default;

hx::system::SystemDialog *SystemDialogWrapper::dialog() const
{
    return m_dialog;
}

void SystemDialogWrapper::show()
{
    retranslateUI();
    if (m_dialog)
        m_dialog->show();
}

void SystemDialogWrapper::dropDialog()
{
    if (!m_dialog)
        return;
    m_dialog->cancel();
    m_dialog->deleteLater();
    m_dialog = nullptr;
}

} // namespace places
} // namespace trellan
} // namespace hx

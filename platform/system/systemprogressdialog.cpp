#include <hx/system/systemprogressdialog.h>

#include <QtCore/QtGlobal>

namespace hx {
namespace system {

SystemProgressDialog::SystemProgressDialog(QObject *parent) : SystemDialog(SystemUiRecord::ProgressDialog, parent) { }

SystemProgressDialog::~SystemProgressDialog() = default;

int SystemProgressDialog::progress() const
{
    return m_progress;
}

void SystemProgressDialog::setProgress(int progress)
{
    m_progress = qBound(-1, progress, 100);
    contentChanged();
}

void SystemProgressDialog::resetProgress()
{
    setProgress(-1);
}

void SystemProgressDialog::fillRecord(SystemUiRecord &record) const
{
    SystemDialog::fillRecord(record);
    record.progress = m_progress;
}

} // namespace system
} // namespace hx

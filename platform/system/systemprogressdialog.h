#ifndef HX_SYSTEM_SYSTEMPROGRESSDIALOG_H
#define HX_SYSTEM_SYSTEMPROGRESSDIALOG_H

#include <hx/system/systemdialog.h>

namespace hx {
namespace system {

// A system dialog with a progress value: -1 (the default) shows an indeterminate spinner.
class SystemProgressDialog : public SystemDialog
{
    Q_OBJECT
    Q_PROPERTY(int progress READ progress WRITE setProgress RESET resetProgress)
public:
    explicit SystemProgressDialog(QObject *parent = nullptr);
    ~SystemProgressDialog() override;

    int progress() const;
    // Clamped to -1..100.
    void setProgress(int progress);
    void resetProgress();

protected:
    void fillRecord(SystemUiRecord &record) const override;

private:
    int m_progress = -1;
};

} // namespace system
} // namespace hx

#endif

#ifndef HX_TRELLAN_PLACES_SYSTEMDIALOGWRAPPER_H
#define HX_TRELLAN_PLACES_SYSTEMDIALOGWRAPPER_H

#include <hx/trellan/places/hxplacesglobal.h>
#include <hx/trellan/places/pickerretrans.h>

#include <QtCore/QObject>

namespace hx {
namespace system {
class SystemDialog;
}
namespace trellan {
namespace places {

// Owns one system dialog whose texts follow the language: subclasses set them in retranslateUI(),
// which runs before every show() and again on each language change.
class HXPLACES_EXPORT SystemDialogWrapper : public QObject, public PickerRetrans
{
    Q_OBJECT

public:
    explicit SystemDialogWrapper(QObject *parent = nullptr);
    ~SystemDialogWrapper() override;

    // The wrapped dialog; null once a subclass has dropped it.
    hx::system::SystemDialog *dialog() const;

    virtual void show();

protected:
    // Cancels and forgets the dialog, so nothing later refers to it.
    void dropDialog();

private:
    hx::system::SystemDialog *m_dialog;
};

} // namespace places
} // namespace trellan
} // namespace hx

#endif

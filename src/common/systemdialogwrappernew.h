#ifndef HX_TRELLAN_PLACES_SYSTEMDIALOGWRAPPERNEW_H
#define HX_TRELLAN_PLACES_SYSTEMDIALOGWRAPPERNEW_H

#include <hx/system/systemdialog.h>
#include <hx/trellan/places/hxplacesglobal.h>
#include <hx/trellan/places/pickerretrans.h>

namespace hx {
namespace trellan {
namespace places {

// A system dialog that is itself retranslatable: subclasses set their texts in retranslateUI().
// finish(result) closes it from code and emits finished(result), as a press would.
class HXPLACES_EXPORT SystemDialogWrapperNew : public hx::system::SystemDialog, private PickerRetrans
{
    Q_OBJECT

public:
    explicit SystemDialogWrapperNew(QObject *parent = nullptr);
    ~SystemDialogWrapperNew() override;

protected:
    void retranslateUI() override;
};

} // namespace places
} // namespace trellan
} // namespace hx

#endif

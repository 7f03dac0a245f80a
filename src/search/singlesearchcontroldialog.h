#ifndef HX_TRELLAN_PLACES_SINGLESEARCHCONTROLDIALOG_H
#define HX_TRELLAN_PLACES_SINGLESEARCHCONTROLDIALOG_H

#include <hx/system/systemdialog.h>
#include <hx/trellan/places/hxplacesglobal.h>
#include <hx/trellan/places/pickerretrans.h>

namespace hx {
namespace trellan {
namespace places {

// The search control's one dialog: "Retrieving details" while an address is geocoded, then,
// in the same dialog, "Can't find location" when nothing was found.
class HXPLACES_EXPORT SingleSearchControlDialog : public hx::system::SystemDialog, public PickerRetrans
{
    Q_OBJECT
public:
    enum Type { Progress = 1, Failure = 2 };
    Q_ENUM(Type)

    explicit SingleSearchControlDialog(Type type = Progress, QObject *parent = nullptr);
    ~SingleSearchControlDialog() override;

    Type type() const { return m_type; }

public Q_SLOTS:
    void setType(hx::trellan::places::SingleSearchControlDialog::Type type);

protected:
    void retranslateUI() override;

private:
    Type m_type;
};

} // namespace places
} // namespace trellan
} // namespace hx

#endif

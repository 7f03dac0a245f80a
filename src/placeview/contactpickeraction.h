#ifndef HX_TRELLAN_PLACES_CONTACTPICKERACTION_H
#define HX_TRELLAN_PLACES_CONTACTPICKERACTION_H

#include <hx/trellan/actionitem.h>
#include <hx/trellan/places/hxplacesglobal.h>
#include <hx/trellan/places/pickerretrans.h>

namespace hx {
namespace trellan {
namespace places {

// The "Contacts" action; its owner connects triggered() to its own handler.
class HXPLACES_EXPORT ContactPickerAction : public hx::trellan::ActionItem, public PickerRetrans
{
    Q_OBJECT

public:
    explicit ContactPickerAction(QObject *parent = nullptr);
    ~ContactPickerAction() override;

    void retranslateUI() override;
};

} // namespace places
} // namespace trellan
} // namespace hx

#endif

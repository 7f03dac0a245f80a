#ifndef HX_TRELLAN_PLACES_ADDFIELDACTION_H
#define HX_TRELLAN_PLACES_ADDFIELDACTION_H

#include <hx/trellan/actionitem.h>
#include <hx/trellan/places/hxplacesglobal.h>
#include <hx/trellan/places/pickerretrans.h>

namespace hx {
namespace trellan {
namespace places {

// The "Add Field" action; its owner connects triggered() to its own handler.
class HXPLACES_EXPORT AddFieldAction : public hx::trellan::ActionItem, public PickerRetrans
{
    Q_OBJECT

public:
    explicit AddFieldAction(QObject *parent = nullptr);
    ~AddFieldAction() override;

    void retranslateUI() override;
};

} // namespace places
} // namespace trellan
} // namespace hx

#endif

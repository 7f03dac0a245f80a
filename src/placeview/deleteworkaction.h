#ifndef HX_TRELLAN_PLACES_DELETEWORKACTION_H
#define HX_TRELLAN_PLACES_DELETEWORKACTION_H

#include <hx/trellan/deleteactionitem.h>
#include <hx/trellan/places/hxplacesglobal.h>
#include <hx/trellan/places/pickerretrans.h>

namespace hx {
namespace trellan {
namespace places {

// The "Delete Work" action; its owner connects triggered() to its own handler.
class HXPLACES_EXPORT DeleteWorkAction : public hx::trellan::DeleteActionItem, public PickerRetrans
{
    Q_OBJECT

public:
    explicit DeleteWorkAction(QObject *parent = nullptr);
    ~DeleteWorkAction() override;

    void retranslateUI() override;
};

} // namespace places
} // namespace trellan
} // namespace hx

#endif

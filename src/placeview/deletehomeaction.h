#ifndef HX_TRELLAN_PLACES_DELETEHOMEACTION_H
#define HX_TRELLAN_PLACES_DELETEHOMEACTION_H

#include <hx/trellan/deleteactionitem.h>
#include <hx/trellan/places/hxplacesglobal.h>
#include <hx/trellan/places/pickerretrans.h>

namespace hx {
namespace trellan {
namespace places {

// The "Delete Home" action; its owner connects triggered() to its own handler.
class HXPLACES_EXPORT DeleteHomeAction : public hx::trellan::DeleteActionItem, public PickerRetrans
{
    Q_OBJECT

public:
    explicit DeleteHomeAction(QObject *parent = nullptr);
    ~DeleteHomeAction() override;

    void retranslateUI() override;
};

} // namespace places
} // namespace trellan
} // namespace hx

#endif

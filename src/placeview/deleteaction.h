#ifndef HX_TRELLAN_PLACES_DELETEACTION_H
#define HX_TRELLAN_PLACES_DELETEACTION_H

#include <hx/trellan/deleteactionitem.h>
#include <hx/trellan/places/hxplacesglobal.h>
#include <hx/trellan/places/pickerretrans.h>

namespace hx {
namespace trellan {
namespace places {

// The "Delete" action; its owner connects triggered() to its own handler.
class HXPLACES_EXPORT DeleteAction : public hx::trellan::DeleteActionItem, public PickerRetrans
{
    Q_OBJECT

public:
    explicit DeleteAction(QObject *parent = nullptr);
    ~DeleteAction() override;

    void retranslateUI() override;
};

} // namespace places
} // namespace trellan
} // namespace hx

#endif

#ifndef HX_TRELLAN_PLACES_EDITACTION_H
#define HX_TRELLAN_PLACES_EDITACTION_H

#include <hx/trellan/actionitem.h>
#include <hx/trellan/places/hxplacesglobal.h>
#include <hx/trellan/places/pickerretrans.h>

namespace hx {
namespace trellan {
namespace places {

// The "Edit" action; its owner connects triggered() to its own handler.
class HXPLACES_EXPORT EditAction : public hx::trellan::ActionItem, public PickerRetrans
{
    Q_OBJECT

public:
    explicit EditAction(QObject *parent = nullptr);
    ~EditAction() override;

    void retranslateUI() override;
};

} // namespace places
} // namespace trellan
} // namespace hx

#endif

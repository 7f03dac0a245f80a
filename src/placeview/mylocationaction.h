#ifndef HX_TRELLAN_PLACES_MYLOCATIONACTION_H
#define HX_TRELLAN_PLACES_MYLOCATIONACTION_H

#include <hx/trellan/actionitem.h>
#include <hx/trellan/places/hxplacesglobal.h>
#include <hx/trellan/places/pickerretrans.h>

namespace hx {
namespace trellan {
namespace places {

// The "My Location" action; its owner connects triggered() to its own handler.
class HXPLACES_EXPORT MyLocationAction : public hx::trellan::ActionItem, public PickerRetrans
{
    Q_OBJECT

public:
    explicit MyLocationAction(QObject *parent = nullptr);
    ~MyLocationAction() override;

    void retranslateUI() override;
};

} // namespace places
} // namespace trellan
} // namespace hx

#endif

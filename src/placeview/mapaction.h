#ifndef HX_TRELLAN_PLACES_MAPACTION_H
#define HX_TRELLAN_PLACES_MAPACTION_H

#include <hx/trellan/actionitem.h>
#include <hx/trellan/places/hxplacesglobal.h>
#include <hx/trellan/places/pickerretrans.h>

namespace hx {
namespace trellan {
namespace places {

// The "Map" action; its owner connects triggered() to its own handler.
class HXPLACES_EXPORT MapAction : public hx::trellan::ActionItem, public PickerRetrans
{
    Q_OBJECT

public:
    explicit MapAction(QObject *parent = nullptr);
    ~MapAction() override;

    void retranslateUI() override;
};

} // namespace places
} // namespace trellan
} // namespace hx

#endif

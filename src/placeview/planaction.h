#ifndef HX_TRELLAN_PLACES_PLANACTION_H
#define HX_TRELLAN_PLACES_PLANACTION_H

#include <hx/trellan/actionitem.h>
#include <hx/trellan/places/hxplacesglobal.h>
#include <hx/trellan/places/pickerretrans.h>

namespace hx {
namespace trellan {
namespace places {

// The "Plan Route" action; its owner connects triggered() to its own handler.
class HXPLACES_EXPORT PlanAction : public hx::trellan::ActionItem, public PickerRetrans
{
    Q_OBJECT

public:
    explicit PlanAction(QObject *parent = nullptr);
    ~PlanAction() override;

    void retranslateUI() override;
};

} // namespace places
} // namespace trellan
} // namespace hx

#endif

#ifndef HX_TRELLAN_PLACES_NAVIGATEACTION_H
#define HX_TRELLAN_PLACES_NAVIGATEACTION_H

#include <hx/trellan/actionitem.h>
#include <hx/trellan/places/hxplacesglobal.h>
#include <hx/trellan/places/pickerretrans.h>

namespace hx {
namespace trellan {
namespace places {

// The "Go" action; its owner connects triggered() to its own handler.
class HXPLACES_EXPORT NavigateAction : public hx::trellan::ActionItem, public PickerRetrans
{
    Q_OBJECT

public:
    explicit NavigateAction(QObject *parent = nullptr);
    ~NavigateAction() override;

    void retranslateUI() override;
};

} // namespace places
} // namespace trellan
} // namespace hx

#endif

#ifndef HX_TRELLAN_PLACES_SELECTACTION_H
#define HX_TRELLAN_PLACES_SELECTACTION_H

#include <hx/trellan/actionitem.h>
#include <hx/trellan/places/hxplacesglobal.h>
#include <hx/trellan/places/pickerretrans.h>

namespace hx {
namespace trellan {
namespace places {

// The "Select" action; its owner connects triggered() to its own handler.
class HXPLACES_EXPORT SelectAction : public hx::trellan::ActionItem, public PickerRetrans
{
    Q_OBJECT

public:
    explicit SelectAction(QObject *parent = nullptr);
    ~SelectAction() override;

    void retranslateUI() override;
};

} // namespace places
} // namespace trellan
} // namespace hx

#endif

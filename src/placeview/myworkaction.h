#ifndef HX_TRELLAN_PLACES_MYWORKACTION_H
#define HX_TRELLAN_PLACES_MYWORKACTION_H

#include <hx/trellan/actionitem.h>
#include <hx/trellan/places/hxplacesglobal.h>
#include <hx/trellan/places/pickerretrans.h>

namespace hx {
namespace trellan {
namespace places {

// "Edit Work" while a work place is stored, "Add Work" otherwise; the owner calls
// updateTitle() when the home/work cache changes.
class HXPLACES_EXPORT MyWorkAction : public hx::trellan::ActionItem, public PickerRetrans
{
    Q_OBJECT

public:
    explicit MyWorkAction(QObject *parent = nullptr);
    ~MyWorkAction() override;

    void retranslateUI() override;

public slots:
    void updateTitle();
};

} // namespace places
} // namespace trellan
} // namespace hx

#endif

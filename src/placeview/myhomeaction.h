#ifndef HX_TRELLAN_PLACES_MYHOMEACTION_H
#define HX_TRELLAN_PLACES_MYHOMEACTION_H

#include <hx/trellan/actionitem.h>
#include <hx/trellan/places/hxplacesglobal.h>
#include <hx/trellan/places/pickerretrans.h>

namespace hx {
namespace trellan {
namespace places {

// "Edit Home" while a home place is stored, "Add Home" otherwise; the owner calls
// updateTitle() when the home/work cache changes.
class HXPLACES_EXPORT MyHomeAction : public hx::trellan::ActionItem, public PickerRetrans
{
    Q_OBJECT

public:
    explicit MyHomeAction(QObject *parent = nullptr);
    ~MyHomeAction() override;

    void retranslateUI() override;

public slots:
    void updateTitle();
};

} // namespace places
} // namespace trellan
} // namespace hx

#endif

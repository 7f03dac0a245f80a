#ifndef HX_TRELLAN_PLACES_RATINGPROVIDERACTIVITYINDICATORLABEL_H
#define HX_TRELLAN_PLACES_RATINGPROVIDERACTIVITYINDICATORLABEL_H

#include <hx/trellan/label.h>
#include <hx/trellan/places/hxplacesglobal.h>
#include <hx/trellan/places/pickerretrans.h>

namespace hx {
namespace trellan {
namespace places {

// "Searching for Reviews on", beside the spinner and the provider's logo.
class HXPLACES_EXPORT RatingProviderActivityIndicatorLabel : public hx::trellan::Label, public PickerRetrans
{
    Q_OBJECT

public:
    explicit RatingProviderActivityIndicatorLabel(QObject *parent = nullptr);
    ~RatingProviderActivityIndicatorLabel() override;

    void retranslateUI() override;
};

} // namespace places
} // namespace trellan
} // namespace hx

#endif

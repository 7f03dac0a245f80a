#ifndef HX_TRELLAN_PLACES_RATINGPROVIDERACTIVITYINDICATOR_H
#define HX_TRELLAN_PLACES_RATINGPROVIDERACTIVITYINDICATOR_H

#include <hx/trellan/container.h>
#include <hx/trellan/places/hxplacesglobal.h>

namespace hx {
namespace trellan {
namespace places {

// A running spinner, "Searching for Reviews on" and the provider's logo, while reviews load.
class HXPLACES_EXPORT RatingProviderActivityIndicator : public hx::trellan::Container
{
    Q_OBJECT

public:
    explicit RatingProviderActivityIndicator(QObject *parent = nullptr);
    ~RatingProviderActivityIndicator() override;
};

} // namespace places
} // namespace trellan
} // namespace hx

#endif

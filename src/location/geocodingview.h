#ifndef HX_TRELLAN_PLACES_GEOCODINGVIEW_H
#define HX_TRELLAN_PLACES_GEOCODINGVIEW_H

#include <hx/trellan/places/hxplacesglobal.h>

#include <hx/trellan/customcontrol.h>

namespace hx {
namespace trellan {
namespace places {

// A busy indicator for screens that geocode in place: one centred spinner,
// running at once.
class HXPLACES_EXPORT GeocodingView : public hx::trellan::CustomControl
{
    Q_OBJECT

public:
    explicit GeocodingView(QObject *parent = nullptr);
    ~GeocodingView() override;
};

} // namespace places
} // namespace trellan
} // namespace hx

#endif

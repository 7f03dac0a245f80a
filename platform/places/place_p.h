#ifndef HX_PLATFORM_PLACES_PLACE_P_H
#define HX_PLATFORM_PLACES_PLACE_P_H

#include <hx/platform/places/place.h>

#include <QtCore/QUrl>

namespace hx {
namespace platform {
namespace places {

class PlacePrivate
{
public:
    // Fills place from a URL made by AbstractPlace::mapUrl(): id, name, position and label.
    // False, with place untouched, for a URL of another form.
    static bool decodePlaceFromMapUrl(const QUrl &url, Place &place);
};

} // namespace places
} // namespace platform
} // namespace hx

#endif

#ifndef HX_TRELLAN_PLACES_PLACEUTILS_H
#define HX_TRELLAN_PLACES_PLACEUTILS_H

#include <hx/trellan/places/hxplacesglobal.h>

// Includes of the formatting, asset and layout helpers.
#include <QtCore/QString>

// Includes of the store shortcuts and error dialogs.

// Includes of the location settings, requests and geocoding.

// Includes of the invocations and policy checks.

namespace hx {
namespace trellan {
namespace places {

// Static helpers shared by every screen. The sections below are kept apart on purpose: each
// area of the library adds its members to its own section.
class HXPLACES_EXPORT PlaceUtils
{
public:
    PlaceUtils() = delete;

    // ---- Addresses, names, phones, points and day boundaries ----

    // ---- Assets, start-up, device sizes and layout constants ----

    // ---- Store shortcuts and error dialogs ----

    // ---- Location settings, requests, reverse and forward geocoding ----

    // ---- Invocations of other applications and policy checks ----
};

} // namespace places
} // namespace trellan
} // namespace hx

#endif

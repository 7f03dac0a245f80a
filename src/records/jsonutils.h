#ifndef HX_TRELLAN_PLACES_JSONUTILS_H
#define HX_TRELLAN_PLACES_JSONUTILS_H

#include <hx/trellan/places/hxplacesglobal.h>
#include <hx/trellan/places/placeviewmode.h>

#include <QtCore/QString>

namespace hx {
namespace trellan {
namespace places {

class SelectedPlace;

// The JSON texts places travel in between applications: the picked place a picker card returns,
// and the request that asks the place viewer to show a stored place.
class HXPLACES_EXPORT JsonUtils
{
public:
    JsonUtils() = delete;

    // {"selected_place":{...}} with the members in their fixed order; empty on an encoder error
    // or a null record.
    static QString encodeSelectedPlaceToJson(const SelectedPlace *place);
    // A new record owned by the caller, or null for a text that is not such an object or whose
    // id is missing or negative.
    static SelectedPlace *decodeSelectedPlaceFromJson(const QString &json);
    // {"place_viewer":{"id":...,"view_mode":...}}; empty on an encoder error.
    static QString encodePlaceViewerJson(long id, PlaceViewMode::Type mode);
};

} // namespace places
} // namespace trellan
} // namespace hx

#endif

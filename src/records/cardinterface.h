#ifndef HX_TRELLAN_PLACES_CARDINTERFACE_H
#define HX_TRELLAN_PLACES_CARDINTERFACE_H

#include <hx/trellan/places/hxplacesglobal.h>

#include <QtCore/QByteArray>
#include <QtCore/QString>
#include <hx/platform/places/place.h>

namespace hx {
namespace trellan {

class Page;

namespace places {

class SelectedPlace;

// What a card application builds from the library: the pages it shows and the conversions
// between its invocation data and places. Every page and record returned is new and belongs
// to the caller.
class HXPLACES_EXPORT CardInterface
{
public:
    CardInterface() = delete;

    // The picked place of a selector page, as a new record; null (and a log line) when page is
    // not a selector page, null when nothing was picked.
    static SelectedPlace *selectedPlace(hx::trellan::Page *page);
    // The place the store builds from the bytes of an invocation; on failure a log line and
    // whatever the store left in the pointer (null when it built nothing).
    static hx::platform::places::Place *deserializePlace(const QByteArray &bytes);
    static QString encodeSelectedPlaceToJson(const SelectedPlace *place);
    static SelectedPlace *decodeSelectedPlaceFromJson(const QString &json);
};

} // namespace places
} // namespace trellan
} // namespace hx

#endif

#ifndef HX_TRELLAN_PLACES_CARDINTERFACE_H
#define HX_TRELLAN_PLACES_CARDINTERFACE_H

#include <hx/trellan/places/hxplacesglobal.h>

#include <QtCore/QByteArray>
#include <QtCore/QString>
#include <QtCore/QUrl>
#include <hx/platform/places/coordinates.h>
#include <hx/platform/places/place.h>

namespace hx {
namespace trellan {

class NavigationPane;
class Page;

namespace places {

class PickerPreview;
class PickerPreviewSelect;
class PlaceViewPage;
class SelectedPlace;
class SelectorSheet;
class SharePreview;
class UniversalSearchPreview;

// What a card application builds from the library: the pages it shows and the conversions
// between its invocation data and places. Every page and record returned is new and belongs
// to the caller.
class HXPLACES_EXPORT CardInterface
{
public:
    CardInterface() = delete;

    // The previewer's pages for a place, with position as where the user is.
    static PickerPreview *createPickerPreview(const QSharedPointer<hx::platform::places::Place> &place,
                                              const hx::platform::places::Coordinates &position);
    static PickerPreviewSelect *createPickerPreviewSelect(const QSharedPointer<hx::platform::places::Place> &place,
                                                          const hx::platform::places::Coordinates &position);
    // The preview of a place found by the phone's universal search.
    static UniversalSearchPreview *
    createUniversalSearchPreview(const QSharedPointer<hx::platform::places::Place> &place);
    // The preview of a place URL (the form of AbstractPlace::mapUrl) another application shared.
    // A URL naming a stored place by its id and name shows that place; any other id is dropped.
    static SharePreview *createSharePreview(const QUrl &url);
    // The add-favourite composer for a text, such as an address typed in another application.
    static PlaceViewPage *createAddFavoriteComposer(const QString &text);
    // The picker's page, built for pane and then left without a parent.
    static SelectorSheet *createSelectorPage(hx::trellan::NavigationPane *pane);

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

#include <hx/trellan/places/cardinterface.h>

#include <hx/platform/places/utilities.h>
#include <hx/trellan/navigationpane.h>
#include <hx/trellan/page.h>
#include <hx/trellan/places/jsonutils.h>
#include <hx/trellan/places/log.h>
#include <hx/trellan/places/pickerpreview.h>
#include <hx/trellan/places/pickerpreviewselect.h>
#include <hx/trellan/places/placemanagerui.h>
#include <hx/trellan/places/placeviewpage.h>
#include <hx/trellan/places/selectedplace.h>
#include <hx/trellan/places/selectorsheet.h>
#include <hx/trellan/places/sharepreview.h>
#include <hx/trellan/places/universalsearchpreview.h>

#include "../../platform/places/place_p.h"

using hx::platform::places::Error;
using hx::platform::places::Place;

namespace hx {
namespace trellan {
namespace places {

PickerPreview *CardInterface::createPickerPreview(const QSharedPointer<hx::platform::places::Place> &place,
                                                  const hx::platform::places::Coordinates &position)
{
    return new PickerPreview(place, position);
}

PickerPreviewSelect *CardInterface::createPickerPreviewSelect(const QSharedPointer<hx::platform::places::Place> &place,
                                                              const hx::platform::places::Coordinates &position)
{
    return new PickerPreviewSelect(place, position);
}

namespace {

// The URL's id is only trusted when this store holds a place of that id and name: a URL made
// on another phone must neither show nor mark a different place of ours.
QSharedPointer<Place> placeOfThisStore(const QSharedPointer<Place> &decoded)
{
    if (!decoded->isPersisted())
        return decoded;
    Error::Type error = Error::None;
    QSharedPointer<Place> stored(PlaceManagerUI::getPlace(decoded->id(), error, false));
    if (stored && stored->name() == decoded->name())
        return stored;
    decoded->setId(-1);
    return decoded;
}

} // namespace

UniversalSearchPreview *CardInterface::createUniversalSearchPreview(const QSharedPointer<Place> &place)
{
    return new UniversalSearchPreview(place);
}

SharePreview *CardInterface::createSharePreview(const QUrl &url)
{
    QSharedPointer<Place> place(new Place);
    hx::platform::places::PlacePrivate::decodePlaceFromMapUrl(url, *place);
    return new SharePreview(placeOfThisStore(place));
}

PlaceViewPage *CardInterface::createAddFavoriteComposer(const QString &text)
{
    return new PlaceViewPage(text);
}

SelectorSheet *CardInterface::createSelectorPage(hx::trellan::NavigationPane *pane)
{
    Log::debug() << "hx::trellan::places::CardInterface::createSelectorPage() in";
    auto *page = new SelectorSheet(pane, pane);
    page->setParent(nullptr);
    return page;
}

SelectedPlace *CardInterface::selectedPlace(hx::trellan::Page *page)
{
    auto *selector = qobject_cast<SelectorSheet *>(page);
    if (!selector) {
        Log::warning()
            << "hx::trellan::places::CardInterface::selectedPlace(): error -- could not cast to SelectorSheet";
        return nullptr;
    }
    return selector->getSelectedPlace();
}

hx::platform::places::Place *CardInterface::deserializePlace(const QByteArray &bytes)
{
    hx::platform::places::Place *place = nullptr;
    if (!hx::platform::places::Utilities::deserialize(bytes, place))
        Log::warning()
            << "hx::trellan::places::CardInterface::deserializePlace(): error -- place cannot be deserialized";
    return place;
}

QString CardInterface::encodeSelectedPlaceToJson(const SelectedPlace *place)
{
    return JsonUtils::encodeSelectedPlaceToJson(place);
}

SelectedPlace *CardInterface::decodeSelectedPlaceFromJson(const QString &json)
{
    return JsonUtils::decodeSelectedPlaceFromJson(json);
}

} // namespace places
} // namespace trellan
} // namespace hx

#include <hx/trellan/places/cardinterface.h>

#include <hx/platform/places/utilities.h>
#include <hx/trellan/navigationpane.h>
#include <hx/trellan/page.h>
#include <hx/trellan/places/jsonutils.h>
#include <hx/trellan/places/log.h>
#include <hx/trellan/places/pickerpreview.h>
#include <hx/trellan/places/pickerpreviewselect.h>
#include <hx/trellan/places/placeviewpage.h>
#include <hx/trellan/places/selectedplace.h>
#include <hx/trellan/places/selectorsheet.h>

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

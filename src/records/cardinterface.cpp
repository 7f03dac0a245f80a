#include <hx/trellan/places/cardinterface.h>

#include <hx/platform/places/utilities.h>
#include <hx/trellan/page.h>
#include <hx/trellan/places/jsonutils.h>
#include <hx/trellan/places/log.h>
#include <hx/trellan/places/selectedplace.h>

namespace hx {
namespace trellan {
namespace places {

namespace {

const char *const SELECTOR_PAGE_CLASS = "hx::trellan::places::SelectorSheet";

} // namespace

SelectedPlace *CardInterface::selectedPlace(hx::trellan::Page *page)
{
    // Reached through the meta-object so that the records layer stays below the picker.
    SelectedPlace *selected = nullptr;
    if (!page || !page->inherits(SELECTOR_PAGE_CLASS)
        || !QMetaObject::invokeMethod(page, "getSelectedPlace", Qt::DirectConnection,
                                      Q_RETURN_ARG(hx::trellan::places::SelectedPlace *, selected))) {
        Log::warning()
            << "hx::trellan::places::CardInterface::selectedPlace(): error -- could not cast to SelectorSheet";
        return nullptr;
    }
    return selected;
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

#include "pickresolver.h"

#include <hx/trellan/places/jsonutils.h>
#include <hx/trellan/places/selectedplace.h>
#include <records/selectedplace_p.h>

#include <QtCore/QScopedPointer>

using hx::platform::places::Place;

QString PickResolver::json(const QSharedPointer<Place> &place)
{
    using namespace hx::trellan::places;
    if (place.isNull())
        return QString();
    // The record a picker card builds from a place, with the id the store gave it.
    QScopedPointer<SelectedPlace> selected(SelectedPlacePrivate::placeToSelectedPlace(place));
    return JsonUtils::encodeSelectedPlaceToJson(selected.data());
}

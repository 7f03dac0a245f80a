#include <hx/platform/places/placeheader.h>
#include <hx/trellan/places/getlocationsettings.h>
#include <hx/trellan/places/homeworkcache.h>
#include <hx/trellan/places/log.h>
#include <hx/trellan/places/placemanagerui.h>
#include <hx/trellan/places/widgetutils.h>

namespace hx {
namespace trellan {
namespace places {

using hx::platform::places::AbstractPlace;
using hx::platform::places::Error;
using hx::platform::places::Place;
using hx::platform::places::PlaceHeader;

namespace {
const int locationServicesOff = 1;
} // namespace

bool WidgetUtils::isLocationServicesOff()
{
    return GetLocationSettings::getSettings() == locationServicesOff;
}

bool WidgetUtils::hasMyHome()
{
    HomeWorkCache::setDirty(HomeWorkCache::Home);
    return HomeWorkCache::hasMyHome();
}

bool WidgetUtils::hasMyWork()
{
    HomeWorkCache::setDirty(HomeWorkCache::Work);
    return HomeWorkCache::hasMyWork();
}

QSharedPointer<Place> WidgetUtils::getFullPlace(const QSharedPointer<AbstractPlace> &place)
{
    if (const QSharedPointer<Place> full = place.dynamicCast<Place>())
        return full;
    const PlaceHeader *header = dynamic_cast<const PlaceHeader *>(place.data());
    if (!header)
        return QSharedPointer<Place>();
    Error::Type error = Error::None;
    QSharedPointer<Place> full(PlaceManagerUI::getPlace(header, error, false));
    if (error != Error::None) {
        Log::warning() << "hx::trellan::places::WidgetUtils::getFullPlace() error = " << int(error);
        return QSharedPointer<Place>();
    }
    return full;
}

} // namespace places
} // namespace trellan
} // namespace hx

#ifndef HX_TRELLAN_PLACES_WIDGETUTILS_H
#define HX_TRELLAN_PLACES_WIDGETUTILS_H

#include <hx/platform/places/abstractplace.h>
#include <hx/platform/places/place.h>
#include <hx/trellan/places/hxplacesglobal.h>

#include <QtCore/QSharedPointer>

namespace hx {
namespace trellan {
namespace places {

// What a home-screen widget asks about the device and the user's places.
class HXPLACES_EXPORT WidgetUtils
{
public:
    WidgetUtils() = delete;

    static bool isLocationServicesOff();
    // Both ask the store afresh: a widget outlives the screens that move the tags.
    static bool hasMyHome();
    static bool hasMyWork();
    // A full place as it is; a header read in full from the store; null otherwise or on error.
    static QSharedPointer<hx::platform::places::Place>
    getFullPlace(const QSharedPointer<hx::platform::places::AbstractPlace> &place);
};

} // namespace places
} // namespace trellan
} // namespace hx

#endif

#ifndef HX_PLATFORM_PLACES_PLACESEARCHMANAGER_P_H
#define HX_PLATFORM_PLACES_PLACESEARCHMANAGER_P_H

#include <QtCore/QThreadPool>

namespace hx {
namespace platform {
namespace places {

class PlaceSearchManagerPrivate
{
public:
    PlaceSearchManagerPrivate()
    {
        // One worker keeps the answers in the order they were asked for.
        answering.setMaxThreadCount(1);
    }

    QThreadPool answering;
};

} // namespace places
} // namespace platform
} // namespace hx

#endif

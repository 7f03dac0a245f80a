#ifndef HX_PLATFORM_PLACES_PLACESEARCHMANAGER_P_H
#define HX_PLATFORM_PLACES_PLACESEARCHMANAGER_P_H

#include <QtCore/QMutex>

#include <memory>

class QThreadPool;

namespace hx {
namespace platform {
namespace places {

class PlaceSearchManager;

class PlaceSearchManagerPrivate
{
public:
    // What a job still running reaches its manager through: cleared when the manager goes.
    struct Link
    {
        QMutex mutex;
        PlaceSearchManager *manager = nullptr;
    };

    // The one worker of the process that looks answers up. It never ends, so its connections to
    // the store stay open across managers, and one thread keeps the answers in order.
    static QThreadPool *answering();

    std::shared_ptr<Link> link = std::make_shared<Link>();
};

} // namespace places
} // namespace platform
} // namespace hx

#endif

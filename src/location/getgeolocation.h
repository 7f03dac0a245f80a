#ifndef HX_TRELLAN_PLACES_GETGEOLOCATION_H
#define HX_TRELLAN_PLACES_GETGEOLOCATION_H

#include <hx/trellan/places/currentcoordinate.h>
#include <hx/trellan/places/geolocationrequest.h>
#include <hx/trellan/places/hxplacesglobal.h>

#include <QtCore/QHash>
#include <QtCore/QMutex>

namespace hx {
namespace trellan {
namespace places {

class GeolocationThread;

// The process-wide table of location workers, one per distinct request. Workers are never
// removed while the process runs, so a returned fix pointer stays valid for its whole life.
class HXPLACES_EXPORT GetGeolocation
{
public:
    GetGeolocation();
    virtual ~GetGeolocation();

    // The fix for the request, never null and not owned by the caller. Returns at once: a
    // stored fix younger than the request's stale period is handed out as it is, otherwise a
    // run is started unless one is in progress, and its fix arrives later (updated()).
    static CurrentCoordinate *getCoordinate(const GeolocationRequest &request);

    // True while a run of the request's worker is in progress.
    static bool isRunning(const GeolocationRequest &request);

    // Entry of a worker's POSIX thread: runs one exchange of the worker passed in.
    static void *start_thread(void *worker);

    // Guards the creation of the table and every lookup and insertion in it.
    static QMutex mutex;

private:
    static GeolocationThread *worker(const GeolocationRequest &request);

    static GetGeolocation *theOne;
    QHash<GeolocationRequest, GeolocationThread *> m_table;
};

} // namespace places
} // namespace trellan
} // namespace hx

#endif

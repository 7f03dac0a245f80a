#ifndef HX_TRELLAN_PLACES_GEOLOCATIONTHREAD_H
#define HX_TRELLAN_PLACES_GEOLOCATIONTHREAD_H

#include <hx/trellan/places/currentcoordinate.h>
#include <hx/trellan/places/geolocationrequest.h>
#include <hx/trellan/places/hxplacesglobal.h>

#include <QtCore/QMutex>

#include <atomic>
#include <ctime>
#include <pthread.h>

namespace hx {
namespace trellan {
namespace places {

// The worker of one distinct request: it owns the published fix and runs at most one
// exchange with the location service at a time, each on a detached POSIX thread.
class HXPLACES_EXPORT GeolocationThread
{
public:
    explicit GeolocationThread(const GeolocationRequest &request);
    virtual ~GeolocationThread();
    GeolocationThread(const GeolocationThread &) = delete;
    GeolocationThread &operator=(const GeolocationThread &) = delete;

    // One run: send the request, read replies until a good enough fix, an error or the
    // time-out, publish the best position seen, and become idle. Runs on the worker thread.
    void startThread();

    // True when now minus fixTime, as an unsigned number, is greater than seconds.
    bool isFixExpired(unsigned int seconds) const;

    CurrentCoordinate *coordinate() { return &m_coordinate; }
    const GeolocationRequest &request() const { return m_request; }
    time_t fixTime() const { return m_fixTime.load(std::memory_order_acquire); }

    // Claims the worker for a new run; false when a run is already in progress.
    bool beginRun(bool resetFix);
    bool isRunning() const;
    void setThreadId(pthread_t id);
    // Marks the worker idle again.
    void endRun();

private:
    CurrentCoordinate m_coordinate;
    const GeolocationRequest m_request;
    bool m_running;
    mutable QMutex m_mutex; // guards m_running
    pthread_t m_threadId;
    std::atomic<time_t> m_fixTime;
};

} // namespace places
} // namespace trellan
} // namespace hx

#endif

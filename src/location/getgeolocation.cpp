#include <hx/trellan/places/geolocationthread.h>
#include <hx/trellan/places/getgeolocation.h>
#include <hx/trellan/places/log.h>

#include <QtCore/QCoreApplication>
#include <QtCore/QMutexLocker>
#include <QtCore/QThread>

#include <cstring>
#include <pthread.h>

namespace hx {
namespace trellan {
namespace places {

QMutex GetGeolocation::mutex;
GetGeolocation *GetGeolocation::theOne = nullptr;

GetGeolocation::GetGeolocation() = default;

GetGeolocation::~GetGeolocation()
{
    qDeleteAll(m_table);
}

GeolocationThread *GetGeolocation::worker(const GeolocationRequest &request)
{
    QMutexLocker locker(&mutex);
    if (!theOne)
        theOne = new GetGeolocation;
    GeolocationThread *&slot = theOne->m_table[request];
    if (!slot) {
        slot = new GeolocationThread(request);
        // The fix outlives the thread that first asked (a geocoding thread ends
        // soon), so its queued updated() signals are delivered by the application's
        // thread.
        if (QCoreApplication *app = QCoreApplication::instance())
            slot->coordinate()->moveToThread(app->thread());
    }
    return slot;
}

CurrentCoordinate *GetGeolocation::getCoordinate(const GeolocationRequest &request)
{
    GeolocationThread *thread = worker(request);
    CurrentCoordinate *fix = thread->coordinate();
    if (fix->isUsable() && !thread->isFixExpired(request.staleSeconds))
        return fix;

    if (thread->beginRun(request.resetOnStart)) {
        pthread_t id;
        const int error = pthread_create(&id, nullptr, &GetGeolocation::start_thread, thread);
        if (error != 0) {
            Log::warning() << "hx::trellan::places::GetGeolocation::getCoordinate() "
                              "pthread_create error = "
                           << std::strerror(error);
            // No thread, no run: report it like an unreachable service so callers
            // stop waiting.
            fix->setFailed(error);
            thread->endRun();
        } else {
            thread->setThreadId(id);
            pthread_detach(id);
        }
    }
    return fix;
}

bool GetGeolocation::isRunning(const GeolocationRequest &request)
{
    return worker(request)->isRunning();
}

void *GetGeolocation::start_thread(void *worker)
{
    static_cast<GeolocationThread *>(worker)->startThread();
    return nullptr;
}

} // namespace places
} // namespace trellan
} // namespace hx

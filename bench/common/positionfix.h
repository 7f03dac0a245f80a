#ifndef HX_BENCH_POSITIONFIX_H
#define HX_BENCH_POSITIONFIX_H

#include <hx/trellan/places/currentcoordinate.h>
#include <hx/trellan/places/getgeolocation.h>
#include <hx/trellan/places/placeutils.h>

#include <QtCore/QCoreApplication>
#include <QtCore/QElapsedTimer>

namespace hx {
namespace bench {

// Asks for the position the way the screens do until the location service's fix is there;
// false after ten seconds without one. For the benchmarks that link the library.
inline bool waitForFix()
{
    using hx::trellan::places::GetGeolocation;
    using hx::trellan::places::PlaceUtils;
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < 10000) {
        if (GetGeolocation::getCoordinate(PlaceUtils::genericRequest)->isUsable())
            return true;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    }
    return false;
}

} // namespace bench
} // namespace hx

#endif

#include "signalwaiter.h"

#include <QtCore/QCoreApplication>
#include <QtCore/QElapsedTimer>
#include <QtCore/QThread>

namespace hx {
namespace test {

bool SignalWaiter::wait(QSignalSpy &spy, int count, int timeoutMs)
{
    return waitFor([&spy, count] { return spy.count() >= count; }, timeoutMs);
}

bool SignalWaiter::waitFor(const std::function<bool()> &condition, int timeoutMs)
{
    QElapsedTimer timer;
    timer.start();
    while (!condition()) {
        if (timer.elapsed() > timeoutMs)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QThread::msleep(1);
    }
    return true;
}

} // namespace test
} // namespace hx

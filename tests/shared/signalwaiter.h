#ifndef HX_TEST_SIGNALWAITER_H
#define HX_TEST_SIGNALWAITER_H

#include <QtTest/QSignalSpy>

#include <functional>

namespace hx {
namespace test {

// Runs the event loop until a condition holds, never longer than a bound, so a test that
// waits for a queued reply fails quickly instead of hanging.
class SignalWaiter
{
public:
    // True once spy has recorded at least count emissions within timeoutMs.
    static bool wait(QSignalSpy &spy, int count = 1, int timeoutMs = 5000);
    // True once condition() returns true within timeoutMs.
    static bool waitFor(const std::function<bool()> &condition, int timeoutMs = 5000);
};

} // namespace test
} // namespace hx

#endif

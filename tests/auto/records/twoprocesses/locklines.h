#ifndef HX_TEST_LOCKLINES_H
#define HX_TEST_LOCKLINES_H

#include <QtCore/QStringList>

namespace twoprocesses {

// Keeps every log line that speaks of a locked or busy store, in either process, while still
// passing it on to the handler that was there before.
class LockLines
{
public:
    // Forgets what was kept and starts keeping.
    static void start();
    // Gives the log back to the handler that was there before start().
    static void stop();
    static QStringList lines();
};

} // namespace twoprocesses

#endif

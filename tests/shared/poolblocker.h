#ifndef HX_TEST_POOLBLOCKER_H
#define HX_TEST_POOLBLOCKER_H

#include <QtCore/QSemaphore>

namespace hx {
namespace test {

// Occupies every thread of the global pool until released, so that a job started meanwhile
// waits: the way to hold back a worker's reply.
class PoolBlocker
{
public:
    PoolBlocker();
    ~PoolBlocker();
    PoolBlocker(const PoolBlocker &) = delete;
    PoolBlocker &operator=(const PoolBlocker &) = delete;

    void release();

private:
    int m_threads;
    QSemaphore m_gate;
};

} // namespace test
} // namespace hx

#endif

#include "poolblocker.h"

#include <QtCore/QThreadPool>

namespace hx {
namespace test {

PoolBlocker::PoolBlocker() : m_threads(QThreadPool::globalInstance()->maxThreadCount())
{
    for (int i = 0; i < m_threads; ++i)
        QThreadPool::globalInstance()->start([this] { m_gate.acquire(); });
}

PoolBlocker::~PoolBlocker()
{
    release();
}

void PoolBlocker::release()
{
    m_gate.release(m_threads);
    m_threads = 0;
}

} // namespace test
} // namespace hx

#include <hx/trellan/places/currentcoordinate.h>

#include <cmath>
#include <limits>

namespace hx {
namespace trellan {
namespace places {

namespace {
constexpr double NaN = std::numeric_limits<double>::quiet_NaN();
}

CurrentCoordinate::CurrentCoordinate(QObject *parent)
    : QObject(parent), SelectorCoordinate(NaN, NaN, NaN, NaN, NaN), m_state(NoFix), m_error(0), m_sequence(0)
{ }

CurrentCoordinate::~CurrentCoordinate() = default;

bool CurrentCoordinate::isUsable() const
{
    return state() == Valid && !std::isnan(latitude()) && !std::isnan(longitude());
}

SelectorCoordinate CurrentCoordinate::value() const
{
    SelectorCoordinate copy;
    for (;;) {
        const unsigned int before = m_sequence.load(std::memory_order_acquire);
        copy.setLatitude(latitude());
        copy.setLongitude(longitude());
        copy.setAccuracy(accuracy());
        copy.setAltitude(altitude());
        copy.setAltitudeAccuracy(altitudeAccuracy());
        // The value loads are acquires, so this load cannot move before them; a value written
        // by a newer set() makes it see that set()'s odd sequence number.
        if ((before & 1u) == 0 && m_sequence.load(std::memory_order_relaxed) == before)
            return copy;
    }
}

void CurrentCoordinate::beginWrite()
{
    // The value stores that follow are releases, so they cannot move before this one.
    m_sequence.store(m_sequence.load(std::memory_order_relaxed) + 1, std::memory_order_relaxed);
}

void CurrentCoordinate::endWrite()
{
    m_sequence.store(m_sequence.load(std::memory_order_relaxed) + 1, std::memory_order_release);
}

void CurrentCoordinate::reset()
{
    m_state.store(NoFix, std::memory_order_release);
    m_error.store(0, std::memory_order_relaxed);
    beginWrite();
    setLatitude(NaN);
    setLongitude(NaN);
    endWrite();
}

void CurrentCoordinate::set(const SelectorCoordinate &coordinate)
{
    beginWrite();
    assignValues(coordinate);
    endWrite();
    m_state.store(Valid, std::memory_order_release);
    emit updated();
}

void CurrentCoordinate::setFailed(int error)
{
    m_error.store(error, std::memory_order_relaxed);
    m_state.store(Failed, std::memory_order_release);
}

} // namespace places
} // namespace trellan
} // namespace hx

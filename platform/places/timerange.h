#ifndef HX_PLATFORM_PLACES_TIMERANGE_H
#define HX_PLATFORM_PLACES_TIMERANGE_H

#include <QtCore/QMetaType>

namespace hx {
namespace platform {
namespace places {

// Opening hours of one stretch of a day, from start to end in local time of the place.
class TimeRange
{
public:
    TimeRange() = default;
    TimeRange(int startHour, int startMinute, int endHour, int endMinute)
        : m_startHour(startHour), m_startMinute(startMinute), m_endHour(endHour), m_endMinute(endMinute)
    { }

    int startHour() const { return m_startHour; }
    int startMinute() const { return m_startMinute; }
    int endHour() const { return m_endHour; }
    int endMinute() const { return m_endMinute; }
    void setStartHour(int hour) { m_startHour = hour; }
    void setStartMinute(int minute) { m_startMinute = minute; }
    void setEndHour(int hour) { m_endHour = hour; }
    void setEndMinute(int minute) { m_endMinute = minute; }

    bool operator==(const TimeRange &other) const
    {
        return m_startHour == other.m_startHour && m_startMinute == other.m_startMinute && m_endHour == other.m_endHour
            && m_endMinute == other.m_endMinute;
    }
    bool operator!=(const TimeRange &other) const { return !(*this == other); }

private:
    int m_startHour = 0;
    int m_startMinute = 0;
    int m_endHour = 0;
    int m_endMinute = 0;
};

} // namespace places
} // namespace platform
} // namespace hx

Q_DECLARE_METATYPE(hx::platform::places::TimeRange)

#endif

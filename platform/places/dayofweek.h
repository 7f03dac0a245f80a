#ifndef HX_PLATFORM_PLACES_DAYOFWEEK_H
#define HX_PLATFORM_PLACES_DAYOFWEEK_H

namespace hx {
namespace platform {
namespace places {

// Keys of the opening-hours map.
class DayOfWeek
{
public:
    enum Type { Sunday = 0, Monday = 1, Tuesday = 2, Wednesday = 3, Thursday = 4, Friday = 5, Saturday = 6 };
};

} // namespace places
} // namespace platform
} // namespace hx

#endif

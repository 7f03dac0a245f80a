#ifndef HX_PLATFORM_PLACES_CATEGORYTAGS_P_H
#define HX_PLATFORM_PLACES_CATEGORYTAGS_P_H

#include <QtCore/QString>
#include <QtCore/QStringList>

namespace hx {
namespace platform {
namespace places {

// The tags a point of interest carries for its category code: the main category of the code's
// two-letter group, and the airport tag for airports, so lists pick its icon.
class CategoryTags
{
public:
    static QStringList of(const QString &code);
    static bool isAirport(const QString &code);
    static bool isGasStation(const QString &code);
};

} // namespace places
} // namespace platform
} // namespace hx

#endif

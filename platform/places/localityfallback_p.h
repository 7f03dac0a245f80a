#ifndef HX_PLATFORM_PLACES_LOCALITYFALLBACK_P_H
#define HX_PLATFORM_PLACES_LOCALITYFALLBACK_P_H

#include <hx/platform/places/gazetteerentry.h>

#include <QtCore/QString>

namespace hx {
namespace platform {
namespace places {

class Gazetteer;

// The town an address text names when the gazetteer knows no address for it: "12 King Street,
// Waterloo" gives Waterloo. A run of words that is a town's whole name counts when every word
// after it belongs to that town's region, country or a postal code; the run that explains most
// words wins, nearest to the asking position among towns of the same name, else the largest.
class LocalityFallback
{
public:
    // An entry with id -1 when no town fits.
    static GazetteerEntry find(const Gazetteer &gazetteer, const QString &text, double nearLatitude,
                               double nearLongitude);
};

} // namespace places
} // namespace platform
} // namespace hx

#endif

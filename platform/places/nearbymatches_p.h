#ifndef HX_PLATFORM_PLACES_NEARBYMATCHES_P_H
#define HX_PLATFORM_PLACES_NEARBYMATCHES_P_H

#include <hx/platform/places/gazetteerentry.h>

#include <QtCore/QList>
#include <QtCore/QString>

namespace hx {
namespace platform {
namespace places {

class Gazetteer;

// A gazetteer search that puts what is around the user first. A word that names a category
// ("cafe", "essence") lists the points of interest of that category nearest the position; a
// text of several words lists first the nearest place whose name holds them all. Either comes
// before the search's own order (towns named by the word, far matches), which follows without
// repeats. Without a position, or for any other text, it is the search itself.
class NearbyMatches
{
public:
    // How far from the position a place still counts as around it.
    static constexpr double ReachMetres = 25000;

    static QList<GazetteerEntry> search(const Gazetteer &gazetteer, const QString &text, int kinds, double nearLatitude,
                                        double nearLongitude, int offset, int limit, bool *hasMore = nullptr);

private:
    static QList<GazetteerEntry> ofCategory(const Gazetteer &gazetteer, const QString &text, int kinds,
                                            double nearLatitude, double nearLongitude);
    static QList<GazetteerEntry> holdingAllWords(const QList<GazetteerEntry> &entries, const QString &text);
};

} // namespace places
} // namespace platform
} // namespace hx

#endif

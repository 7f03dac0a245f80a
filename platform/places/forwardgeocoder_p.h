#ifndef HX_PLATFORM_PLACES_FORWARDGEOCODER_P_H
#define HX_PLATFORM_PLACES_FORWARDGEOCODER_P_H

#include <hx/platform/places/abstractplace.h>
#include <hx/platform/places/coordinates.h>
#include <hx/platform/places/gazetteerentry.h>

#include <QtCore/QList>
#include <QtCore/QSharedPointer>
#include <QtCore/QString>

namespace hx {
namespace platform {
namespace places {

class Gazetteer;

// The forward geocoder behind the address group: full places for an address text near a
// position, finest first, each saying how precisely it stands for the text (the first auxiliary
// data's "geocodedLevel", its "geocodedPartly" when only the street or the town of the text was
// found, and the position's horizontal accuracy). In turn: addresses, streets and
// areas that match the whole text (for a street address, addresses only); else the places whose
// name or address holds every word, nearest first; else the street without its house number;
// else the town a street address names, or the town around the position. A word of a street
// never selects a town elsewhere. With streetsOnly, only addresses and streets: what the address
// section of a merged list shows, the towns and places being listed by their own groups.
class ForwardGeocoder
{
public:
    enum Level { AddressLevel, StreetLevel, NeighbourhoodLevel, TownLevel, RegionLevel, CountryLevel };

    static QList<QSharedPointer<AbstractPlace>> places(const Gazetteer &gazetteer, const QString &text,
                                                       const Coordinates &near, int offset, int limit, bool *hasMore,
                                                       bool streetsOnly = false);
    // A town's centre within this distance is the town around the position.
    static constexpr double TownReachMetres = 30000;

private:
    struct Match
    {
        GazetteerEntry entry;
        Level level;
        bool partial = false; // only part of the text was found: the street or the town
    };
    static QList<Match> matches(const Gazetteer &gazetteer, const QString &text, double latitude, double longitude,
                                int wanted, bool streetsOnly, bool *hasMore);
    static QList<Match> fallback(const Gazetteer &gazetteer, const QString &text, double latitude, double longitude,
                                 bool streetsOnly);
    static Level levelOf(const GazetteerEntry &entry);
    static QSharedPointer<AbstractPlace> placeOf(const Match &match);
};

} // namespace places
} // namespace platform
} // namespace hx

#endif

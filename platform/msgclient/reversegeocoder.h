#ifndef HX_MSGCLIENT_REVERSEGEOCODER_H
#define HX_MSGCLIENT_REVERSEGEOCODER_H

#include <hx/msgclient/revgeorequest.h>
#include <hx/platform/places/gazetteerentry.h>
#include <hx/platform/places/gazetteerstreet.h>

#include <QtCore/QByteArray>
#include <QtCore/QList>
#include <QtCore/QString>

#include <functional>
#include <memory>

namespace hx {
namespace msgclient {

// Answers reverse-geocoding requests from the gazetteer. The reply is
// {"response":[candidates]}, finest first: for "address" and "postal", the nearest address when
// one lies within HouseMetres, else the street the position lies on (within MaxStreetMetres),
// else the nearest address within MaxAddressMetres; then its locality, region and country;
// coarser boundaries start lower.
// A locality is a town, never a section of one: without an address nearby, "address" and
// "postal" get the section of the town (within MaxNeighbourhoodMetres) before the town itself.
// Each candidate has "name" (a one-line label), "street", "city", "region", "country",
// "postal_code", "lat", "lon", "zoom" and "merit" (-1). A refused request gets
// {"response":[],"error":"why"}. Not thread-safe: use one per thread.
class ReverseGeocoder
{
public:
    // Nearest entries of the given GazetteerEntry::Kind mask, nearest first.
    using Lookup = std::function<QList<platform::places::GazetteerEntry>(double latitude, double longitude, int kinds,
                                                                         int limit)>;

    static constexpr double MaxAddressMetres = 1000;
    static constexpr double MaxNeighbourhoodMetres = 2000;
    static constexpr double HouseMetres = 50;
    static constexpr double MaxStreetMetres = 100;

    // Reads the gazetteer file (empty: HX_GAZETTEER_DB or its default).
    explicit ReverseGeocoder(const QString &gazetteerPath = QString());
    // Reads from any source, such as a test's own places.
    explicit ReverseGeocoder(const Lookup &lookup);

    // Reads the places into memory ahead of the first request (see Gazetteer::preloadNearestIndex).
    void preload() const;

    QByteArray answer(const QByteArray &request) const;
    QByteArray answer(const RevGeoRequest &request) const;
    static QByteArray errorReply(const QString &reason);

private:
    // A lookup that may stop at maxMetres (an address farther away is never answered).
    using BoundedLookup = std::function<QList<platform::places::GazetteerEntry>(
        double latitude, double longitude, int kinds, int limit, double maxMetres)>;

    std::shared_ptr<void> m_gazetteer;
    BoundedLookup m_lookup;
    std::function<platform::places::GazetteerStreet(double latitude, double longitude, double maxMetres)> m_streets;
};

} // namespace msgclient
} // namespace hx

#endif

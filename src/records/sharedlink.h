#ifndef HX_TRELLAN_PLACES_SHAREDLINK_H
#define HX_TRELLAN_PLACES_SHAREDLINK_H

#include <hx/trellan/places/hxplacesglobal.h>

#include <hx/platform/places/coordinates.h>
#include <hx/platform/places/place.h>

#include <QtCore/QSharedPointer>
#include <QtCore/QString>

namespace hx {
namespace trellan {
namespace places {

// What a link shared by another application says about a place, read without the store: a place
// at a position, a text to geocode (near a position when the link gives one), or why the link is
// refused. Reads the share URI and the place URL of this library, "geo:" URIs with their common
// query extensions, and the links of web maps that carry a position or a query.
class HXPLACES_EXPORT SharedLink
{
public:
    enum Error : int {
        NoError = 0,
        EmptyLink,
        UnsupportedScheme,
        NotAMapLink,
        NoPlace,
        MalformedPosition,
        NonFiniteCoordinate,
        LatitudeOutOfRange,
        LongitudeOutOfRange,
        MalformedAltitude,
        UnsupportedCrs,
        EmptyQuery,
        QueryTooLong,
        NotFound,
        StoreFailure
    };

    // Longer labels are cut to this many characters; longer queries are refused.
    static const int MAX_TEXT_LENGTH = 256;

    // Never fails silently: a refused link writes one log line with its reason.
    static SharedLink read(const QString &link);
    static QString errorText(Error error);

    static SharedLink refused(Error error);
    static SharedLink placeAt(const QSharedPointer<hx::platform::places::Place> &place);
    static SharedLink search(const QString &query, const hx::platform::places::Coordinates &near, int zoom);

    Error error() const { return m_error; }
    bool isValid() const { return m_error == NoError; }
    // The place the link names; null for a query link or a refused one.
    QSharedPointer<hx::platform::places::Place> place() const { return m_place; }
    // The text to geocode; empty unless the link names no position of its own.
    QString query() const { return m_query; }
    // Where to look for the query; invalid when the link gives no position.
    hx::platform::places::Coordinates near() const { return m_near; }
    // The map zoom the link asks for, -1 when it names none.
    int zoom() const { return m_zoom; }

private:
    SharedLink() = default;

    Error m_error = EmptyLink;
    QSharedPointer<hx::platform::places::Place> m_place;
    QString m_query;
    hx::platform::places::Coordinates m_near;
    int m_zoom = -1;
};

} // namespace places
} // namespace trellan
} // namespace hx

#endif

#ifndef HX_TRELLAN_PLACES_LINKPARTS_P_H
#define HX_TRELLAN_PLACES_LINKPARTS_P_H

#include <hx/trellan/places/sharedlink.h>

#include <QtCore/QString>
#include <QtCore/QUrlQuery>

namespace hx {
namespace trellan {
namespace places {

// The pieces every link form is made of: positions, "lat,lon(Label)" queries, form-encoded
// query strings, labels and zoom levels.
class LinkParts
{
public:
    LinkParts() = delete;

    // A finite latitude within [-90, 90] and longitude within [-180, 180], or why not.
    static SharedLink::Error readPosition(const QString &latitude, const QString &longitude,
                                          hx::platform::places::Coordinates *position);
    // True when the text is "lat,lon" or "lat,lon(Label)" with two numbers (finite or not); the
    // parts are handed back for readPosition. Anything else is a text to search for.
    static bool splitPositionQuery(const QString &text, QString *latitude, QString *longitude, QString *label);
    // The query items of an encoded query string, with "+" read as a blank as web forms write it.
    static QUrlQuery formQuery(const QString &encodedQuery);
    static QString formValue(const QUrlQuery &query, const QString &key);
    // At most length characters, never splitting a surrogate pair.
    static QString cutText(const QString &text, int length = SharedLink::MAX_TEXT_LENGTH);
    // A whole zoom level from 0 to 22, or -1.
    static int readZoom(const QString &text);
    // A new place at the position, named by the label, shown at the zoom.
    static QSharedPointer<hx::platform::places::Place> placeAt(const hx::platform::places::Coordinates &position,
                                                               const QString &label, int zoom);
    static void setZoom(hx::platform::places::Place *place, int zoom);
    // The link for a free-text query: refused when blank or too long.
    static SharedLink searchFor(const QString &text, const hx::platform::places::Coordinates &near, int zoom);
};

} // namespace places
} // namespace trellan
} // namespace hx

#endif

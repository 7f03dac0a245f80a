#ifndef HX_PLATFORM_PLACES_GAZETTEERENTRY_H
#define HX_PLATFORM_PLACES_GAZETTEERENTRY_H

#include <QtCore/QMetaType>
#include <QtCore/QString>
#include <QtCore/QStringList>
#include <QtCore/QtNumeric>

namespace hx {
namespace platform {
namespace places {

// One place of the read-only gazetteer: a country, region, locality, neighbourhood, address or point
// of interest.
class GazetteerEntry
{
public:
    enum Kind {
        Country = 0x01,
        Region = 0x02,
        Locality = 0x04,
        Address = 0x08,
        PointOfInterest = 0x10,
        // A section of a town: found by search, but a position is named after its town (city).
        Neighbourhood = 0x20,
        AnyKind = 0x3f
    };

    qint64 id = -1; // row id in its gazetteer file; stable for that file
    Kind kind = Locality;
    QString name;
    QString street; // with the house number, as written locally
    QString postalCode;
    QString city;
    QString region;
    QString regionCode;
    QString country;
    QString countryCode; // ISO 3166-1 alpha-2
    QString category; // point-of-interest category code, empty otherwise
    QString phone;
    QString url;
    QString email;
    double latitude = qQNaN();
    double longitude = qQNaN();
    double importance = 0; // population or a like measure; higher comes first among equals
    double rating = qQNaN(); // average rating from 0 to 5; NaN when the place has none
    int ratingCount = 0; // how many ratings the average is drawn from
    double distanceMetres = qQNaN(); // to the position a search was given, when it had one
    // The place's names in other languages and scripts (localities and countries), which search
    // finds it by too; the writer keeps at most OtherNamesLimit of them. Gazetteer::entry() reads
    // them back, search results leave them out.
    QStringList otherNames;
    // The other name a search found the place by, when its own name did not match as well.
    QString foundAs;
    static constexpr int OtherNamesLimit = 255;

    bool operator==(const GazetteerEntry &other) const;
    bool operator!=(const GazetteerEntry &other) const { return !(*this == other); }
};

} // namespace places
} // namespace platform
} // namespace hx

Q_DECLARE_METATYPE(hx::platform::places::GazetteerEntry)

#endif

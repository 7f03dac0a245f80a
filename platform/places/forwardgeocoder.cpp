#include <hx/platform/places/gazetteer.h>
#include <hx/platform/places/place.h>

#include <algorithm>

#include "forwardgeocoder_p.h"
#include "localityfallback_p.h"
#include "nearbymatches_p.h"
#include "placefactory_p.h"
#include "streetwords_p.h"
#include "textfolding_p.h"

namespace hx {
namespace platform {
namespace places {

namespace {
constexpr int AreaKinds
    = GazetteerEntry::Neighbourhood | GazetteerEntry::Locality | GazetteerEntry::Region | GazetteerEntry::Country;

// How far the address may lie from the position found for it.
struct LevelText
{
    const char *name;
    float metres;
};
constexpr LevelText Levels[] = { { "address", 25 }, { "street", 250 },    { "neighbourhood", 1500 },
                                 { "town", 5000 },  { "region", 100000 }, { "country", 1000000 } };

// Whether a record names a street rather than an address on it: no house number at either end
// of its name. The end words are looked at where they stand when they are plain letters and
// digits; a name whose marks could join or split words when folded is folded first.
bool isStreetRecord(const GazetteerEntry &entry)
{
    if (entry.kind != GazetteerEntry::Address)
        return false;
    const QString &name = entry.name;
    const auto folded = [&name] {
        const QStringList words = TextFolding::words(name);
        return !words.isEmpty() && !StreetWords::isHouseNumber(words.first())
            && !StreetWords::isHouseNumber(words.last());
    };
    if (std::any_of(name.cbegin(), name.cend(), [](QChar c) { return c.isMark() || c.isSurrogate(); }))
        return folded();
    int first = 0;
    while (first < name.size() && !name.at(first).isLetterOrNumber())
        ++first;
    int firstEnd = first;
    while (firstEnd < name.size() && name.at(firstEnd).isLetterOrNumber())
        ++firstEnd;
    int lastEnd = name.size();
    while (lastEnd > first && !name.at(lastEnd - 1).isLetterOrNumber())
        --lastEnd;
    int last = lastEnd;
    while (last > first && name.at(last - 1).isLetterOrNumber())
        --last;
    if (first == name.size())
        return false;
    const QStringView firstWord = QStringView(name).mid(first, firstEnd - first);
    const QStringView lastWord = QStringView(name).mid(last, lastEnd - last);
    if (!TextFolding::isAscii(firstWord) || !TextFolding::isAscii(lastWord))
        return folded();
    return !StreetWords::isHouseNumber(firstWord) && !StreetWords::isHouseNumber(lastWord);
}

bool nearerFirst(const GazetteerEntry &a, const GazetteerEntry &b)
{
    // NaN (no position) sorts last.
    if (qIsNaN(a.distanceMetres) != qIsNaN(b.distanceMetres))
        return qIsNaN(b.distanceMetres);
    return a.distanceMetres < b.distanceMetres;
}
} // namespace

ForwardGeocoder::Level ForwardGeocoder::levelOf(const GazetteerEntry &entry)
{
    switch (entry.kind) {
    case GazetteerEntry::Neighbourhood:
        return NeighbourhoodLevel;
    case GazetteerEntry::Locality:
        return TownLevel;
    case GazetteerEntry::Region:
        return RegionLevel;
    case GazetteerEntry::Country:
        return CountryLevel;
    default:
        return isStreetRecord(entry) ? StreetLevel : AddressLevel;
    }
}

QList<ForwardGeocoder::Match> ForwardGeocoder::matches(const Gazetteer &gazetteer, const QString &text, double latitude,
                                                       double longitude, int wanted, bool streetsOnly, bool *hasMore)
{
    QList<Match> found;
    const bool streetAddress = StreetWords::looksLikeStreetAddress(TextFolding::words(text));
    // A street address matched by a town's name or region is no match: its words name a street.
    const int kinds = GazetteerEntry::Address | (streetAddress || streetsOnly ? 0 : AreaKinds);
    // An address to geocode is typed to its end: its whole names count (a trailing space says so).
    const QString whole = text + QLatin1Char(' ');
    for (const GazetteerEntry &entry :
         NearbyMatches::search(gazetteer, whole, kinds, latitude, longitude, 0, wanted, hasMore))
        found.append({ entry, levelOf(entry) });
    if (!found.isEmpty() || streetsOnly)
        return found;
    // A place's own name, or its address: "lumen coffee", "8 King St N".
    QList<GazetteerEntry> places = NearbyMatches::search(gazetteer, text, GazetteerEntry::PointOfInterest, latitude,
                                                         longitude, 0, wanted, hasMore);
    std::stable_sort(places.begin(), places.end(), nearerFirst);
    for (const GazetteerEntry &entry : qAsConst(places))
        found.append({ entry, AddressLevel });
    return found;
}

QList<ForwardGeocoder::Match> ForwardGeocoder::fallback(const Gazetteer &gazetteer, const QString &text,
                                                        double latitude, double longitude, bool streetsOnly)
{
    const QStringList words = TextFolding::words(text);
    if (!StreetWords::looksLikeStreetAddress(words))
        return {};
    // The street's own name must be there: "12 Street" names no street.
    const QStringList street = StreetWords::withoutHouseNumbers(words);
    if (street.size() < words.size() && !std::all_of(street.cbegin(), street.cend(), StreetWords::isStreetWord)) {
        for (const GazetteerEntry &entry : NearbyMatches::search(gazetteer, street.join(QLatin1Char(' ')),
                                                                 GazetteerEntry::Address, latitude, longitude, 0, 8)) {
            const QStringList named = TextFolding::words(
                QStringList { entry.name, entry.city, entry.region, entry.country }.join(QLatin1Char(' ')));
            if (isStreetRecord(entry) && TextFolding::matchesAll(street, named))
                return { { entry, StreetLevel, true } };
        }
    }
    if (streetsOnly)
        return {};
    GazetteerEntry town = LocalityFallback::find(gazetteer, text, latitude, longitude);
    // A town the data does not know is no reason to take the user's.
    if (town.id < 0 && !qIsNaN(latitude) && !qIsNaN(longitude) && !StreetWords::namesPlaceAfterStreet(words))
        town = gazetteer.nearest(latitude, longitude, GazetteerEntry::Locality, 1, TownReachMetres).value(0);
    if (town.id < 0)
        return {};
    return { { town, TownLevel, true } };
}

QSharedPointer<AbstractPlace> ForwardGeocoder::placeOf(const Match &match)
{
    Place *place = new Place(PlaceFactory::builtFromGazetteer(match.entry));
    const LevelText &level = Levels[match.level];
    Location location = place->location(0);
    Coordinates coordinates = location.coordinates();
    coordinates.setHorizontalAccuracy(level.metres);
    location.setCoordinates(coordinates);
    place->setLocation(0, location);
    QList<AuxiliaryData> data = place->auxiliaryData();
    if (!data.isEmpty()) {
        data.first().setProperty(QStringLiteral("geocodedLevel"), QLatin1String(level.name));
        if (match.partial)
            data.first().setProperty(QStringLiteral("geocodedPartly"), true);
        place->setAuxiliaryDataList(data);
    }
    return QSharedPointer<AbstractPlace>(place);
}

QList<QSharedPointer<AbstractPlace>> ForwardGeocoder::places(const Gazetteer &gazetteer, const QString &text,
                                                             const Coordinates &near, int offset, int limit,
                                                             bool *hasMore, bool streetsOnly)
{
    QList<QSharedPointer<AbstractPlace>> places;
    *hasMore = false;
    if (TextFolding::words(text).isEmpty() || offset < 0 || limit <= 0)
        return places;
    const bool located = near.isValid();
    const double latitude = located ? near.latitude() : qQNaN();
    const double longitude = located ? near.longitude() : qQNaN();
    bool more = false;
    QList<Match> found = matches(gazetteer, text, latitude, longitude, offset + limit + 1, streetsOnly, &more);
    if (found.isEmpty())
        found = fallback(gazetteer, text, latitude, longitude, streetsOnly);
    for (const Match &match : found.mid(offset, limit))
        places.append(placeOf(match));
    *hasMore = more || found.size() > offset + limit;
    return places;
}

} // namespace places
} // namespace platform
} // namespace hx

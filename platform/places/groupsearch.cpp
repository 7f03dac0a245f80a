#include <hx/platform/places/internaltags.h>
#include <hx/platform/places/searchresultgroup.h>
#include <hx/platform/places/tags.h>

#include <algorithm>
#include <cmath>
#include <functional>

#include "categorytags_p.h"
#include "forwardgeocoder_p.h"
#include "groupsearch_p.h"
#include "nearbymatches_p.h"
#include "placedatabase_p.h"
#include "placefactory_p.h"
#include "placeheader_p.h"
#include "spheregeometry_p.h"
#include "storescope_p.h"
#include "textfolding_p.h"

namespace hx {
namespace platform {
namespace places {

namespace {
using Places = GroupSearch::Places;
using Source = std::function<Places(int offset, int limit, bool *hasMore, Error::Type *error)>;

const QString CategorySeparator = QStringLiteral("_|_");
constexpr int CategorySuggestions = 3;
// Each gazetteer entry answers in one group of a merged list: points of interest in theirs,
// street addresses in the address group, these areas among the suggestions.
constexpr int AreaKinds
    = GazetteerEntry::Locality | GazetteerEntry::Neighbourhood | GazetteerEntry::Region | GazetteerEntry::Country;
// A gazetteer place this near a stored place of the same name is that place: the list shows
// the user's own and not the gazetteer's again.
constexpr double TwinMetres = 50;
constexpr double MetresPerDegree = SphereGeometry::EarthRadiusMetres * M_PI / 180;
// How many stored places matching the text are looked at for twins; a list shows fewer.
constexpr int TwinProbe = 32;

struct StoredPlace
{
    QString key;
    Coordinates position;
};
using StoredPlaces = QVector<StoredPlace>;

StoredPlaces readStoredMatches(const QString &text, bool nonFavorite)
{
    StoredPlaces stored;
    Error::Type error = Error::None;
    PlaceDatabase *db = PlaceDatabase::forCurrentThread(&error);
    if (!db || TextFolding::words(text).isEmpty())
        return stored;
    PlaceTable::Query query;
    query.text = text;
    query.noFlags = nonFavorite ? PlaceTable::FlagFavorite : 0;
    bool more = false;
    for (qint64 id : db->places().findIds(query, 0, TwinProbe, &more, &error)) {
        StoredPlace place;
        if (db->places().keyAndPosition(id, &place.key, &place.position))
            stored.append(place);
    }
    return stored;
}

// A merged list asks three gazetteer groups for one text within one store operation; the
// stored places they leave out are read once for all three.
StoredPlaces storedMatches(const QString &text, bool nonFavorite)
{
    struct Recent
    {
        quint64 mark = 0;
        QString text;
        bool nonFavorite = false;
        StoredPlaces stored;
    };
    thread_local Recent recent;
    if (StoreScope::isFresh(recent.mark) && recent.text == text && recent.nonFavorite == nonFavorite)
        return recent.stored;
    recent.stored = readStoredMatches(text, nonFavorite);
    recent.mark = StoreScope::mark();
    recent.text = text;
    recent.nonFavorite = nonFavorite;
    return recent.stored;
}

bool isStored(const AbstractPlace &place, const StoredPlaces &stored)
{
    const Coordinates position = place.primaryCoordinates();
    if (!position.isValid())
        return false;
    // No place is nearer than its difference in latitude: most are told apart by that alone,
    // before their names are folded.
    const auto mayBeNear = [&position](const StoredPlace &own) {
        return std::abs(own.position.latitude() - position.latitude()) * MetresPerDegree <= TwinMetres + 1;
    };
    if (std::none_of(stored.cbegin(), stored.cend(), mayBeNear))
        return false;
    const QString key = TextFolding::fold(place.name());
    return std::any_of(stored.cbegin(), stored.cend(), [&](const StoredPlace &own) {
        return own.key == key && own.position.distanceTo(position) <= TwinMetres;
    });
}

using PlaceSource = std::function<Places(int offset, int limit, bool *hasMore)>;

// The source's page without the places the user has stored; read from the start so that pages
// join up however many were left out before them. Twins are rare, so the page and one place
// more are read first, and read again further only for as many as were left out: every place
// read is a place built.
Places withoutStored(const PlaceSource &source, const StoredPlaces &stored, int offset, int limit, bool *hasMore)
{
    if (stored.isEmpty())
        return source(offset, limit, hasMore);
    const int wanted = offset + limit + 1;
    int asked = wanted;
    bool more = false;
    Places kept;
    for (;;) {
        kept.clear();
        const Places read = source(0, asked, &more);
        for (const QSharedPointer<AbstractPlace> &place : read) {
            if (!isStored(*place, stored))
                kept.append(place);
        }
        if (kept.size() >= wanted || !more || read.size() < asked)
            break;
        asked += wanted - int(kept.size());
    }
    *hasMore = more || kept.size() > offset + limit;
    return kept.mid(offset, limit);
}

QSharedPointer<AbstractPlace> headerOf(const Place &place)
{
    return QSharedPointer<AbstractPlace>(new PlaceHeader(PlaceHeaderPrivate::createHeader(place)));
}

PlaceTable::Order orderOf(const SortRule &rule)
{
    switch (rule.field()) {
    case SortRule::FieldName:
        return PlaceTable::OrderByName;
    case SortRule::FieldLastModified:
        return PlaceTable::OrderByModified;
    case SortRule::FieldLastUsed:
        return PlaceTable::OrderByLastUsed;
    case SortRule::FieldRelevance:
        break;
    }
    return PlaceTable::OrderByRelevance;
}

// An unreadable record is left out of the page; consumed still counts it.
Places storedPlaces(const PlaceTable::Query &query, bool full, int offset, int limit, bool *hasMore, Error::Type *error,
                    int *consumed = nullptr)
{
    Places places;
    PlaceDatabase *db = PlaceDatabase::forCurrentThread(error);
    if (!db)
        return places;
    const QList<qint64> ids = db->places().findIds(query, offset, limit, hasMore, error);
    if (consumed)
        *consumed = ids.size();
    for (qint64 id : ids) {
        Error::Type loadError = Error::None;
        std::unique_ptr<Place> place(db->places().load(id, &loadError));
        if (!place)
            continue;
        places.append(full ? QSharedPointer<AbstractPlace>(place.release()) : headerOf(*place));
    }
    return places;
}

Places contactPlaces(const QString &text, const SortRule &rule, int offset, int limit, bool *hasMore,
                     Error::Type *error, int *consumed = nullptr)
{
    Places places;
    PlaceDatabase *db = PlaceDatabase::forCurrentThread(error);
    if (!db)
        return places;
    const PlaceTable::Order order
        = rule.field() == SortRule::FieldRelevance ? PlaceTable::OrderByRelevance : PlaceTable::OrderByName;
    const QList<qint64> ids = db->contacts().findAddresses(text, order, rule.order() == SortRule::Descending, offset,
                                                           limit, hasMore, error);
    if (consumed)
        *consumed = ids.size();
    for (qint64 id : ids) {
        ContactEntry contact;
        ContactEntry::PostalAddress address;
        if (db->contacts().addressOf(id, &contact, &address))
            places.append(headerOf(PlaceFactory::fromContact(contact, address)));
    }
    return places;
}

QSharedPointer<AbstractPlace> suggestionOf(const GazetteerEntry &entry, const Coordinates &near)
{
    Place *place = new Place(PlaceFactory::builtFromGazetteer(entry));
    double distance = entry.distanceMetres;
    if (qIsNaN(distance))
        distance = near.distanceTo(place->primaryCoordinates());
    AuxiliaryData suggestion(QLatin1String(AuxiliaryData::TypeSuggestion), Provider(QLatin1String(Provider::Gazetteer)),
                             QString::number(entry.id));
    if (!qIsNaN(distance))
        suggestion.setProperty(QStringLiteral("distanceInMeter"), distance);
    if (!entry.foundAs.isEmpty())
        suggestion.setProperty(QStringLiteral("foundAs"), entry.foundAs);
    QList<AuxiliaryData> data = place->auxiliaryData();
    data.prepend(suggestion);
    place->setAuxiliaryDataList(data);
    place->addTag(QLatin1String(InternalTags::Suggestion));
    if (place->hasTag(QLatin1String(Tags::Airport)))
        place->addTag(QLatin1String(InternalTags::SuggestionAirport));
    if (CategoryTags::isGasStation(entry.category))
        place->addTag(QLatin1String(InternalTags::SuggestionGas));
    return QSharedPointer<AbstractPlace>(place);
}

QSharedPointer<AbstractPlace> categorySuggestion(const QString &code, const QString &name)
{
    Place *place = new Place;
    place->setName(name);
    place->setSource(AbstractPlace::SourceGeocodeService);
    place->addTag(QLatin1String(InternalTags::Suggestion));
    place->addTag(QLatin1String(InternalTags::SuggestionCategory));
    place->addAuxiliaryData(AuxiliaryData(QLatin1String(AuxiliaryData::TypeSuggestion),
                                          Provider(QLatin1String(Provider::Gazetteer)), code));
    return QSharedPointer<AbstractPlace>(place);
}

Places remotePlaces(const QString &text, int kinds, const Coordinates &near, bool full, int offset, int limit,
                    bool *hasMore, Error::Type *error)
{
    Places places;
    Gazetteer *gazetteer = PlaceFactory::gazetteer(error);
    if (!gazetteer || TextFolding::words(text).isEmpty())
        return places;
    const bool located = near.isValid();
    const QList<GazetteerEntry> entries
        = NearbyMatches::search(*gazetteer, text, kinds, located ? near.latitude() : qQNaN(),
                                located ? near.longitude() : qQNaN(), offset, limit, hasMore);
    for (const GazetteerEntry &entry : entries) {
        Place place = PlaceFactory::builtFromGazetteer(entry);
        // The row says which of its names the place was found by; the place keeps its own.
        if (!entry.foundAs.isEmpty()) {
            AuxiliaryData found(QLatin1String(AuxiliaryData::TypeSuggestion),
                                Provider(QLatin1String(Provider::Gazetteer)), QString::number(entry.id));
            found.setProperty(QStringLiteral("foundAs"), entry.foundAs);
            place.addAuxiliaryData(found);
        }
        places.append(full ? QSharedPointer<AbstractPlace>(new Place(place)) : headerOf(place));
    }
    return places;
}

// Full places for the forward geocoder.
Places addressPlaces(const QString &text, const Coordinates &near, bool streetsOnly, int offset, int limit,
                     bool *hasMore, Error::Type *error)
{
    Gazetteer *gazetteer = PlaceFactory::gazetteer(error);
    return gazetteer ? ForwardGeocoder::places(*gazetteer, text, near, offset, limit, hasMore, streetsOnly) : Places();
}

// Points of interest of a category (its sub-categories included): the nearest first when there
// is a position, else the most important. Terms without a code are searched as a name.
Places categoryPlaces(const QString &code, const QString &name, const Coordinates &near, int offset, int limit,
                      bool *hasMore, Error::Type *error)
{
    Gazetteer *gazetteer = PlaceFactory::gazetteer(error);
    if (!gazetteer || (code.isEmpty() && name.isEmpty()))
        return Places();
    if (code.isEmpty())
        return remotePlaces(name, GazetteerEntry::PointOfInterest, near, false, offset, limit, hasMore, error);
    const bool located = near.isValid();
    Places places;
    for (const GazetteerEntry &entry : gazetteer->inCategory(
             code, located ? near.latitude() : qQNaN(), located ? near.longitude() : qQNaN(), offset, limit, hasMore))
        places.append(headerOf(PlaceFactory::builtFromGazetteer(entry)));
    return places;
}

Places suggestions(const QString &text, const Coordinates &near, int offset, int limit, bool *hasMore,
                   Error::Type *error)
{
    Places places;
    Gazetteer *gazetteer = PlaceFactory::gazetteer(error);
    if (!gazetteer || TextFolding::words(text).isEmpty())
        return places;
    // Category suggestions come first; there are few, so the places' page starts after them.
    Places categories;
    for (const QString &pair : gazetteer->categories(text.trimmed(), CategorySuggestions)) {
        const int tab = pair.indexOf(QLatin1Char('\t'));
        if (tab > 0)
            categories.append(categorySuggestion(pair.left(tab), pair.mid(tab + 1)));
    }
    const int fromCategories = std::max(0, std::min(int(categories.size()) - offset, limit));
    places = categories.mid(offset, fromCategories);
    const int entryOffset = std::max(0, offset - int(categories.size()));
    const bool located = near.isValid();
    if (limit > fromCategories) {
        const QList<GazetteerEntry> entries
            = NearbyMatches::search(*gazetteer, text, AreaKinds, located ? near.latitude() : qQNaN(),
                                    located ? near.longitude() : qQNaN(), entryOffset, limit - fromCategories, hasMore);
        for (const GazetteerEntry &entry : entries)
            places.append(suggestionOf(entry, near));
    }
    // With the page filled by categories, one probe tells whether places follow.
    if (limit == fromCategories)
        *hasMore = offset + fromCategories < categories.size()
            || !gazetteer->search(text, AreaKinds, qQNaN(), qQNaN(), entryOffset, 1).isEmpty();
    if (places.isEmpty() && offset == 0 && categories.isEmpty()
        && gazetteer->search(text, GazetteerEntry::AnyKind, qQNaN(), qQNaN(), 0, 1).isEmpty()) {
        // Nothing of any kind has this name: the names one typing mistake away, only now, so
        // that a keystroke that finds something never pays for them.
        for (const GazetteerEntry &entry :
             gazetteer->spelledAlike(text, GazetteerEntry::AnyKind, located ? near.latitude() : qQNaN(),
                                     located ? near.longitude() : qQNaN(), limit)) {
            const QSharedPointer<AbstractPlace> place = suggestionOf(entry, near);
            place.staticCast<Place>()->addTag(QLatin1String(InternalTags::SuggestionSpelledAlike));
            places.append(place);
        }
    }
    return places;
}

// Recent places and recent search terms, newest first; search terms become full places with
// their internal tag so that the lists can tell them apart.
Places recents(const QString &text, bool nonFavorite, int offset, int limit, bool *hasMore, Error::Type *error)
{
    PlaceDatabase *db = PlaceDatabase::forCurrentThread(error);
    if (!db)
        return Places();
    // Both sources newest first, each read to the end of the page: their merge by time is then
    // exactly the newest offset + limit of the two together.
    PlaceTable::Query query;
    query.text = text;
    query.order = PlaceTable::OrderByLastUsed;
    query.descending = true;
    query.noFlags = nonFavorite ? PlaceTable::FlagFavorite : 0;
    const int wanted = offset + limit + 1;
    bool more = false;
    Places places = storedPlaces(query, true, 0, wanted, &more, error);
    if (*error != Error::None)
        return Places();
    bool termsMore = false;
    const QList<SearchTermTable::Term> terms = db->searchTerms().recent(text, 0, wanted, &termsMore, error);
    if (*error != Error::None)
        return Places();
    for (const SearchTermTable::Term &term : terms) {
        Place *place = new Place;
        place->setName(term.term);
        place->setLastUsedTime(term.lastUsed);
        if (term.category.isEmpty()) {
            place->addTag(QLatin1String(InternalTags::RecentSearchTerm));
        } else {
            place->addTag(QLatin1String(InternalTags::RecentSearchPointOfInterestCategory));
            place->addAuxiliaryData(AuxiliaryData(QLatin1String(AuxiliaryData::TypeSuggestion),
                                                  Provider(QLatin1String(Provider::Gazetteer)), term.category));
        }
        places.append(QSharedPointer<AbstractPlace>(place));
    }
    std::stable_sort(places.begin(), places.end(),
                     [](const auto &a, const auto &b) { return a->lastUsedTime() > b->lastUsedTime(); });
    *hasMore = more || termsMore || places.size() > offset + limit;
    return places.mid(offset, limit);
}

// A concatenation of sources: each is asked from its start for what the page still needs,
// which is cheap for the first pages that lists actually show.
Places concatenate(const QList<Source> &sources, int offset, int limit, bool *hasMore, Error::Type *error)
{
    Places all;
    const int wanted = offset + limit + 1;
    for (const Source &source : sources) {
        bool more = false;
        all += source(0, wanted - all.size(), &more, error);
        if (*error != Error::None)
            return Places();
        if (all.size() >= wanted)
            break;
    }
    *hasMore = all.size() > offset + limit;
    return all.mid(offset, limit);
}
} // namespace

Places GroupSearch::sourcePage(const Request &request, int offset, int limit, int *consumed, bool *hasMore,
                               Error::Type *error)
{
    if (limit <= 0 || offset < 0)
        return Places();
    const QString &text = request.text;
    const Coordinates &near = request.near;
    const bool nonFavorite = request.nonFavorite;
    PlaceTable::Query query;
    query.text = text;
    query.noFlags = nonFavorite ? PlaceTable::FlagFavorite : 0;
    query.order = orderOf(request.rule);
    query.descending = request.rule.order() == SortRule::Descending;
    // The gazetteer's groups leave out what the user has stored: My Places list it above them.
    const auto listed = [&](const PlaceSource &source) {
        return withoutStored(source, storedMatches(text, nonFavorite), offset, limit, hasMore);
    };
    switch (request.group) {
    case SearchResultGroup::Recents:
        return recents(text, nonFavorite, offset, limit, hasMore, error);
    case SearchResultGroup::Favorites:
        if (nonFavorite)
            return Places();
        query.anyFlags = PlaceTable::FlagFavorite;
        return storedPlaces(query, false, offset, limit, hasMore, error, consumed);
    case SearchResultGroup::RecentlyPicked:
        query.order = PlaceTable::OrderByLastUsed;
        query.descending = true;
        return storedPlaces(query, false, offset, limit, hasMore, error, consumed);
    case SearchResultGroup::Contacts:
        return contactPlaces(text, request.rule, offset, limit, hasMore, error, consumed);
    case SearchResultGroup::MyPlaces:
    case SearchResultGroup::MyPlacesGroup14:
        return storedPlaces(query, false, offset, limit, hasMore, error, consumed);
    case SearchResultGroup::RemotePlaces:
        return listed([&](int o, int l, bool *m) {
            return remotePlaces(text, GazetteerEntry::AnyKind, near, false, o, l, m, error);
        });
    case SearchResultGroup::Addresses:
        // Alone it is the forward geocoder, whose callers want the town of a text too.
        if (!request.merged)
            return addressPlaces(text, near, false, offset, limit, hasMore, error);
        return listed([&](int o, int l, bool *m) { return addressPlaces(text, near, true, o, l, m, error); });
    case SearchResultGroup::PointsOfInterest:
    case SearchResultGroup::PointsOfInterestNearby:
        return listed([&](int o, int l, bool *m) {
            return remotePlaces(text, GazetteerEntry::PointOfInterest, near, false, o, l, m, error);
        });
    case SearchResultGroup::Suggestions:
        return listed([&](int o, int l, bool *m) { return suggestions(text, near, o, l, m, error); });
    case SearchResultGroup::CategoryCode:
        return categoryPlaces(text.trimmed(), QString(), near, offset, limit, hasMore, error);
    case SearchResultGroup::CategorySearch: {
        const int split = text.indexOf(CategorySeparator);
        const QString code = split < 0 ? QString() : text.left(split).trimmed();
        const QString name = split < 0 ? text.trimmed() : text.mid(split + CategorySeparator.size()).trimmed();
        return categoryPlaces(code, name, near, offset, limit, hasMore, error);
    }
    case SearchResultGroup::All: {
        const StoredPlaces stored = storedMatches(text, nonFavorite);
        const QList<Source> sources = {
            [&](int o, int l, bool *m, Error::Type *e) { return storedPlaces(query, false, o, l, m, e); },
            [&](int o, int l, bool *m, Error::Type *e) { return contactPlaces(text, request.rule, o, l, m, e); },
            [&](int o, int l, bool *m, Error::Type *e) {
                return withoutStored(
                    [&](int o2, int l2, bool *m2) {
                        return remotePlaces(text, GazetteerEntry::AnyKind, near, false, o2, l2, m2, e);
                    },
                    stored, o, l, m);
            },
        };
        return concatenate(sources, offset, limit, hasMore, error);
    }
    default:
        *error = Error::InvalidArgument;
        return Places();
    }
}

Places GroupSearch::page(const Request &request, int offset, int limit, int *consumed, bool *hasMore,
                         Error::Type *error)
{
    *hasMore = false;
    *error = Error::None;
    *consumed = -1;
    Places places = sourcePage(request, offset, limit, consumed, hasMore, error);
    if (*consumed < 0)
        *consumed = places.size();
    return places;
}

Places GroupSearch::run(SearchHandle &handle, int group, const QString &text, const Coordinates &near, bool nonFavorite,
                        int offset, int limit, Error::Type *error, const SortRule &rule, bool merged)
{
    handle = SearchHandle();
    handle.m_group = group;
    handle.m_text = text;
    handle.m_near = near;
    handle.m_nonFavorite = nonFavorite;
    handle.m_rule = rule;
    handle.m_merged = merged;
    bool hasMore = false;
    int consumed = 0;
    const Places places = page({ group, text, near, nonFavorite, rule, merged }, std::max(0, offset), limit, &consumed,
                               &hasMore, error);
    handle.m_position = std::max(0, offset) + consumed;
    handle.m_hasMoreData = *error == Error::None && hasMore;
    return places;
}

Places GroupSearch::more(SearchHandle &handle, int count, int start, Error::Type *error)
{
    if (!handle.isValid() || start < -1) {
        *error = Error::InvalidArgument;
        return Places();
    }
    const int from = start == -1 ? handle.m_position : start;
    bool hasMore = false;
    int consumed = 0;
    const Places places
        = page({ handle.m_group, handle.m_text, handle.m_near, handle.m_nonFavorite, handle.m_rule, handle.m_merged },
               from, count, &consumed, &hasMore, error);
    handle.m_position = from + consumed;
    handle.m_hasMoreData = *error == Error::None && hasMore;
    return places;
}

} // namespace places
} // namespace platform
} // namespace hx

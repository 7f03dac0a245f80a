#ifndef HX_PLATFORM_PLACES_PLACETABLE_P_H
#define HX_PLATFORM_PLACES_PLACETABLE_P_H

#include <hx/platform/places/error.h>
#include <hx/platform/places/place.h>

#include <QtCore/QList>
#include <QtCore/QString>
#include <QtCore/QStringList>

#include "decodedrecords_p.h"

namespace hx {
namespace platform {
namespace places {

class PlaceDatabase;

// The user's places: each record with its locations, the flags and times the lists sort and
// filter by, its tags and its words in the word index.
class PlaceTable
{
public:
    enum Flag { FlagFavorite = 1, FlagRecent = 2, FlagHome = 4, FlagWork = 8 };
    // Relevance: in name order without a text, else in the order of the word index (the cheap
    // walk the as-you-type lists use). Last used lists only places that were used.
    enum Order { OrderByRelevance, OrderByName, OrderByLastUsed, OrderByModified };

    struct Query
    {
        QString text;
        int anyFlags = 0; // 0: every place; else places with one of these flags
        int noFlags = 0; // places with none of these flags
        Order order = OrderByRelevance;
        bool descending = false; // reverses every order but relevance
    };

    static int favoritesLimit();
    static void setFavoritesLimit(int limit);

    explicit PlaceTable(PlaceDatabase &db) : m_db(db) { }

    Place *load(qint64 id, Error::Type *error);
    // The folded name and the first position of a place without reading its record: false when
    // there is no such place or it has no position.
    bool keyAndPosition(qint64 id, QString *key, Coordinates *position);
    bool exists(qint64 id);
    // -1 when there is no such place.
    int flagsOf(qint64 id);
    // Inserts a new place, or rewrites the stored one with the same id; sets the place's id.
    Error::Type write(Place &place, bool insert);
    Error::Type remove(qint64 id);
    Error::Type setLastUsed(qint64 id, qint64 seconds);
    // Forgets every use: places kept only because they were used go, with the search terms.
    Error::Type clearRecent();
    // -1 when the count cannot be read.
    int countWithFlag(int flag);

    QList<qint64> findIds(const Query &query, int offset, int limit, bool *hasMore, Error::Type *error);
    QList<qint64> findByTags(const QStringList &tags, Order order, int offset, int limit, bool *hasMore,
                             Error::Type *error);
    // Stored places with exactly this name, nearest first.
    QList<qint64> findByName(const QString &name, bool caseSensitive, Error::Type *error);

    // Makes every key and word list again from the records.
    Error::Type refold();

private:
    Error::Type writeRecord(const Place &place, bool insert, qint64 *id);

    PlaceDatabase &m_db;
    DecodedRecords m_decoded;
};

} // namespace places
} // namespace platform
} // namespace hx

#endif

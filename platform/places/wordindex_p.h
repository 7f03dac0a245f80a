#ifndef HX_PLATFORM_PLACES_WORDINDEX_P_H
#define HX_PLATFORM_PLACES_WORDINDEX_P_H

#include <hx/platform/places/error.h>

#include <QtCore/QList>
#include <QtCore/QStringList>

struct sqlite3_stmt;

namespace hx {
namespace platform {
namespace places {

class PlaceDatabase;

// The store's word lists keyed by a row: the folded words of each place and of each contact
// address, walked by prefix range as the user types, and the tags of each place.
class WordIndex
{
public:
    enum List { PlaceWords, PlaceTags, ContactWords };

    explicit WordIndex(PlaceDatabase &db) : m_db(db) { }

    // Replaces what the list holds for one row with words.
    Error::Type replace(List list, qint64 id, const QStringList &words);

    // Binds ?1 and ?2 to the range of index words that start with the most selective of words.
    static void bindPrefixRange(sqlite3_stmt *stmt, const QStringList &words);
    // Reads the (id, search text) rows of a walk over a word range: each id once, only those
    // whose text holds every word, the first `offset` skipped, until one more than `limit`.
    static void collectMatches(sqlite3_stmt *stmt, const QStringList &words, int offset, int limit, QList<qint64> *ids);
    // Drops the one row read past the page, which only tells that more exist.
    static void trimToPage(QList<qint64> *ids, int limit, bool *hasMore);

private:
    PlaceDatabase &m_db;
};

} // namespace places
} // namespace platform
} // namespace hx

#endif

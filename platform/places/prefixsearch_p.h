#ifndef HX_PLATFORM_PLACES_PREFIXSEARCH_P_H
#define HX_PLATFORM_PLACES_PREFIXSEARCH_P_H

#include <hx/platform/places/gazetteerentry.h>

#include <QtCore/QHash>
#include <QtCore/QList>
#include <QtCore/QSet>
#include <QtCore/QString>
#include <QtCore/QStringList>

#include "gazetteercandidate_p.h"

namespace hx {
namespace platform {
namespace places {

class GazetteerPrivate;
class NameTier;

// The as-you-type search of the gazetteer over its full-text index: every typed word as a
// prefix, exact names first, the first matches by importance ranked by text and distance.
class PrefixSearch
{
public:
    explicit PrefixSearch(GazetteerPrivate &gazetteer) : m_gazetteer(gazetteer) { }

    // Its statements, prepared when the file is opened; false when the file lacks them.
    bool prepare();
    QList<GazetteerEntry> search(const QString &text, int kinds, double nearLatitude, double nearLongitude, int offset,
                                 int limit, bool *hasMore);
    // For a text that finds nothing: the best matches of the texts one typing mistake away
    // (a letter wrong, missing, added or two swapped) in one word, by importance and distance.
    QList<GazetteerEntry> spelledAlike(const QString &text, int kinds, double nearLatitude, double nearLongitude,
                                       int limit);

private:
    QList<GazetteerEntry> searchAsTyped(const QString &text, int kinds, double nearLatitude, double nearLongitude,
                                        int offset, int limit, bool *hasMore);
    // Whether a term of one of the kinds is the word (whole) or starts with it.
    bool hasTerm(const QString &word, int kinds, bool whole);
    // The same asked of the full-text indexes, for files that list only long terms.
    bool isIndexed(const QString &word, int kinds, bool whole);
    static QStringList editsOf(const QString &word);
    // Whether an other name tells a person more than the name: not the name folded, nor the name
    // written without its letters ("Koeln" for Köln).
    static bool saysMore(const QString &otherName, const QString &name);
    // The other name as the place itself writes it, when it is one written without its letters.
    QString withItsLetters(qint64 id, const QString &otherName);
    QStringList termsStartingWith(const QString &prefix, int limit);
    // expandLongPrefixes: ask for a prefix longer than the prefix indexes as the listed terms it
    // stands for (the names' index), else as a prefix (the other names' index, whose terms are few).
    QString matchQuery(const QList<QStringList> &words, int kinds, bool expandLongPrefixes);
    // A candidate from a row of ExactSql or PrefixSql.
    GazetteerCandidate readCandidate(sqlite3_stmt *statement, const NameTier &tier);
    // Whether a point of interest is an airport, remembered: typing the next letter asks about
    // the same places again, and the file does not change under this object.
    bool isAirport(qint64 id);
    GazetteerCandidates exactMatches(const QString &key, const NameTier &tier, int kinds);
    bool prefixMatches(const QString &query, const QList<QStringList> &phrases, const NameTier &tier,
                       const QSet<qint64> &skip, int windowSize, int wanted, GazetteerCandidates *window,
                       GazetteerCandidates *tail);
    // Whether each phrase stands whole in the entry's name or in its place.
    bool holdsPhrases(qint64 id, const QString &nameKey, const QList<QStringList> &phrases);
    QStringList placeWords(qint64 id);
    // Adds the places found by other names to the ranked window (or betters the tier of those
    // already in it) and drops them from the tail.
    void addOtherNameMatches(const QString &query, const QString &key, bool finished, const QSet<qint64> &exactIds,
                             GazetteerCandidates *window, GazetteerCandidates *tail);
    // Sorts the first `wanted` candidates by how the name matches, then by a score of importance
    // and distance, then id. finished: the text ends in a space, so a whole name counts.
    static void rank(GazetteerCandidates *candidates, int wanted, double nearLatitude, double nearLongitude,
                     bool finished);

    GazetteerPrivate &m_gazetteer;
    QHash<QString, QStringList> m_termsCache; // within one StoreScope
    quint64 m_termsMark = 0;
    QHash<qint64, bool> m_airports;
};

} // namespace places
} // namespace platform
} // namespace hx

#endif

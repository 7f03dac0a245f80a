#include <QtCore/QDebug>

#include <sqlite3.h>

#include <algorithm>
#include <cmath>
#include <limits>

#include "gazetteer_p.h"
#include "gazetteerschema_p.h"
#include "gazetteertext_p.h"
#include "nametier_p.h"
#include "nearpoint_p.h"
#include "prefixsearch_p.h"
#include "spheregeometry_p.h"
#include "sqlstatement_p.h"
#include "storescope_p.h"

namespace hx {
namespace platform {
namespace places {

namespace {
// How many prefix matches, in importance order, are ranked by text and distance. Ranking
// every match of a one-letter prefix would visit a large part of the file; the first few
// hundred by importance hold what a user means by nearly any short prefix.
constexpr int RankedWindow = 200;
// Exact-name matches are looked up by index first so that a rare exact name is never lost
// behind a window full of more important prefix matches.
constexpr int ExactLimit = 64;
constexpr const char *ExactSql = "SELECT id, name_key, latitude, longitude, importance, kind, city FROM entries "
                                 "WHERE name_key = ?1 AND (kind & ?2) != 0 ORDER BY id LIMIT ?3";
// The index yields matches in rowid (importance) order and the kinds are part of the match,
// so the join reads only the rows the caller keeps: a short prefix costs as little as a long one.
constexpr const char *PrefixSql
    = "SELECT e.id, e.name_key, e.latitude, e.longitude, e.importance, e.kind, e.city FROM names JOIN entries e "
      "ON e.id = names.rowid "
      "WHERE names MATCH ?1 ORDER BY names.rowid";
// A point of interest's category, read only for the few whose name does not match: the details
// of points of interest are a table of their own.
constexpr const char *CategorySql = "SELECT category FROM entries WHERE id = ?1";
// A bound on the answers remembered; a few thousand places are the ones typing comes back to.
constexpr int RememberedAirportChecks = 16384;
// The texts an entry's place is indexed from, in the writer's order.
constexpr const char *PlaceSql = "SELECT street, postal_code, city, region, country FROM entries WHERE id = ?1";
constexpr const char *TermsSql = "SELECT term FROM terms WHERE term >= ?1 AND term < ?2 ORDER BY term LIMIT ?3";
// Whether any name or other name holds a term, in files that list only long terms of the names.
constexpr const char *NameTermSql = "SELECT 1 FROM names WHERE names MATCH ?1 LIMIT 1";
constexpr const char *OtherNameTermSql = "SELECT 1 FROM other_names_index WHERE other_names_index MATCH ?1 LIMIT 1";
// How many places found by their other names join the ranked window: a name people type for a
// place is nearly always one of the big places that have such names.
constexpr int OtherNamesWindow = 48;
// Shorter texts find other names only after the places' own names.
constexpr int ShortestOtherName = 4;
// A prefix that stands for at most this many whole terms is searched as those terms.
constexpr int ExpandLimit = 48;
// Words shorter than this are not corrected: nearly any change of them is another word.
constexpr int ShortestCorrected = 4;
// How many corrected texts are searched; each is one prefix search.
constexpr int MostCorrections = 8;
// Longer words are not names mistyped but text pasted or leaned on.
constexpr int LongestCorrected = 16;
// A bound on the edits looked up for one text (each a few index reads per kind): the usual
// slips of a name of up to a dozen letters are within it.
constexpr int MostLookups = 700;

// Distances up to about this many metres hardly count against a place: a town nearby and one
// across the region are alike, one a continent away must be far bigger to come first.
constexpr double NearMetres = 10000;

// Big places win far away, near ones nearby: the people a place stands for against how far it
// is, both in orders of magnitude, which is the ratio of the two. Regions and countries are
// stored above every town by whole steps of AreaImportanceStep; their people are the remainder.
double scoreOf(double importance, double distance)
{
    const double people = std::max(std::fmod(importance, GazetteerSchema::AreaImportanceStep), 1.0);
    if (std::isinf(distance) || std::isnan(distance))
        return people;
    return people / (1 + distance / NearMetres);
}

} // namespace

GazetteerCandidate PrefixSearch::readCandidate(sqlite3_stmt *statement, const NameTier &tier)
{
    GazetteerCandidate candidate;
    candidate.id = sqlite3_column_int64(statement, 0);
    int size = 0;
    const char *name = SqlStatement::columnBytes(statement, 1, &size);
    candidate.tier = tier.of(name, size);
    candidate.hasPosition
        = sqlite3_column_type(statement, 2) != SQLITE_NULL && sqlite3_column_type(statement, 3) != SQLITE_NULL;
    candidate.latitude = sqlite3_column_double(statement, 2);
    candidate.longitude = sqlite3_column_double(statement, 3);
    candidate.importance = sqlite3_column_double(statement, 4);
    // An airport is known by the town it serves as much as by its own name: "toro" means
    // Toronto's airport, whatever it is called. Not by its region or country, though: "cana"
    // means Canada, not every airport in it.
    if (candidate.tier == NameTier::AddressOnly && sqlite3_column_int(statement, 5) == GazetteerEntry::PointOfInterest
        && isAirport(candidate.id)) {
        const QByteArray town = GazetteerText::foldedKey(SqlStatement::columnText(statement, 6)).toUtf8();
        if (tier.of(town.constData(), town.size()) != NameTier::AddressOnly)
            candidate.tier = NameTier::Start;
    }
    return candidate;
}

bool PrefixSearch::isAirport(qint64 id)
{
    const auto known = m_airports.constFind(id);
    if (known != m_airports.cend())
        return known.value();
    sqlite3_stmt *query = m_gazetteer.statement(CategorySql);
    if (!query)
        return false;
    SqlStatement use(query);
    sqlite3_bind_int64(query, 1, id);
    const bool airport
        = sqlite3_step(query) == SQLITE_ROW && SqlStatement::columnText(query, 0).startsWith(QLatin1String("ALA"));
    if (m_airports.size() >= RememberedAirportChecks)
        m_airports.clear();
    m_airports.insert(id, airport);
    return airport;
}

bool PrefixSearch::prepare()
{
    return m_gazetteer.statement(ExactSql) && m_gazetteer.statement(PrefixSql);
}

QStringList PrefixSearch::termsStartingWith(const QString &prefix, int limit)
{
    // The groups of one search ask for the same kinds' terms again and again.
    const quint64 mark = StoreScope::mark();
    if (mark == 0 || mark != m_termsMark) {
        m_termsCache.clear();
        m_termsMark = mark;
    }
    const QString cacheKey = prefix + QLatin1Char('\n') + QString::number(limit);
    const auto cached = m_termsCache.constFind(cacheKey);
    if (cached != m_termsCache.cend())
        return cached.value();
    QStringList terms;
    sqlite3_stmt *query = m_gazetteer.statement(TermsSql);
    SqlStatement use(query);
    SqlStatement::bindText(query, 1, prefix);
    // U+10FFFF sorts after every character a term can continue with.
    SqlStatement::bindText(query, 2, prefix + QString::fromUcs4(U"\U0010FFFF"));
    sqlite3_bind_int(query, 3, limit);
    while (sqlite3_step(query) == SQLITE_ROW)
        terms.append(SqlStatement::columnText(query, 0));
    if (mark != 0)
        m_termsCache.insert(cacheKey, terms);
    return terms;
}

namespace {
// The first n characters (code points) of a text; the index counts prefixes in characters.
QString firstCharacters(const QString &text, int n)
{
    int units = 0;
    for (int characters = 0; characters < n && units < text.size(); ++characters)
        units += text.at(units).isHighSurrogate() && units + 1 < text.size() ? 2 : 1;
    return text.left(units);
}

// Whether the token after its kind letter makes a prefix longer than the longest prefix index.
bool passesPrefixIndexes(const QString &token)
{
    return firstCharacters(token, GazetteerSchema::LongestIndexedPrefix - 1).size() < token.size();
}
} // namespace

QString PrefixSearch::matchQuery(const QList<QStringList> &words, int kinds, bool expandLongPrefixes)
{
    // Per kind: every word as a phrase whose last token is a prefix; the kinds joined by OR.
    // Tokens are letters and digits only, so nothing in them can be read as query syntax.
    const bool positions = m_gazetteer.version < GazetteerSchema::FirstVersionWithoutPositions;
    const bool listsLongTermsOnly = m_gazetteer.version >= GazetteerSchema::FirstVersionWithLongTermsOnly;
    QStringList perKind;
    for (int kind = GazetteerEntry::Country; kind <= GazetteerEntry::Neighbourhood; kind <<= 1) {
        if (!(kinds & kind))
            continue;
        const QChar letter = GazetteerText::kindLetter(kind);
        QStringList phrases;
        for (const QStringList &tokens : words) {
            QStringList prefixed;
            for (const QString &token : tokens)
                prefixed.append(letter + token);
            const QString last = prefixed.takeLast();
            // An index without word positions is asked for the words of a phrase one by one;
            // the matches are then kept only where they stand together (holdsPhrases).
            QString lead;
            if (!prefixed.isEmpty() && positions)
                lead = prefixed.join(QLatin1Char(' ')) + QLatin1Char(' ');
            else if (!prefixed.isEmpty())
                lead = QLatin1Char('"') + prefixed.join(QStringLiteral("\" AND \"")) + QStringLiteral("\" AND ");
            const QString prefixPhrase = positions
                ? QLatin1Char('"') + lead + last + QStringLiteral("\"*")
                : QLatin1Char('(') + lead + QLatin1Char('"') + last + QStringLiteral("\"*)");
            // A prefix of its own index is read directly; a longer one as the few whole terms it
            // stands for, and an absent word drops the kind. Files of version 6 list only the long
            // terms of the names; other names' terms are few enough to be gathered.
            if (listsLongTermsOnly && (!expandLongPrefixes || !passesPrefixIndexes(last.mid(1)))) {
                phrases.append(prefixPhrase);
                continue;
            }
            const QStringList terms = termsStartingWith(last, ExpandLimit + 1);
            if (terms.isEmpty()) {
                phrases.clear();
                break; // no entry of this kind has the word
            }
            if (last.size() <= GazetteerSchema::LongestIndexedPrefix || terms.size() > ExpandLimit) {
                phrases.append(prefixPhrase);
                continue;
            }
            QStringList alternatives;
            for (const QString &term : terms)
                alternatives.append(QLatin1Char('"') + (positions ? lead : QString()) + term + QLatin1Char('"'));
            const QString anyTerm = QLatin1Char('(') + alternatives.join(QStringLiteral(" OR ")) + QLatin1Char(')');
            phrases.append(positions ? anyTerm : QLatin1Char('(') + lead + anyTerm + QLatin1Char(')'));
        }
        if (!phrases.isEmpty())
            perKind.append(QLatin1Char('(') + phrases.join(QStringLiteral(" AND ")) + QLatin1Char(')'));
    }
    return perKind.join(QStringLiteral(" OR "));
}

GazetteerCandidates PrefixSearch::exactMatches(const QString &key, const NameTier &tier, int kinds)
{
    GazetteerCandidates found;
    sqlite3_stmt *query = m_gazetteer.statement(ExactSql);
    SqlStatement use(query);
    SqlStatement::bindText(query, 1, key);
    sqlite3_bind_int(query, 2, kinds);
    sqlite3_bind_int(query, 3, ExactLimit);
    int rc;
    while ((rc = sqlite3_step(query)) == SQLITE_ROW)
        found.append(readCandidate(query, tier));
    if (rc != SQLITE_DONE)
        qWarning().noquote() << "hx::platform::places::Gazetteer::search() exact lookup failed:"
                             << m_gazetteer.sqliteError();
    return found;
}

bool PrefixSearch::prefixMatches(const QString &query, const QList<QStringList> &phrases, const NameTier &tier,
                                 const QSet<qint64> &skip, int windowSize, int wanted, GazetteerCandidates *window,
                                 GazetteerCandidates *tail)
{
    sqlite3_stmt *matches = m_gazetteer.statement(PrefixSql);
    SqlStatement use(matches);
    SqlStatement::bindText(matches, 1, query);
    int read = 0;
    int rc;
    while ((rc = sqlite3_step(matches)) == SQLITE_ROW) {
        const qint64 id = sqlite3_column_int64(matches, 0);
        if (skip.contains(id))
            continue;
        if (!phrases.isEmpty() && !holdsPhrases(id, SqlStatement::columnText(matches, 1), phrases))
            continue;
        const bool inWindow = read < windowSize;
        ++read;
        if (inWindow) {
            window->append(readCandidate(matches, tier));
        } else {
            tail->append(readCandidate(matches, tier));
            if (skip.size() + window->size() + tail->size() >= wanted)
                return true;
        }
    }
    if (rc != SQLITE_DONE) {
        qWarning().noquote() << "hx::platform::places::Gazetteer::search() failed:" << m_gazetteer.sqliteError();
        return false;
    }
    return true;
}

namespace {
// Whether the words hold the phrase as typed: its words one after the other, the last one started.
bool containsPhrase(const QStringList &words, const QStringList &phrase)
{
    for (int start = 0; start + phrase.size() <= words.size(); ++start) {
        int matched = 0;
        while (matched + 1 < phrase.size() && words.at(start + matched) == phrase.at(matched))
            ++matched;
        if (matched + 1 == phrase.size() && words.at(start + matched).startsWith(phrase.last()))
            return true;
    }
    return false;
}
} // namespace

bool PrefixSearch::holdsPhrases(qint64 id, const QString &nameKey, const QList<QStringList> &phrases)
{
    const QStringList name = nameKey.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    QStringList place;
    bool placeRead = false;
    for (const QStringList &phrase : phrases) {
        if (containsPhrase(name, phrase))
            continue;
        if (!placeRead) {
            place = placeWords(id);
            placeRead = true;
        }
        if (!containsPhrase(place, phrase))
            return false;
    }
    return true;
}

QStringList PrefixSearch::placeWords(qint64 id)
{
    sqlite3_stmt *query = m_gazetteer.statement(PlaceSql);
    if (!query)
        return {};
    SqlStatement use(query);
    sqlite3_bind_int64(query, 1, id);
    if (sqlite3_step(query) != SQLITE_ROW)
        return {};
    QStringList parts;
    for (int column = 0; column < 5; ++column)
        parts.append(SqlStatement::columnText(query, column));
    return GazetteerText::foldedWords(parts.join(QLatin1Char(' ')));
}

void PrefixSearch::rank(GazetteerCandidates *candidates, int wanted, double nearLatitude, double nearLongitude,
                        bool finished)
{
    const bool near = SphereGeometry::isValidPosition(nearLatitude, nearLongitude);
    const NearPoint point(nearLatitude, nearLongitude);
    for (GazetteerCandidate &candidate : *candidates) {
        // With a position, a place without one counts as the farthest there can be.
        candidate.distance = !near  ? std::numeric_limits<double>::infinity()
            : candidate.hasPosition ? point.metresTo(candidate.latitude, candidate.longitude)
                                    : SphereGeometry::HalfCircumferenceMetres;
        // A whole name counts only once the user has finished typing it: while "mars" is being
        // typed, the village of that name is no better a match than the city it begins.
        if (candidate.tier == NameTier::Exact && !finished)
            candidate.tier = NameTier::Start;
        if (candidate.tier == NameTier::WordStarts)
            candidate.tier = NameTier::Start;
        candidate.score = scoreOf(candidate.importance, candidate.distance);
    }
    // Ids are unique, so the order is total and only the part a page can reach is sorted.
    const auto end = candidates->begin() + qBound(0, wanted, int(candidates->size()));
    std::partial_sort(candidates->begin(), end, candidates->end(),
                      [](const GazetteerCandidate &a, const GazetteerCandidate &b) {
                          if (a.tier != b.tier)
                              return a.tier < b.tier;
                          if (a.score != b.score)
                              return a.score > b.score;
                          return a.id < b.id;
                      });
}

void PrefixSearch::addOtherNameMatches(const QString &query, const QString &key, bool finished,
                                       const QSet<qint64> &exactIds, GazetteerCandidates *window,
                                       GazetteerCandidates *tail)
{
    GazetteerCandidates others = m_gazetteer.otherNames.find(query, key, finished, OtherNamesWindow);
    if (others.isEmpty())
        return;
    // A few letters start some name of nearly every country in one of its many languages ("ven":
    // Venäjä, Vengrija): until the text says more, those come after the places' own names.
    // A character of a script written without spaces says as much as a word.
    const bool ideographic = std::any_of(key.cbegin(), key.cend(), [](QChar c) { return c.unicode() >= 0x2e80; });
    if (key.size() < ShortestOtherName && !ideographic) {
        for (GazetteerCandidate &other : others)
            other.tier = NameTier::AddressOnly;
    }
    QHash<qint64, int> inWindow;
    for (int i = 0; i < window->size(); ++i)
        inWindow.insert(window->at(i).id, i);
    QSet<qint64> found;
    for (const GazetteerCandidate &other : others) {
        if (exactIds.contains(other.id))
            continue;
        found.insert(other.id);
        const auto at = inWindow.constFind(other.id);
        if (at == inWindow.cend()) {
            window->append(other);
            continue;
        }
        // Its own name matched too: the other name is shown only when it matched better.
        GazetteerCandidate &own = (*window)[at.value()];
        if (other.tier < own.tier) {
            own.tier = other.tier;
            own.foundAs = other.foundAs;
        }
    }
    tail->erase(std::remove_if(tail->begin(), tail->end(),
                               [&found](const GazetteerCandidate &candidate) { return found.contains(candidate.id); }),
                tail->end());
}

QList<GazetteerEntry> PrefixSearch::search(const QString &text, int kinds, double nearLatitude, double nearLongitude,
                                           int offset, int limit, bool *hasMore)
{
    QList<GazetteerEntry> found = searchAsTyped(text, kinds, nearLatitude, nearLongitude, offset, limit, hasMore);
    bool probeMore = false;
    if (!found.isEmpty()
        || (offset > 0 && !searchAsTyped(text, kinds, nearLatitude, nearLongitude, 0, 1, &probeMore).isEmpty()))
        return found;
    // "koeln", "zuerich": the way German and Scandinavian names are written without their
    // letters, tried only when the text as typed finds nothing.
    const QString plain = GazetteerText::withoutLetterPairs(text);
    if (plain == text)
        return found;
    return searchAsTyped(plain, kinds, nearLatitude, nearLongitude, offset, limit, hasMore);
}

QList<GazetteerEntry> PrefixSearch::searchAsTyped(const QString &text, int kinds, double nearLatitude,
                                                  double nearLongitude, int offset, int limit, bool *hasMore)
{
    kinds &= GazetteerEntry::AnyKind;
    const QList<QStringList> words = GazetteerText::queryWords(text);
    if (kinds == 0 || offset < 0 || limit <= 0 || words.isEmpty())
        return {};
    // Regions and countries are numbered before every town, so a prefix that starts many of
    // their names ("muni": the municipalities of a country) would fill the ranked window alone;
    // they get a window of their own.
    constexpr int Areas = GazetteerEntry::Region | GazetteerEntry::Country;
    const QList<int> passes
        = (kinds & Areas) && (kinds & ~Areas) ? QList<int> { kinds & ~Areas, kinds & Areas } : QList<int> { kinds };
    QStringList queries;
    for (int passKinds : passes) {
        const QString query = matchQuery(words, passKinds, true);
        if (!query.isEmpty())
            queries.append(query);
    }
    // Files that list only the names' terms may still find a long word among other names.
    if (queries.isEmpty() && m_gazetteer.version < GazetteerSchema::FirstVersionWithLongTermsOnly)
        return {};

    // The order is: the exact names and the first prefix matches by importance, ranked by text
    // and distance; then every further match in importance order. It never depends on the page
    // asked for, so pages join up without gaps or repeats.
    const QString key = GazetteerText::foldedKey(text);
    const NameTier tier(key);
    GazetteerCandidates head = exactMatches(key, tier, kinds);
    QSet<qint64> exactIds;
    for (const auto &candidate : qAsConst(head))
        exactIds.insert(candidate.id);
    GazetteerCandidates window;
    window.reserve(RankedWindow);
    GazetteerCandidates tail;
    const int wanted = offset + limit + 1; // one more than the page tells whether more exist
    // Words typed without a space between ("saint-denis") are phrases; an index without word
    // positions cannot tell them, so its matches are checked.
    QList<QStringList> phrases;
    if (m_gazetteer.version >= GazetteerSchema::FirstVersionWithoutPositions) {
        for (const QStringList &word : words) {
            if (word.size() > 1)
                phrases.append(word);
        }
    }
    for (const QString &query : qAsConst(queries)) {
        GazetteerCandidates passTail;
        if (!prefixMatches(query, phrases, tier, exactIds, RankedWindow, wanted, &window, &passTail))
            return {};
        tail += passTail;
    }
    const bool finished = !text.isEmpty() && text.at(text.size() - 1).isSpace();
    QList<QStringList> tokens;
    for (const QStringList &word : words) {
        for (const QString &token : word)
            tokens.append(QStringList { token });
    }
    // Only towns, their sections and countries have other names; a search for streets or points of
    // interest does not look.
    const int namedKinds = kinds & (GazetteerEntry::Country | GazetteerEntry::Locality | GazetteerEntry::Neighbourhood);
    if (namedKinds != 0)
        addOtherNameMatches(matchQuery(tokens, namedKinds, false), key, finished, exactIds, &window, &tail);
    // Ids run in importance order: the tails of both passes as one.
    std::sort(tail.begin(), tail.end(),
              [](const GazetteerCandidate &a, const GazetteerCandidate &b) { return a.id < b.id; });
    head.append(window);
    rank(&head, offset + limit, nearLatitude, nearLongitude, finished);
    head.append(tail);

    const bool near = SphereGeometry::isValidPosition(nearLatitude, nearLongitude);
    QVector<qint64> ids;
    QHash<qint64, QString> foundAs;
    for (int i = offset; i < head.size() && i < offset + limit; ++i) {
        ids.append(head.at(i).id);
        if (!head.at(i).foundAs.isEmpty())
            foundAs.insert(head.at(i).id, head.at(i).foundAs);
    }
    QList<GazetteerEntry> entries = m_gazetteer.readEntries(ids);
    for (GazetteerEntry &entry : entries) {
        // A country shown in the phone's language may be shown by the very name it was found by,
        // and "Koeln" is Köln written without its letters: neither says more than the name.
        const QString typedName = foundAs.value(entry.id);
        if (!typedName.isEmpty() && saysMore(typedName, entry.name))
            entry.foundAs = withItsLetters(entry.id, typedName);
        if (near && SphereGeometry::isValidPosition(entry.latitude, entry.longitude))
            entry.distanceMetres
                = SphereGeometry::distanceMetres(nearLatitude, nearLongitude, entry.latitude, entry.longitude);
    }
    *hasMore = head.size() > offset + limit;
    return entries;
}

bool PrefixSearch::saysMore(const QString &otherName, const QString &name)
{
    const QString nameKey = GazetteerText::foldedKey(name);
    return GazetteerText::foldedKey(otherName) != nameKey
        && GazetteerText::foldedKey(GazetteerText::withoutLetterPairs(otherName)) != nameKey;
}

QString PrefixSearch::withItsLetters(qint64 id, const QString &otherName)
{
    // "Muenchen" is shown as the place's own "München" when it has that name too.
    const QString plain = GazetteerText::withoutLetterPairs(otherName);
    if (plain == otherName)
        return otherName;
    const QString plainKey = GazetteerText::foldedKey(plain);
    for (const QString &name : m_gazetteer.otherNamesOf(id)) {
        if (GazetteerText::foldedKey(name) == plainKey)
            return name;
    }
    return otherName;
}

QStringList PrefixSearch::editsOf(const QString &word)
{
    // The usual slips first: two letters swapped, one left out, one too many, one wrong.
    QStringList edits;
    for (int i = 0; i + 1 < word.size(); ++i) {
        QString swapped = word;
        swapped[i] = word.at(i + 1);
        swapped[i + 1] = word.at(i);
        if (swapped != word)
            edits.append(swapped);
    }
    for (int i = 0; i < word.size(); ++i)
        edits.append(word.left(i) + word.mid(i + 1));
    const bool latin = std::all_of(word.cbegin(), word.cend(), [](QChar c) {
        return (c >= QLatin1Char('a') && c <= QLatin1Char('z')) || c.isDigit();
    });
    for (int i = 0; latin && i <= word.size(); ++i) {
        for (char letter = 'a'; letter <= 'z'; ++letter)
            edits.append(word.left(i) + QLatin1Char(letter) + word.mid(i));
    }
    for (int i = 0; latin && i < word.size(); ++i) {
        for (char letter = 'a'; letter <= 'z'; ++letter) {
            if (word.at(i) != QLatin1Char(letter))
                edits.append(word.left(i) + QLatin1Char(letter) + word.mid(i + 1));
        }
    }
    edits.removeDuplicates();
    return edits;
}

bool PrefixSearch::hasTerm(const QString &word, int kinds, bool whole)
{
    if (m_gazetteer.version >= GazetteerSchema::FirstVersionWithLongTermsOnly)
        return isIndexed(word, kinds, whole);
    for (int kind = GazetteerEntry::Country; kind <= GazetteerEntry::Neighbourhood; kind <<= 1) {
        if (!(kinds & kind))
            continue;
        const QString term = GazetteerText::kindLetter(kind) + word;
        const QStringList found = termsStartingWith(term, 1);
        if (!found.isEmpty() && (!whole || found.first() == term))
            return true;
    }
    return false;
}

bool PrefixSearch::isIndexed(const QString &word, int kinds, bool whole)
{
    QStringList alternatives;
    for (int kind = GazetteerEntry::Country; kind <= GazetteerEntry::Neighbourhood; kind <<= 1) {
        if (kinds & kind)
            alternatives.append(QLatin1Char('"') + GazetteerText::kindLetter(kind) + word + QLatin1Char('"')
                                + (whole ? QString() : QStringLiteral("*")));
    }
    const QString query = alternatives.join(QStringLiteral(" OR "));
    for (const char *sql : { NameTermSql, OtherNameTermSql }) {
        sqlite3_stmt *statement = m_gazetteer.statement(sql);
        if (!statement)
            continue;
        SqlStatement use(statement);
        SqlStatement::bindText(statement, 1, query);
        if (sqlite3_step(statement) == SQLITE_ROW)
            return true;
    }
    return false;
}

QList<GazetteerEntry> PrefixSearch::spelledAlike(const QString &text, int kinds, double nearLatitude,
                                                 double nearLongitude, int limit)
{
    kinds &= GazetteerEntry::AnyKind;
    QStringList tokens;
    for (const QStringList &word : GazetteerText::queryWords(text))
        tokens += word;
    if (tokens.isEmpty() || kinds == 0 || limit <= 0)
        return {};
    // The last word is still being typed unless a space follows it.
    const bool finished = text.at(text.size() - 1).isSpace();
    QStringList corrected;
    int lookups = 0;
    for (int i = 0; i < tokens.size() && corrected.size() < MostCorrections && lookups < MostLookups; ++i) {
        if (tokens.at(i).size() < ShortestCorrected || tokens.at(i).size() > LongestCorrected)
            continue;
        const bool whole = finished || i + 1 < tokens.size();
        for (const QString &edit : editsOf(tokens.at(i))) {
            if (++lookups > MostLookups)
                break;
            if (!hasTerm(edit, kinds, whole))
                continue;
            QStringList words = tokens;
            words[i] = edit;
            corrected.append(words.join(QLatin1Char(' ')) + (finished ? QStringLiteral(" ") : QString()));
            if (corrected.size() >= MostCorrections)
                break;
        }
    }
    QList<GazetteerEntry> found;
    QSet<qint64> ids;
    for (const QString &attempt : qAsConst(corrected)) {
        bool more = false;
        for (const GazetteerEntry &entry : search(attempt, kinds, nearLatitude, nearLongitude, 0, limit, &more)) {
            if (!ids.contains(entry.id)) {
                ids.insert(entry.id);
                found.append(entry);
            }
        }
    }
    std::stable_sort(found.begin(), found.end(), [](const GazetteerEntry &a, const GazetteerEntry &b) {
        return scoreOf(a.importance, a.distanceMetres) > scoreOf(b.importance, b.distanceMetres);
    });
    return found.mid(0, limit);
}

} // namespace places
} // namespace platform
} // namespace hx

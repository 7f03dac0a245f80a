#ifndef HX_PLATFORM_PLACES_GAZETTEER_H
#define HX_PLATFORM_PLACES_GAZETTEER_H

#include <hx/platform/places/gazetteerentry.h>
#include <hx/platform/places/gazetteerreview.h>
#include <hx/platform/places/gazetteerstreet.h>

#include <QtCore/QList>
#include <QtCore/QScopedPointer>
#include <QtCore/QString>
#include <QtCore/QStringList>

#include <limits>

namespace hx {
namespace platform {
namespace places {

class GazetteerPrivate;

// The read-only gazetteer file: the places of the world that stand in for an online provider.
// It answers as-you-type prefix searches and nearest-place lookups. One instance holds one
// connection; use an instance from one thread at a time (open one per thread).
class Gazetteer
{
public:
    // An empty path means HX_GAZETTEER_DB, or $XDG_DATA_HOME/hxplaces/gazetteer.db when unset.
    explicit Gazetteer(const QString &path = QString());
    ~Gazetteer();
    Gazetteer(const Gazetteer &) = delete;
    Gazetteer &operator=(const Gazetteer &) = delete;

    static QString defaultPath();

    // Great-circle distance in metres between two points given in degrees.
    static double distanceMetres(double latitude1, double longitude1, double latitude2, double longitude2);

    bool isOpen() const;
    QString path() const;
    QString errorString() const;

    // Entries whose names match every word of text as a prefix (case and diacritics folded),
    // of the kinds in the GazetteerEntry::Kind mask. A word may also match the entry's street,
    // postal code, city, region or country (so "baker london" finds a Baker Street in London);
    // such entries come after those matched by name alone. Best first: text match, then nearness to
    // (nearLatitude, nearLongitude) when both are numbers, then importance. Returns at most
    // limit entries from offset; *hasMore tells whether more exist beyond them.
    QList<GazetteerEntry> search(const QString &text, int kinds, double nearLatitude, double nearLongitude, int offset,
                                 int limit, bool *hasMore = nullptr) const;

    // For a text that finds nothing: the best matches of the texts one typing mistake away from
    // it (one letter wrong, missing, added, or two swapped, in one word), big and near first.
    QList<GazetteerEntry> spelledAlike(const QString &text, int kinds, double nearLatitude, double nearLongitude,
                                       int limit) const;

    // The entries of the given kinds nearest to a point, nearest first, with distanceMetres set;
    // none farther than maxMetres.
    QList<GazetteerEntry> nearest(double latitude, double longitude, int kinds, int limit,
                                  double maxMetres = std::numeric_limits<double>::infinity()) const;

    // Reads every place's position into memory for nearest(), for a long-lived reader that
    // answers many lookups: a few microseconds each instead of a walk of the file's index.
    // About a second and 32 MB for a million places, shared by every Gazetteer of the
    // same file in the process.
    void preloadNearestIndex() const;

    // Points of interest whose category code starts with code, compared case-insensitively, so a
    // code also finds its sub-categories. With a position (both numbers): those that have a
    // position, nearest first, with distanceMetres set; without: all of them, most important
    // first. At most limit entries from offset; *hasMore tells whether more exist beyond them.
    QList<GazetteerEntry> inCategory(const QString &code, double nearLatitude, double nearLongitude, int offset,
                                     int limit, bool *hasMore = nullptr) const;

    // One entry by its id; an entry with id -1 when there is none.
    GazetteerEntry entry(qint64 id) const;

    // Point-of-interest category codes and names whose names start with prefix, as
    // "code\tname" pairs, for category suggestions.
    QStringList categories(const QString &prefix, int limit) const;

    // The street nearest a point within maxMetres, at its point nearest the given one, with
    // distanceMetres set; an invalid street when none is that near.
    GazetteerStreet nearestStreet(double latitude, double longitude, double maxMetres) const;

    // The reviews of the point of interest with this id, newest first.
    QList<GazetteerReview> reviews(qint64 id) const;

private:
    QScopedPointer<GazetteerPrivate> d;
};

} // namespace places
} // namespace platform
} // namespace hx

#endif

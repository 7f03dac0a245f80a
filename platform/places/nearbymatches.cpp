#include <hx/platform/places/gazetteer.h>

#include <QtCore/QSet>

#include <algorithm>

#include "categorywords_p.h"
#include "nearbymatches_p.h"
#include "spheregeometry_p.h"
#include "textfolding_p.h"

namespace hx {
namespace platform {
namespace places {

namespace {
// The category's places a list shows before the rest; a page of a list seldom holds more.
constexpr int CategoryHead = 20;
// A place that holds every word is among the search's first few: they share its best tier.
constexpr int WordsProbe = 16;

bool isAround(const GazetteerEntry &entry)
{
    return !(entry.distanceMetres > NearbyMatches::ReachMetres) && !qIsNaN(entry.distanceMetres);
}
} // namespace

QList<GazetteerEntry> NearbyMatches::ofCategory(const Gazetteer &gazetteer, const QString &text, int kinds,
                                                double nearLatitude, double nearLongitude)
{
    if (!(kinds & GazetteerEntry::PointOfInterest))
        return {};
    const QString code = CategoryWords::codeOf(text);
    if (code.isEmpty())
        return {};
    QList<GazetteerEntry> around;
    for (const GazetteerEntry &entry : gazetteer.inCategory(code, nearLatitude, nearLongitude, 0, CategoryHead)) {
        if (isAround(entry))
            around.append(entry);
    }
    return around;
}

QList<GazetteerEntry> NearbyMatches::holdingAllWords(const QList<GazetteerEntry> &entries, const QString &text)
{
    const QStringList words = TextFolding::words(text);
    const GazetteerEntry *nearest = nullptr;
    for (const GazetteerEntry &entry : entries) {
        if (isAround(entry) && TextFolding::matchesAll(words, TextFolding::words(entry.name))
            && (!nearest || entry.distanceMetres < nearest->distanceMetres))
            nearest = &entry;
    }
    return nearest ? QList<GazetteerEntry> { *nearest } : QList<GazetteerEntry>();
}

QList<GazetteerEntry> NearbyMatches::search(const Gazetteer &gazetteer, const QString &text, int kinds,
                                            double nearLatitude, double nearLongitude, int offset, int limit,
                                            bool *hasMore)
{
    const bool located = SphereGeometry::isValidPosition(nearLatitude, nearLongitude);
    const bool severalWords = TextFolding::words(text).size() > 1;
    QList<GazetteerEntry> head
        = located ? ofCategory(gazetteer, text, kinds, nearLatitude, nearLongitude) : QList<GazetteerEntry>();
    if (!located || (head.isEmpty() && !severalWords))
        return gazetteer.search(text, kinds, nearLatitude, nearLongitude, offset, limit, hasMore);

    // The search's own order from its start, read once for the head and the page.
    const int wanted = std::max(0, offset) + std::max(0, limit) + 1;
    bool more = false;
    const QList<GazetteerEntry> found = gazetteer.search(text, kinds, nearLatitude, nearLongitude, 0,
                                                         head.isEmpty() ? std::max(wanted, WordsProbe) : wanted, &more);
    if (head.isEmpty())
        head = holdingAllWords(found.mid(0, WordsProbe), text);
    QSet<qint64> ids;
    for (const GazetteerEntry &entry : qAsConst(head))
        ids.insert(entry.id);
    QList<GazetteerEntry> all = head;
    for (const GazetteerEntry &entry : found) {
        if (!ids.contains(entry.id))
            all.append(entry);
    }
    if (hasMore)
        *hasMore = more || all.size() > offset + limit;
    return offset < 0 || limit <= 0 ? QList<GazetteerEntry>() : all.mid(offset, limit);
}

} // namespace places
} // namespace platform
} // namespace hx

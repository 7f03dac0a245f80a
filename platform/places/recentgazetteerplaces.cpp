#include <QtCore/QHash>
#include <QtCore/QVector>

#include "recentgazetteerplaces_p.h"

namespace hx {
namespace platform {
namespace places {

namespace {
// A few screens of rows from every group of a search.
constexpr int Capacity = 512;

struct Built
{
    GazetteerEntry source; // without what a search adds: distance, the name found by
    Place place;
};

struct Recent
{
    QHash<qint64, Built> places;
    QVector<qint64> order; // oldest first, for eviction
    int next = 0;
};

Recent &recent()
{
    static thread_local Recent made;
    return made;
}

GazetteerEntry sourceOf(const GazetteerEntry &entry)
{
    GazetteerEntry source = entry;
    source.distanceMetres = qQNaN();
    source.foundAs.clear();
    source.otherNames.clear();
    return source;
}
} // namespace

void RecentGazetteerPlaces::remember(const GazetteerEntry &entry, const Place &place)
{
    Recent &r = recent();
    const qint64 id = entry.id;
    if (!r.places.contains(id)) {
        if (r.order.size() < Capacity) {
            r.order.append(id);
        } else {
            r.places.remove(r.order.at(r.next));
            r.order[r.next] = id;
            r.next = (r.next + 1) % Capacity;
        }
    }
    r.places.insert(id, { sourceOf(entry), place });
}

bool RecentGazetteerPlaces::recall(qint64 id, Place *place)
{
    const Recent &r = recent();
    const auto found = r.places.constFind(id);
    if (found == r.places.cend())
        return false;
    *place = found.value().place;
    return true;
}

bool RecentGazetteerPlaces::recallBuilt(const GazetteerEntry &entry, Place *place)
{
    const Recent &r = recent();
    const auto found = r.places.constFind(entry.id);
    if (found == r.places.cend() || !(found.value().source == sourceOf(entry)))
        return false;
    *place = found.value().place;
    return true;
}

void RecentGazetteerPlaces::forget()
{
    recent() = Recent();
}

} // namespace places
} // namespace platform
} // namespace hx

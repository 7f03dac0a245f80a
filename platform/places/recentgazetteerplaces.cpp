#include <QtCore/QHash>
#include <QtCore/QVector>

#include "recentgazetteerplaces_p.h"

namespace hx {
namespace platform {
namespace places {

namespace {
// A few screens of rows from every group of a search.
constexpr int Capacity = 512;

struct Recent
{
    QHash<qint64, Place> places;
    QVector<qint64> order; // oldest first, for eviction
    int next = 0;
};

Recent &recent()
{
    static thread_local Recent made;
    return made;
}
} // namespace

void RecentGazetteerPlaces::remember(qint64 id, const Place &place)
{
    Recent &r = recent();
    if (r.places.contains(id)) {
        r.places.insert(id, place);
        return;
    }
    if (r.order.size() < Capacity) {
        r.order.append(id);
    } else {
        r.places.remove(r.order.at(r.next));
        r.order[r.next] = id;
        r.next = (r.next + 1) % Capacity;
    }
    r.places.insert(id, place);
}

bool RecentGazetteerPlaces::recall(qint64 id, Place *place)
{
    const Recent &r = recent();
    const auto found = r.places.constFind(id);
    if (found == r.places.cend())
        return false;
    *place = found.value();
    return true;
}

void RecentGazetteerPlaces::forget()
{
    recent() = Recent();
}

} // namespace places
} // namespace platform
} // namespace hx

#ifndef HX_PLATFORM_PLACES_NEARESTINDEX_P_H
#define HX_PLATFORM_PLACES_NEARESTINDEX_P_H

#include <QtCore/QString>
#include <QtCore/QVector>

#include <memory>
#include <vector>

#include "fileidentity_p.h"

struct sqlite3;

namespace hx {
namespace platform {
namespace places {

// Every positioned place of a gazetteer as a point on the unit sphere, in one k-d tree per
// kind, for a long-lived reader that answers a stream of nearest lookups (the reverse-geocoding
// service). The straight line between two points on the sphere grows with the great circle
// between them, so the nearest by one is the nearest by the other, across the antimeridian and
// the poles alike, with no trigonometry per place. 32 bytes a place; the file is read once.
class NearestIndex
{
public:
    // One index per gazetteer file in the process, shared by every connection that asks for it
    // (each thread of a service has its own connection): the file at path with the identity it
    // had when the connection opened it; an invalid identity gets an index of its own. Null when
    // the file cannot be read.
    static std::shared_ptr<const NearestIndex> shared(const QString &path, const FileIdentity &identity, sqlite3 *db,
                                                      QString *error);

    // The ids of the places of the kinds mask that can be among the limit nearest to the point
    // within maxMetres: the nearest by straight line, with any so close behind the last of them
    // that rounding could change the order. The caller measures and orders them exactly.
    QVector<qint64> candidates(double latitude, double longitude, int kinds, int limit, double maxMetres) const;

    struct Point
    {
        double x;
        double y;
        double z;
        qint64 id;
    };

private:
    static constexpr int KindCount = 6;

    // Points in the order of an implicit balanced tree: the middle of every range splits it
    // on the axis stored for that middle.
    struct Tree
    {
        std::vector<Point> points;
        std::vector<unsigned char> axes;
    };

    bool load(sqlite3 *db, QString *error);
    static void build(Tree *tree, size_t begin, size_t end);

    Tree m_trees[KindCount];
};

} // namespace places
} // namespace platform
} // namespace hx

#endif

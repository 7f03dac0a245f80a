#include <QtCore/QHash>
#include <QtCore/QMutex>
#include <QtCore/QtMath>

#include <sqlite3.h>

#include <algorithm>
#include <cmath>
#include <limits>

#include "nearestindex_p.h"

namespace hx {
namespace platform {
namespace places {

namespace {
constexpr double EarthRadiusMetres = 6371008.8;
// Ranges this small are scanned rather than split further.
constexpr size_t LeafSize = 8;
// Straight-line lengths on the unit sphere closer than this (about 6 mm) may swap places when
// measured along the great circle instead, so places that close behind the last kept come too.
constexpr double Slack = 1e-9;

using Point = NearestIndex::Point;

Point onSphere(double latitude, double longitude, qint64 id)
{
    const double phi = qDegreesToRadians(latitude);
    const double lambda = qDegreesToRadians(longitude);
    return { std::cos(phi) * std::cos(lambda), std::cos(phi) * std::sin(lambda), std::sin(phi), id };
}

double coordinate(const Point &point, int axis)
{
    return axis == 0 ? point.x : axis == 1 ? point.y : point.z;
}

double squaredChord(const Point &a, const Point &b)
{
    const double dx = a.x - b.x;
    const double dy = a.y - b.y;
    const double dz = a.z - b.z;
    return dx * dx + dy * dy + dz * dz;
}

// The straight line on the unit sphere that spans a great-circle distance.
double chordOf(double metres)
{
    if (!(metres < M_PI * EarthRadiusMetres))
        return 2;
    return 2 * std::sin(metres / (2 * EarthRadiusMetres));
}

// One walk over a tree: either the limit nearest squared lengths within a bound (kept as a
// max-heap, so the bound tightens as nearer places are met), or every place within a bound.
class Walk
{
public:
    Walk(const std::vector<Point> &points, const std::vector<unsigned char> &axes, const Point &from)
        : m_points(points), m_axes(axes), m_from(from)
    { }

    void nearest(size_t limit, double bound, std::vector<double> *heap) const
    {
        m_limit = limit;
        m_bound = bound;
        m_heap = heap;
        m_within = nullptr;
        visit(0, m_points.size());
    }

    void within(double bound, QVector<qint64> *ids) const
    {
        m_bound = bound;
        m_heap = nullptr;
        m_within = ids;
        visit(0, m_points.size());
    }

private:
    double bound() const { return m_heap && m_heap->size() >= m_limit ? m_heap->front() : m_bound; }

    void meet(const Point &point) const
    {
        const double length = squaredChord(m_from, point);
        if (length > bound())
            return;
        if (m_within) {
            m_within->append(point.id);
            return;
        }
        m_heap->push_back(length);
        std::push_heap(m_heap->begin(), m_heap->end());
        if (m_heap->size() > m_limit) {
            std::pop_heap(m_heap->begin(), m_heap->end());
            m_heap->pop_back();
        }
    }

    void visit(size_t begin, size_t end) const
    {
        if (end - begin <= LeafSize) {
            for (size_t i = begin; i < end; ++i)
                meet(m_points[i]);
            return;
        }
        const size_t middle = begin + (end - begin) / 2;
        const int axis = m_axes[middle];
        const double gap = coordinate(m_from, axis) - coordinate(m_points[middle], axis);
        meet(m_points[middle]);
        if (gap < 0) {
            visit(begin, middle);
            if (gap * gap <= bound())
                visit(middle + 1, end);
        } else {
            visit(middle + 1, end);
            if (gap * gap <= bound())
                visit(begin, middle);
        }
    }

    const std::vector<Point> &m_points;
    const std::vector<unsigned char> &m_axes;
    const Point m_from;
    mutable size_t m_limit = 0;
    mutable double m_bound = 0;
    mutable std::vector<double> *m_heap = nullptr;
    mutable QVector<qint64> *m_within = nullptr;
};

struct Loaded
{
    FileIdentity identity;
    std::weak_ptr<const NearestIndex> index;
};
} // namespace

std::shared_ptr<const NearestIndex> NearestIndex::shared(const QString &path, const FileIdentity &identity, sqlite3 *db,
                                                         QString *error)
{
    if (!identity.isValid()) {
        auto own = std::make_shared<NearestIndex>();
        return own->load(db, error) ? own : nullptr;
    }
    static QMutex mutex;
    static QHash<QString, Loaded> loaded;
    // Held while loading, so that threads asking at once wait for one load rather than each make one.
    QMutexLocker locker(&mutex);
    const Loaded known = loaded.value(path);
    if (known.identity == identity) {
        if (auto index = known.index.lock())
            return index;
    }
    auto index = std::make_shared<NearestIndex>();
    if (!index->load(db, error))
        return nullptr;
    loaded.insert(path, { identity, index });
    return index;
}

bool NearestIndex::load(sqlite3 *db, QString *error)
{
    sqlite3_stmt *query = nullptr;
    if (sqlite3_prepare_v2(db,
                           "SELECT id, kind, latitude, longitude FROM entries "
                           "WHERE latitude IS NOT NULL AND longitude IS NOT NULL",
                           -1, &query, nullptr)
        != SQLITE_OK) {
        *error = QString::fromUtf8(sqlite3_errmsg(db));
        sqlite3_finalize(query);
        return false;
    }
    int rc;
    while ((rc = sqlite3_step(query)) == SQLITE_ROW) {
        const int kind = sqlite3_column_int(query, 1);
        const double latitude = sqlite3_column_double(query, 2);
        const double longitude = sqlite3_column_double(query, 3);
        if (!std::isfinite(latitude) || !std::isfinite(longitude))
            continue;
        const Point point = onSphere(latitude, longitude, sqlite3_column_int64(query, 0));
        for (int bit = 0; bit < KindCount; ++bit) {
            if (kind & (1 << bit))
                m_trees[bit].points.push_back(point);
        }
    }
    if (rc != SQLITE_DONE)
        *error = QString::fromUtf8(sqlite3_errmsg(db));
    sqlite3_finalize(query);
    if (rc != SQLITE_DONE)
        return false;
    for (Tree &tree : m_trees) {
        tree.points.shrink_to_fit();
        tree.axes.assign(tree.points.size(), 0);
        build(&tree, 0, tree.points.size());
    }
    return true;
}

void NearestIndex::build(Tree *tree, size_t begin, size_t end)
{
    if (end - begin <= LeafSize)
        return;
    // Split on the axis along which the range spreads widest: places cluster in towns.
    double low[3] = { 2, 2, 2 };
    double high[3] = { -2, -2, -2 };
    for (size_t i = begin; i < end; ++i) {
        for (int axis = 0; axis < 3; ++axis) {
            low[axis] = qMin(low[axis], coordinate(tree->points[i], axis));
            high[axis] = qMax(high[axis], coordinate(tree->points[i], axis));
        }
    }
    int axis = 0;
    for (int other = 1; other < 3; ++other) {
        if (high[other] - low[other] > high[axis] - low[axis])
            axis = other;
    }
    const size_t middle = begin + (end - begin) / 2;
    const auto first = tree->points.begin();
    std::nth_element(first + begin, first + middle, first + end,
                     [axis](const Point &a, const Point &b) { return coordinate(a, axis) < coordinate(b, axis); });
    tree->axes[middle] = static_cast<unsigned char>(axis);
    build(tree, begin, middle);
    build(tree, middle + 1, end);
}

QVector<qint64> NearestIndex::candidates(double latitude, double longitude, int kinds, int limit,
                                         double maxMetres) const
{
    if (limit <= 0)
        return {};
    const Point from = onSphere(latitude, longitude, -1);
    const double reach = chordOf(maxMetres) + Slack;
    std::vector<double> heap;
    heap.reserve(size_t(limit) + 1);
    for (int bit = 0; bit < KindCount; ++bit) {
        if (kinds & (1 << bit))
            Walk(m_trees[bit].points, m_trees[bit].axes, from).nearest(size_t(limit), reach * reach, &heap);
    }
    double last = reach;
    if (heap.size() >= size_t(limit))
        last = qMin(reach, std::sqrt(heap.front()) + Slack);
    QVector<qint64> ids;
    for (int bit = 0; bit < KindCount; ++bit) {
        if (kinds & (1 << bit))
            Walk(m_trees[bit].points, m_trees[bit].axes, from).within(last * last, &ids);
    }
    // A place of more than one kind sits in more than one tree.
    std::sort(ids.begin(), ids.end());
    ids.erase(std::unique(ids.begin(), ids.end()), ids.end());
    return ids;
}

} // namespace places
} // namespace platform
} // namespace hx

#ifndef HX_PLATFORM_PLACES_CELLWALK_P_H
#define HX_PLATFORM_PLACES_CELLWALK_P_H

#include <QtCore/QtGlobal>

#include <vector>

namespace hx {
namespace platform {
namespace places {

class GazetteerPrivate;

// The nearest places of a gazetteer that keys positions on a grid (the cells table): the
// blocks around the point are read in growing circles until enough places lie within one.
class CellWalk
{
public:
    struct Found
    {
        qint64 id;
        double distance;
        bool operator<(const Found &other) const
        {
            return distance != other.distance ? distance < other.distance : id < other.id;
        }
    };

    explicit CellWalk(GazetteerPrivate &gazetteer) : m_gazetteer(gazetteer) { }

    // Nearest first, at most limit places within maxMetres; false when the file cannot be read.
    bool nearest(double latitude, double longitude, int kinds, int limit, double maxMetres, std::vector<Found> *found);

private:
    struct Candidate
    {
        qint64 id;
        double least; // metres to the nearest point of its step
    };

    bool collect(double latitude, double longitude, int kinds, double reach, std::vector<Candidate> *candidates);
    bool measure(double latitude, double longitude, const std::vector<Candidate> &candidates, double bound,
                 double maxMetres, std::vector<Found> *found);

    GazetteerPrivate &m_gazetteer;
};

} // namespace places
} // namespace platform
} // namespace hx

#endif

#ifndef HX_PLATFORM_PLACES_POSITIONGRID_P_H
#define HX_PLATFORM_PLACES_POSITIONGRID_P_H

#include <QtCore/QVector>

namespace hx {
namespace platform {
namespace places {

// The grid the gazetteer's cells table keys positions by: 2^21 steps of latitude and 2^22 of
// longitude (about 9.5 m each), grouped into blocks of 128 by 128 steps (about 1 km). A key is
// the kind's bit, the block's row and column, then the step's row and column within the block:
// one block row of one kind is a single range of keys, and a key alone says where a place lies
// to within a step. The writer computes the same keys in SQL (GazetteerStaging).
class PositionGrid
{
public:
    struct Range
    {
        qint64 first;
        qint64 last;
    };

    static constexpr int LatitudeBits = 21;
    static constexpr int LongitudeBits = 22;
    static constexpr int StepBits = 7;
    // 180 degrees over 2^21 steps, 360 over 2^22: the same step both ways.
    static constexpr double StepDegrees = 180.0 / (1 << LatitudeBits);
    // No two points of one step lie farther apart than this.
    static constexpr double StepDiameterMetres = 14;

    // The latitude and longitude bounds of the step a key names.
    static void stepBox(qint64 key, double *south, double *north, double *west, double *east);
    // Ranges of keys of one kind that hold every place of that kind within the radius.
    static QVector<Range> rangesAround(int kindBit, double latitude, double longitude, double radiusMetres);
};

} // namespace places
} // namespace platform
} // namespace hx

#endif

#include <QtCore/QPair>
#include <QtCore/QtGlobal>

#include <cmath>

#include "positiongrid_p.h"
#include "spheregeometry_p.h"

namespace hx {
namespace platform {
namespace places {

namespace {
constexpr int StepMask = (1 << PositionGrid::StepBits) - 1;
constexpr int BlockRowBits = PositionGrid::LatitudeBits - PositionGrid::StepBits;
constexpr int BlockColumnBits = PositionGrid::LongitudeBits - PositionGrid::StepBits;
constexpr int ColumnShift = 2 * PositionGrid::StepBits;
constexpr int RowShift = ColumnShift + BlockColumnBits;
constexpr int KindShift = RowShift + BlockRowBits;
constexpr int LastBlockColumn = (1 << BlockColumnBits) - 1;

int latitudeStep(double latitude)
{
    const double step = std::floor((latitude + 90) / PositionGrid::StepDegrees);
    return int(qBound(0.0, step, double((1 << PositionGrid::LatitudeBits) - 1)));
}

int longitudeStep(double longitude)
{
    const double step = std::floor((longitude + 180) / PositionGrid::StepDegrees);
    return int(qBound(0.0, step, double((1 << PositionGrid::LongitudeBits) - 1)));
}
} // namespace

void PositionGrid::stepBox(qint64 key, double *south, double *north, double *west, double *east)
{
    const qint64 row = (((key >> RowShift) & ((1 << BlockRowBits) - 1)) << StepBits) | ((key >> StepBits) & StepMask);
    const qint64 column = (((key >> ColumnShift) & LastBlockColumn) << StepBits) | (key & StepMask);
    *south = -90 + row * StepDegrees;
    *north = *south + StepDegrees;
    *west = -180 + column * StepDegrees;
    *east = *west + StepDegrees;
}

QVector<PositionGrid::Range> PositionGrid::rangesAround(int kindBit, double latitude, double longitude,
                                                        double radiusMetres)
{
    double south = 0;
    double north = 0;
    QVector<QPair<double, double>> longitudes;
    SphereGeometry::circleBox(latitude, longitude, radiusMetres, &south, &north, &longitudes);
    // A step more on each side: the writer rounds positions to steps in whole numbers.
    const qint64 kind = qint64(kindBit) << KindShift;
    const int firstRow = latitudeStep(south - StepDegrees) >> StepBits;
    const int lastRow = latitudeStep(north + StepDegrees) >> StepBits;
    QVector<Range> ranges;
    for (const auto &span : qAsConst(longitudes)) {
        const qint64 firstColumn = longitudeStep(span.first - StepDegrees) >> StepBits;
        const qint64 lastColumn = longitudeStep(span.second + StepDegrees) >> StepBits;
        if (firstColumn == 0 && lastColumn == LastBlockColumn) {
            // Whole rows follow one another in key order.
            ranges.append({ kind | (qint64(firstRow) << RowShift),
                            kind | (qint64(lastRow) << RowShift) | ((qint64(1) << RowShift) - 1) });
            continue;
        }
        for (qint64 row = firstRow; row <= lastRow; ++row) {
            const qint64 rowKey = kind | (row << RowShift);
            ranges.append({ rowKey | (firstColumn << ColumnShift),
                            rowKey | (lastColumn << ColumnShift) | ((qint64(1) << ColumnShift) - 1) });
        }
    }
    return ranges;
}

} // namespace places
} // namespace platform
} // namespace hx

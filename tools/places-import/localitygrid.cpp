#include "localitygrid.h"

#include <cmath>

namespace {
constexpr double CellDegrees = 0.5;
constexpr qint64 Columns = 1000;
} // namespace

qint64 LocalityGrid::cellOf(double latitude, double longitude, int dLatitude, int dLongitude)
{
    const qint64 row = qint64(std::floor(latitude / CellDegrees)) + dLatitude;
    // Columns wrap at the antimeridian, so a place on either side finds the other.
    const qint64 columnsAround = qint64(360 / CellDegrees);
    qint64 column = qint64(std::floor(longitude / CellDegrees)) + dLongitude;
    column = ((column % columnsAround) + columnsAround) % columnsAround;
    return row * Columns + column;
}

void LocalityGrid::add(int index, double latitude, double longitude)
{
    m_cells[cellOf(latitude, longitude)].append(index);
}

QVector<int> LocalityGrid::around(double latitude, double longitude) const
{
    QVector<int> found;
    for (int dLatitude = -1; dLatitude <= 1; ++dLatitude) {
        for (int dLongitude = -1; dLongitude <= 1; ++dLongitude)
            found += m_cells.value(cellOf(latitude, longitude, dLatitude, dLongitude));
    }
    return found;
}

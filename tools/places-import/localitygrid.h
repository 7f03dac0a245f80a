#ifndef HX_TOOLS_LOCALITYGRID_H
#define HX_TOOLS_LOCALITYGRID_H

#include <QtCore/QHash>
#include <QtCore/QVector>

// Numbered points in cells of half a degree, to find the places around a point without
// measuring the distance to every place of the world.
class LocalityGrid
{
public:
    void add(int index, double latitude, double longitude);
    // The numbers of the points in the cell of (latitude, longitude) and the eight around it:
    // every point within about 50 km, and some farther ones.
    QVector<int> around(double latitude, double longitude) const;

private:
    static qint64 cellOf(double latitude, double longitude, int dLatitude = 0, int dLongitude = 0);
    QHash<qint64, QVector<int>> m_cells;
};

#endif

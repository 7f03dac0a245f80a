#ifndef HX_PLATFORM_PLACES_SPHEREGEOMETRY_P_H
#define HX_PLATFORM_PLACES_SPHEREGEOMETRY_P_H

#include <QtCore/QPair>
#include <QtCore/QVector>
#include <QtCore/QtMath>

namespace hx {
namespace platform {
namespace places {

// Distances and boxes on the Earth taken as a sphere, shared by the gazetteer's engines.
class SphereGeometry
{
public:
    static constexpr double EarthRadiusMetres = 6371008.8;
    static constexpr double HalfCircumferenceMetres = M_PI * EarthRadiusMetres;
    // The great-circle length of one degree of latitude.
    static constexpr double LatitudeMetresPerDegree = HalfCircumferenceMetres / 180;

    static bool isValidPosition(double latitude, double longitude);
    // The haversine's inner term, 0 for the same point and 1 for the antipode. It grows with the
    // distance, so ranking compares it as it is and only metres need the arc sine.
    static double haversineTerm(double latitude1, double longitude1, double latitude2, double longitude2);
    static double distanceMetres(double latitude1, double longitude1, double latitude2, double longitude2);
    // The smallest latitude/longitude box that holds the whole circle of the radius, as latitude
    // bounds and one or two longitude ranges (two when it crosses the antimeridian).
    static void circleBox(double latitude, double longitude, double radiusMetres, double *minLatitude,
                          double *maxLatitude, QVector<QPair<double, double>> *longitudeRanges);
};

} // namespace places
} // namespace platform
} // namespace hx

#endif

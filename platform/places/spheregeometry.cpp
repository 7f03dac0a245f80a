#include <cmath>

#include "spheregeometry_p.h"

namespace hx {
namespace platform {
namespace places {

bool SphereGeometry::isValidPosition(double latitude, double longitude)
{
    return qIsFinite(latitude) && qIsFinite(longitude) && qAbs(latitude) <= 90 && qAbs(longitude) <= 180;
}

double SphereGeometry::haversineTerm(double latitude1, double longitude1, double latitude2, double longitude2)
{
    const double phi1 = qDegreesToRadians(latitude1);
    const double phi2 = qDegreesToRadians(latitude2);
    const double halfPhi = std::sin((phi2 - phi1) / 2);
    const double halfLambda = std::sin(qDegreesToRadians(longitude2 - longitude1) / 2);
    return qBound(0.0, halfPhi * halfPhi + std::cos(phi1) * std::cos(phi2) * halfLambda * halfLambda, 1.0);
}

double SphereGeometry::distanceMetres(double latitude1, double longitude1, double latitude2, double longitude2)
{
    // Haversine: exact on the sphere and well conditioned for the short distances that matter.
    return 2 * EarthRadiusMetres * std::asin(std::sqrt(haversineTerm(latitude1, longitude1, latitude2, longitude2)));
}

void SphereGeometry::circleBox(double latitude, double longitude, double radiusMetres, double *minLatitude,
                               double *maxLatitude, QVector<QPair<double, double>> *longitudeRanges)
{
    // The longitude half-width follows from the spherical triangle at the circle's widest point.
    const double angle = radiusMetres / EarthRadiusMetres;
    const double latitudeSpan = qRadiansToDegrees(angle);
    *minLatitude = latitude - latitudeSpan;
    *maxLatitude = latitude + latitudeSpan;
    double longitudeSpan = 180;
    if (*maxLatitude < 90 && *minLatitude > -90 && angle < M_PI_2) {
        const double ratio = std::sin(angle) / std::cos(qDegreesToRadians(latitude));
        if (ratio < 1)
            longitudeSpan = qRadiansToDegrees(std::asin(ratio));
    }
    if (longitudeSpan >= 180) {
        longitudeRanges->append({ -180, 180 });
    } else {
        const double west = longitude - longitudeSpan;
        const double east = longitude + longitudeSpan;
        longitudeRanges->append({ qMax(west, -180.0), qMin(east, 180.0) });
        if (west < -180)
            longitudeRanges->append({ west + 360, 180 });
        if (east > 180)
            longitudeRanges->append({ -180, east - 360 });
    }
}

} // namespace places
} // namespace platform
} // namespace hx

#ifndef HX_PLATFORM_PLACES_NEARPOINT_P_H
#define HX_PLATFORM_PLACES_NEARPOINT_P_H

#include <QtCore/QtMath>

#include <cmath>

#include "spheregeometry_p.h"

namespace hx {
namespace platform {
namespace places {

// A point to measure from, with what every distance from it needs.
struct NearPoint
{
    NearPoint(double latitudeDegrees, double longitudeDegrees)
        : latitude(latitudeDegrees), longitude(longitudeDegrees), cosLatitude(std::cos(qDegreesToRadians(latitude)))
    { }

    // The least great-circle distance in metres from the point to anywhere in a latitude and
    // longitude box: the haversine with each of its terms at the smallest the box allows. It
    // never exceeds the distance to a place in the box, and never grows when the box does, so a
    // walk in its order meets places no nearer than those already met. A millimetre less covers
    // the rounding against distanceMetres().
    double leastMetres(double south, double north, double west, double east) const
    {
        double latitudeGap = 0;
        if (latitude < south)
            latitudeGap = south - latitude;
        else if (latitude > north)
            latitudeGap = latitude - north;
        // Either way round the globe.
        double longitudeGap = 0;
        if (longitude < west)
            longitudeGap = qMin(west - longitude, longitude + 360 - east);
        else if (longitude > east)
            longitudeGap = qMin(longitude - east, west + 360 - longitude);
        const double cosFarthest = std::cos(qDegreesToRadians(qMin(90.0, qMax(qAbs(south), qAbs(north)))));
        const double sinLatitude = std::sin(qDegreesToRadians(latitudeGap) / 2);
        const double sinLongitude = std::sin(qDegreesToRadians(qMin(longitudeGap, 180.0)) / 2);
        const double h = sinLatitude * sinLatitude + cosLatitude * qMax(0.0, cosFarthest) * sinLongitude * sinLongitude;
        return qMax(0.0, 2 * SphereGeometry::EarthRadiusMetres * std::asin(std::sqrt(qMin(h, 1.0))) - 1e-3);
    }

    // The great-circle distance in metres to a place, as SphereGeometry::distanceMetres() gives it.
    double metresTo(double placeLatitude, double placeLongitude) const
    {
        const double halfPhi = std::sin(qDegreesToRadians(placeLatitude - latitude) / 2);
        const double halfLambda = std::sin(qDegreesToRadians(placeLongitude - longitude) / 2);
        const double h
            = halfPhi * halfPhi + cosLatitude * std::cos(qDegreesToRadians(placeLatitude)) * halfLambda * halfLambda;
        return 2 * SphereGeometry::EarthRadiusMetres * std::asin(std::sqrt(qBound(0.0, h, 1.0)));
    }

    double latitude;
    double longitude;
    double cosLatitude;
};

} // namespace places
} // namespace platform
} // namespace hx

#endif

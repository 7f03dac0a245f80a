#ifndef HXPLACES_DISTANCETEXT_H
#define HXPLACES_DISTANCETEXT_H

#include <QtCore/QString>

// A distance as the phone shows it, in the unit of measure the user chose ("1.5 km", "984 ft").
class DistanceText
{
public:
    // Empty for an unknown distance.
    static QString format(double metres);
};

#endif

#ifndef HXPLACES_DISTANCETEXT_H
#define HXPLACES_DISTANCETEXT_H

#include <QtCore/QString>

// A distance in the units of the user's locale: metres and kilometres, or feet and miles.
class DistanceText
{
public:
    static QString format(double metres);
    static QString format(double metres, bool imperial);
};

#endif

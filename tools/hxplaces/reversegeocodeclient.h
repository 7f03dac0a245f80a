#ifndef HXPLACES_REVERSEGEOCODECLIENT_H
#define HXPLACES_REVERSEGEOCODECLIENT_H

#include <hx/platform/places/location.h>

#include <QtCore/QList>
#include <QtCore/QString>

// One exchange with the "revgeocode" message service: the addresses around a position,
// finest first. Empty when the service cannot be reached or answers nothing usable.
class ReverseGeocodeClient
{
public:
    static QList<hx::platform::places::Location> lookup(double latitude, double longitude, QString *error = nullptr);
};

#endif

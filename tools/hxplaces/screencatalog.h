#ifndef HXPLACES_SCREENCATALOG_H
#define HXPLACES_SCREENCATALOG_H

#include <hx/platform/places/coordinates.h>

#include <QtCore/QStringList>

class QObject;

// The library's screens that "hxplaces show" opens, by name.
class ScreenCatalog
{
public:
    static QStringList names();
    // A new screen (the caller owns it), or null with a message when the name or the arguments
    // are not right. Screens that search or show a map look around position.
    static QObject *create(const QString &name, const QStringList &arguments,
                           const hx::platform::places::Coordinates &position, QString *message);
};

#endif

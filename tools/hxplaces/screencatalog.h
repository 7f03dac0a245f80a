#ifndef HXPLACES_SCREENCATALOG_H
#define HXPLACES_SCREENCATALOG_H

#include <QtCore/QStringList>

class QObject;

// The library's screens that "hxplaces show" opens, by name.
class ScreenCatalog
{
public:
    static QStringList names();
    // A new screen (the caller owns it), or null with a message when the name or the arguments
    // are not right.
    static QObject *create(const QString &name, const QStringList &arguments, QString *message);
};

#endif

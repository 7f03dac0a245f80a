#ifndef HXPLACES_SESSION_H
#define HXPLACES_SESSION_H

#include <hx/msgclient/revgeoserver.h>
#include <hx/platform/places/coordinates.h>
#include <hx/pps/locationserver.h>

#include "sessionfolder.h"

#include <QtCore/QScopedPointer>
#include <QtCore/QString>

// The simulated phone one command runs on: its own publish/subscribe and message roots in a
// temporary folder, the location and reverse-geocoding services running in this process, the
// user's store (created on first use, or a seeded temporary one for a demo) and the gazetteer.
class Session
{
public:
    struct Options
    {
        QString storePath; // empty: the user's store (HX_PLACES_DB, else the platform's file)
        bool demo = false; // a temporary store seeded with example places, instead of the user's
        QString gazetteerPath; // empty: HX_GAZETTEER_DB, else the build's default data set
        hx::platform::places::Coordinates position; // where the location service says we are
        bool services = true;
        // The phone's unit of measure: "metric", "imperial", or empty for the locale's.
        QString units;
    };

    Session();
    ~Session();
    Session(const Session &) = delete;
    Session &operator=(const Session &) = delete;

    // Prepares the roots, checks the store and starts the services. On failure the message
    // says what is wrong and the command exits with 1.
    bool start(const Options &options, QString *message);

    hx::platform::places::Coordinates position() const { return m_position; }
    // Moves the simulated phone: the location service answers with this position from now on.
    void moveTo(const hx::platform::places::Coordinates &position);
    QString gazetteerPath() const { return m_gazetteerPath; }

    // Where the demo stands when no position is given: downtown Waterloo, Ontario.
    static hx::platform::places::Coordinates defaultPosition();
    static QString defaultGazetteerPath();

private:
    bool prepareStore(const Options &options, QString *message);
    static QString userStorePath(const QString &storePath);
    bool startServices(QString *message);
    bool writeUnits(const QString &units, QString *message);
    bool writeNetworkStatus(QString *message);

    SessionFolder m_root;
    QString m_gazetteerPath;
    hx::platform::places::Coordinates m_position;
    hx::pps::LocationServer m_location;
    QScopedPointer<hx::msgclient::RevGeoServer> m_revgeo;
};

#endif

#ifndef HXPLACES_SESSION_H
#define HXPLACES_SESSION_H

#include <hx/device/desktopplatform.h>
#include <hx/platform/places/coordinates.h>

#include "sessionfolder.h"

#include <QtCore/QString>

// The simulated phone one command runs on: the desktop platform (on the roots the environment
// names, else on roots in the run's temporary folder), the user's store (created on first use,
// or a seeded temporary one for a demo) and the gazetteer.
class Session
{
public:
    struct Options
    {
        QString storePath; // empty: the user's store (HX_PLACES_DB, else the platform's file)
        bool demo = false; // a temporary store seeded with example places, instead of the user's
        QString gazetteerPath; // empty: HX_GAZETTEER_DB, else the build's default data set
        hx::platform::places::Coordinates position; // where the location service says we are
        // The phone's unit of measure: "metric", "imperial", or empty for the locale's.
        QString units;
    };

    Session();
    ~Session();
    Session(const Session &) = delete;
    Session &operator=(const Session &) = delete;

    // Prepares the roots, checks the store and starts the services. On failure the message
    // says what is wrong and the command exits with 1. A note, when not empty, tells the user
    // something the run does otherwise than asked.
    bool start(const Options &options, QString *message, QString *note);

    hx::platform::places::Coordinates position() const { return m_position; }
    // Moves the simulated phone: the location service answers with this position from now on.
    void moveTo(const hx::platform::places::Coordinates &position);
    QString gazetteerPath() const { return m_gazetteerPath; }

    // Where the demo stands when no position is given: downtown Waterloo, Ontario.
    static hx::platform::places::Coordinates defaultPosition();

private:
    bool prepareStore(const Options &options, QString *message);
    static QString userStorePath(const QString &storePath);
    void useFolderForMissingRoots();

    SessionFolder m_root;
    QString m_gazetteerPath;
    hx::platform::places::Coordinates m_position;
    hx::device::DesktopPlatform m_platform;
};

#endif

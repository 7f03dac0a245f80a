#ifndef HX_DEVICE_DESKTOPPLATFORM_H
#define HX_DEVICE_DESKTOPPLATFORM_H

#include <QtCore/QScopedPointer>
#include <QtCore/QString>

namespace hx {
namespace device {

class DesktopPlatformPrivate;

// The simulated phone under a desktop application, in one call: start() before the first
// picker or place page, and the object's end stops what it started.
//
// What the environment already names is used as it is: the publish/subscribe and message roots
// (HX_PPS_ROOT, HX_MSG_ROOT), the gazetteer (HX_GAZETTEER_DB), the card registry
// (HX_CARD_REGISTRY), the phone's settings found under the root, and a location or
// reverse-geocoding service already answering there. What is missing is made: temporary roots
// (removed again at the end), the network status (online) and the unit of measure (the
// locale's), and the two services, run inside this process. The variables it sets are seen by
// the card programs the application starts; an application on a display has them show their
// pages in windows of their own (HX_CARD_WINDOW).
class DesktopPlatform
{
public:
    enum class Units { Unchanged, Metric, Imperial };

    DesktopPlatform();
    ~DesktopPlatform();
    DesktopPlatform(const DesktopPlatform &) = delete;
    DesktopPlatform &operator=(const DesktopPlatform &) = delete;

    // Where the location service it starts says the phone stands (downtown Waterloo, Ontario,
    // unless set); while it runs its own service, the phone moves there at once.
    void setPosition(double latitude, double longitude, double accuracy = 25);
    double latitude() const;
    double longitude() const;
    // A gazetteer file of one's own; empty: HX_GAZETTEER_DB, else the data set of the build
    // tree the program runs from, else the installed one.
    void setGazetteerPath(const QString &path);
    // Unchanged keeps the setting found under the root, and publishes the locale's when none is.
    void setUnits(Units units);

    // False with the reason in *message when the phone cannot be brought up; then nothing it
    // made is left behind.
    bool start(QString *message = nullptr);
    // Stops the services it started, removes its temporary roots and unsets what it set.
    void stop();
    bool isStarted() const;

    QString ppsRoot() const;
    QString messageRoot() const;
    QString gazetteerPath() const;
    QString cardRegistry() const;
    // False when a service already running on the roots answers instead.
    bool runsLocationService() const;
    bool runsReverseGeocoder() const;

private:
    QScopedPointer<DesktopPlatformPrivate> d;
};

} // namespace device
} // namespace hx

#endif

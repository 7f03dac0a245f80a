#ifndef HX_PPS_LOCATIONSERVER_H
#define HX_PPS_LOCATIONSERVER_H

#include <QtCore/QByteArray>
#include <QtCore/QScopedPointer>
#include <QtCore/QString>

namespace hx {
namespace pps {

class LocationServerPrivate;

// The location service: serves the server object "/pps/services/geolocation/control" (a
// message socket under the PPS root) and keeps the status object
// "/pps/services/geolocation/status". Each "location" request written on a descriptor is
// answered on that same descriptor: a status reply at once, then the replies of the source:
//
// - a track: one JSON object a line, played from the start for every request. Each line waits
//   "delay" milliseconds after the previous one, then sends
//     {"fix": {...}}            a location reply whose "dat" is that object, as given (so a test
//                               can leave out "longitude" or make "satellites" a string);
//     {"error": "code", "errstr": "text"}   a location reply carrying an error;
//     {"status": true}          another status reply;
//     {"raw": "text"}           the text as it is (malformed replies).
//   Blank lines and lines starting with "#" are skipped.
// - a fixed position: one fix with the given accuracy for every request.
// - silence: no location reply at all.
//
// While a request is active, a status reply goes out every statusInterval milliseconds (unless
// 0), so a client blocked in read() wakes up to check its own time-out. "cancel" ends the
// request. With location off, requests get the error "location_off".
//
// The server runs on its own thread, so tests may run it in-process and call blocking clients
// from the test's thread. Configure it before start().
class LocationServer
{
public:
    LocationServer();
    ~LocationServer();
    LocationServer(const LocationServer &) = delete;
    LocationServer &operator=(const LocationServer &) = delete;

    bool setTrack(const QByteArray &text, QString *error = nullptr);
    bool loadTrack(const QString &file, QString *error = nullptr);
    void setFixedPosition(double latitude, double longitude, double accuracy = 10);
    void setSilent();
    void setStatusInterval(int milliseconds);
    // Rewrites the status object at once when running.
    void setLocationOn(bool on);

    // Listens on the control object under the current PPS root (HX_PPS_ROOT).
    bool start(QString *error = nullptr);
    void stop();
    bool isRunning() const;

    QString controlPath() const;
    QString statusPath() const;
    // Location requests received so far, and the text of the last one.
    int requestCount() const;
    QByteArray lastRequest() const;

private:
    QScopedPointer<LocationServerPrivate> d;
};

} // namespace pps
} // namespace hx

#endif

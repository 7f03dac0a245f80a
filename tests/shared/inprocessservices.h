#ifndef HX_TEST_INPROCESSSERVICES_H
#define HX_TEST_INPROCESSSERVICES_H

#include <hx/msgclient/revgeoserver.h>
#include <hx/pps/locationserver.h>

#include <QtCore/QScopedPointer>
#include <QtCore/QString>

namespace hx {
namespace test {

// The location and reverse-geocoding services running inside the test process, on the roots
// of the current TestRoots (create that first). Each serves from its own thread, so library
// code that blocks on them may run on the test's thread. Configure location() before start().
class InProcessServices
{
public:
    InProcessServices();
    ~InProcessServices();

    pps::LocationServer &location();
    // Starts both; the reverse geocoder reads HX_GAZETTEER_DB (or the path given).
    bool start(const QString &gazetteerPath = QString());
    void stop();
    msgclient::RevGeoServer *reverseGeocoder() const;

private:
    pps::LocationServer m_location;
    QScopedPointer<msgclient::RevGeoServer> m_revgeo;
};

} // namespace test
} // namespace hx

#endif

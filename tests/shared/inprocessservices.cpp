#include "inprocessservices.h"

#include <QtCore/QDebug>

namespace hx {
namespace test {

InProcessServices::InProcessServices() = default;

InProcessServices::~InProcessServices()
{
    stop();
}

pps::LocationServer &InProcessServices::location()
{
    return m_location;
}

bool InProcessServices::start(const QString &gazetteerPath)
{
    QString error;
    if (!m_location.start(&error)) {
        qWarning() << "location service:" << error;
        return false;
    }
    m_revgeo.reset(new msgclient::RevGeoServer(gazetteerPath));
    if (!m_revgeo->start(&error)) {
        qWarning() << "reverse-geocoding service:" << error;
        return false;
    }
    return true;
}

void InProcessServices::stop()
{
    if (m_revgeo)
        m_revgeo->stop();
    m_location.stop();
}

msgclient::RevGeoServer *InProcessServices::reverseGeocoder() const
{
    return m_revgeo.data();
}

} // namespace test
} // namespace hx

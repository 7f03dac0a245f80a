#include <hx/trellan/places/placeutils.h>
#include <hx/trellan/places/threadgeocode.h>

namespace hx {
namespace trellan {
namespace places {

ThreadGeocode::ThreadGeocode(const hx::platform::places::Address &address, int id) : m_address(address), m_id(id)
{
    // Made here, on the owner's thread, so the worker never changes the object's connections.
    connect(this, &QThread::finished, this, &QObject::deleteLater);
}

ThreadGeocode::~ThreadGeocode() = default;

void ThreadGeocode::run()
{
    const QList<hx::platform::places::Location> locations = PlaceUtils::geocode(m_address);
    emit geocodingFinished(m_address.label(), locations, m_id);
}

} // namespace places
} // namespace trellan
} // namespace hx

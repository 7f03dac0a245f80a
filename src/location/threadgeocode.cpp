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

ThreadGeocode::~ThreadGeocode()
{
    // The deferred delete can arrive while the thread still emits finished(); the derived part
    // must outlive that.
    wait();
}

void ThreadGeocode::run()
{
    const QList<hx::platform::places::Location> locations = PlaceUtils::geocode(m_address);
    emit geocodingFinished(m_address.label(), locations, m_id);
}

} // namespace places
} // namespace trellan
} // namespace hx

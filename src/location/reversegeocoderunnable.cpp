#include <hx/trellan/places/placeutils.h>
#include <hx/trellan/places/reversegeocoderunnable.h>

namespace hx {
namespace trellan {
namespace places {

using hx::platform::places::Coordinates;
using hx::platform::places::Location;

namespace {
enum Boundary { AddressBoundary = 0, CityBoundary = 3 };
}

ReverseGeocodeRunnable::ReverseGeocodeRunnable(double latitude, double longitude, double horizontalAccuracy,
                                               double verticalAccuracy)
    : m_latitude(latitude),
      m_longitude(longitude),
      m_horizontalAccuracy(horizontalAccuracy),
      m_verticalAccuracy(verticalAccuracy)
{ }

ReverseGeocodeRunnable::~ReverseGeocodeRunnable() = default;

void ReverseGeocodeRunnable::run()
{
    // A NaN accuracy compares false, so it asks for the address.
    const int boundary = m_horizontalAccuracy > PlaceUtils::MY_LOCATION_ACCURACY ? CityBoundary : AddressBoundary;
    const QList<Location> candidates = PlaceUtils::reverseGeocode(m_latitude, m_longitude, boundary);
    if (candidates.isEmpty()) {
        emit done(this, false, Location());
        return;
    }
    Location best = candidates.first();
    Coordinates coordinates = best.coordinates();
    coordinates.setHorizontalAccuracy(float(m_horizontalAccuracy));
    coordinates.setVerticalAccuracy(float(m_verticalAccuracy));
    best.setCoordinates(coordinates);
    emit done(this, true, best);
}

} // namespace places
} // namespace trellan
} // namespace hx

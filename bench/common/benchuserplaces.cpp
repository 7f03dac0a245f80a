#include "benchuserplaces.h"

#include "syntheticgazetteer.h"

#include <hx/platform/places/address.h>
#include <hx/platform/places/coordinates.h>
#include <hx/platform/places/location.h>
#include <hx/platform/places/place.h>
#include <hx/platform/places/placemanager.h>

#include <cstdio>

namespace hx {
namespace bench {

bool BenchUserPlaces::fill(int count)
{
    using namespace hx::platform::places;
    const QStringList words = SyntheticGazetteer::queryWords();
    PlaceManager manager;
    for (int i = 0; i < count; ++i) {
        Place place;
        place.setName(words.value(i % words.size()) + QStringLiteral(" %1").arg(i));
        place.setLocations({ Location(Coordinates(43.3 + (i % 100) * 0.004, -80.7 + (i / 100) * 0.004), Address()) });
        if (i % 25 == 0)
            place.addTag(QStringLiteral("favorite"));
        const Error::Type error = manager.addPlace(place);
        if (error != Error::None) {
            std::fprintf(stderr, "store error %d at place %d\n", int(error), i);
            return false;
        }
    }
    return true;
}

} // namespace bench
} // namespace hx

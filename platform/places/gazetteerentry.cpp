#include <hx/platform/places/gazetteerentry.h>

namespace hx {
namespace platform {
namespace places {

namespace {
// Unknown coordinates and distances are NaN; two unknowns are the same value here.
bool sameNumber(double a, double b)
{
    return (qIsNaN(a) && qIsNaN(b)) || a == b;
}
} // namespace

bool GazetteerEntry::operator==(const GazetteerEntry &other) const
{
    return id == other.id && kind == other.kind && name == other.name && street == other.street
        && postalCode == other.postalCode && city == other.city && region == other.region
        && regionCode == other.regionCode && country == other.country && countryCode == other.countryCode
        && category == other.category && phone == other.phone && url == other.url && email == other.email
        && sameNumber(latitude, other.latitude) && sameNumber(longitude, other.longitude)
        && sameNumber(importance, other.importance) && sameNumber(rating, other.rating)
        && ratingCount == other.ratingCount && sameNumber(distanceMetres, other.distanceMetres)
        && otherNames == other.otherNames && foundAs == other.foundAs;
}

} // namespace places
} // namespace platform
} // namespace hx

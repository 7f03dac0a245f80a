#ifndef HX_PLATFORM_PLACES_PLACEFACTORY_P_H
#define HX_PLATFORM_PLACES_PLACEFACTORY_P_H

#include <hx/platform/places/contactentry.h>
#include <hx/platform/places/error.h>
#include <hx/platform/places/gazetteer.h>
#include <hx/platform/places/gazetteerentry.h>
#include <hx/platform/places/place.h>

namespace hx {
namespace platform {
namespace places {

// Builds places from the other sources the store answers from (gazetteer entries, contacts'
// postal addresses) and resolves any record back into a full place.
class PlaceFactory
{
public:
    // The auxiliary data type that remembers which gazetteer entry an address or locality is.
    static constexpr const char TypeGazetteerEntry[] = "Gazetteer Entry";

    static Place fromGazetteer(const GazetteerEntry &entry);
    // The same, remembered for a while so that a request for a listed row skips the rebuild.
    static Place builtFromGazetteer(const GazetteerEntry &entry);
    static Place fromContact(const ContactEntry &contact, const ContactEntry::PostalAddress &address);
    static QString contactExternalId(qint64 accountId, qint64 contactId, qint64 addressId);

    // The full place behind a stored place, header or suggestion. Caller owns; null with the
    // error when there is none.
    static Place *resolve(const AbstractPlace *record, Error::Type *error);

    // The calling thread's gazetteer. Null with error None when there is no gazetteer file
    // (nothing remote to find); null with ServiceUnavailable when it exists but cannot be read.
    static Gazetteer *gazetteer(Error::Type *error);
};

} // namespace places
} // namespace platform
} // namespace hx

#endif

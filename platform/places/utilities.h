#ifndef HX_PLATFORM_PLACES_UTILITIES_H
#define HX_PLATFORM_PLACES_UTILITIES_H

#include <hx/platform/places/place.h>

#include <QtCore/QByteArray>

namespace hx {
namespace platform {
namespace places {

// The byte form of a place, for handing a place to another application and for the store's
// own rows: a magic number, a format version, then the fields. Bytes that are truncated, of
// another form or of a newer version give no place, never a crash.
class Utilities
{
public:
    static QByteArray serialize(const Place &place);
    // A new place owned by the caller, or null.
    static Place *deserialize(const QByteArray &bytes);
    // The form with the pointer the caller passes: set to a new place on success, left as it
    // was on failure.
    static bool deserialize(const QByteArray &bytes, Place *&place);

    static constexpr quint32 Magic = 0x48585031; // "HXP1"
    static constexpr quint16 Version = 1;
};

} // namespace places
} // namespace platform
} // namespace hx

#endif

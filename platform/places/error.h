#ifndef HX_PLATFORM_PLACES_ERROR_H
#define HX_PLATFORM_PLACES_ERROR_H

#include <QtCore/QMetaType>

namespace hx {
namespace platform {
namespace places {

// What a store call reports. 0 is success; the numbers are fixed because callers compare and
// log them as numbers.
class Error
{
public:
    enum Type {
        None = 0,
        InvalidArgument = 1, // a null header or place, an empty request
        NotUsable = 2, // a record of a kind the call cannot use
        StorageFailure = 3, // the file cannot be opened, read or written
        StorageRefused = 4, // a corrupt store or one written by a newer version
        NotFound = 5, // the place is no longer stored
        Unknown = 6,
        ServiceUnavailable = 9, // the gazetteer that stands in for the online provider is missing
        FavoritesLimitReached = 13,
        AlreadyStored = 14,
        NoNetwork = 16
    };
};

} // namespace places
} // namespace platform
} // namespace hx

Q_DECLARE_METATYPE(hx::platform::places::Error::Type)

#endif

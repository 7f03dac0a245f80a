#ifndef HX_PLATFORM_PLACES_STORESTATUS_H
#define HX_PLATFORM_PLACES_STORESTATUS_H

#include <QtCore/QString>

namespace hx {
namespace platform {
namespace places {

// Why a store file cannot be used or written, in words for its user: what is wrong and what
// to do about it. Looks without changing anything.
class StoreStatus
{
public:
    enum Kind {
        Usable,
        ReadOnly, // places can be searched, nothing can be stored (the file or its folder)
        Busy, // another program is writing to it
        Unusable // not a store, damaged, newer, or cannot be made
    };

    // An empty text when the file can be read and written (or made); kind, when given, tells
    // which sort of problem it is.
    static QString problem(const QString &path, Kind *kind = nullptr);
    // The file every part of the platform uses as the user's store (HX_PLACES_DB, else the
    // platform's own).
    static QString userStorePath();
    // True for a store that can be read but not written.
    static bool isReadOnly(const QString &path);
};

} // namespace places
} // namespace platform
} // namespace hx

#endif

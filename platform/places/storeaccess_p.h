#ifndef HX_PLATFORM_PLACES_STOREACCESS_P_H
#define HX_PLATFORM_PLACES_STOREACCESS_P_H

#include <QtCore/QString>

namespace hx {
namespace platform {
namespace places {

// Whether this process may write a store file. A file or folder that nobody may write (no
// write bit at all) counts as read-only even for a user who could override it: its owner made
// it so on purpose, and changing it would harm what they meant to keep.
class StoreAccess
{
public:
    static bool canWrite(const QString &path);
    // A store in write-ahead-log mode writes side files beside itself.
    static bool canWriteBeside(const QString &path);
    // A store the process may not write, opened for reading only.
    static bool isReadOnly(const QString &path);
};

} // namespace places
} // namespace platform
} // namespace hx

#endif

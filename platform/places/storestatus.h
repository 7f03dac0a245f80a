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
    // An empty text when the file can be read and written (or made).
    static QString problem(const QString &path);
    // True for a store that can be read but not written.
    static bool isReadOnly(const QString &path);
};

} // namespace places
} // namespace platform
} // namespace hx

#endif

#ifndef HX_PLATFORM_PLACES_STORESCOPE_P_H
#define HX_PLATFORM_PLACES_STORESCOPE_P_H

#include <QtCore/QtGlobal>

#include <functional>

namespace hx {
namespace platform {
namespace places {

// One store operation on this thread (a whole grouped search, a batch of auxiliary answers).
// Within it the store's files are checked for replacement once instead of at every lookup:
// a search looks them up a dozen times within a millisecond, and each check is a system call.
class StoreScope
{
public:
    StoreScope();
    ~StoreScope();
    StoreScope(const StoreScope &) = delete;
    StoreScope &operator=(const StoreScope &) = delete;

    // The mark to keep with a check just made; 0 outside any scope, which is never fresh.
    static quint64 mark();
    // Whether a check that was given this mark still holds.
    static bool isFresh(quint64 mark);
    // Runs `action` when the outermost scope of this thread ends (at once outside any scope).
    static void atEnd(std::function<void()> action);
};

} // namespace places
} // namespace platform
} // namespace hx

#endif

#ifndef HX_PLATFORM_PLACES_STOREREGISTRATION_P_H
#define HX_PLATFORM_PLACES_STOREREGISTRATION_P_H

namespace hx {
namespace platform {
namespace places {

// Registers the store's types with the meta-type system once, under every name that queued
// connections use, before any manager can emit them.
class StoreRegistration
{
public:
    static void ensure();
};

} // namespace places
} // namespace platform
} // namespace hx

#endif

#ifndef HX_SYSTEM_INVOKEDCARD_P_H
#define HX_SYSTEM_INVOKEDCARD_P_H

#include <hx/system/invokerequest.h>

#include <atomic>

namespace hx {
namespace system {

class InvokeManager;

class InvokedCardState
{
public:
    InvokeRequest request;
    // The invoker, identified by address and serial together: an address alone may be
    // reused by a later manager.
    InvokeManager *manager = nullptr;
    quint64 managerId = 0;
    std::atomic<bool> done { false };
};

} // namespace system
} // namespace hx

#endif

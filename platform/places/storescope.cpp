#include <vector>

#include "storescope_p.h"

namespace hx {
namespace platform {
namespace places {

namespace {
thread_local int depth = 0;
thread_local quint64 current = 0;
thread_local std::vector<std::function<void()>> endActions;
} // namespace

StoreScope::StoreScope()
{
    if (depth++ == 0)
        ++current;
}

StoreScope::~StoreScope()
{
    if (--depth > 0)
        return;
    std::vector<std::function<void()>> actions;
    actions.swap(endActions);
    for (const auto &action : actions)
        action();
}

quint64 StoreScope::mark()
{
    return depth > 0 ? current : 0;
}

bool StoreScope::isFresh(quint64 mark)
{
    return mark != 0 && depth > 0 && mark == current;
}

void StoreScope::atEnd(std::function<void()> action)
{
    if (depth > 0)
        endActions.push_back(std::move(action));
    else
        action();
}

} // namespace places
} // namespace platform
} // namespace hx

#include <hx/platform/places/sortrule.h>

namespace hx {
namespace platform {
namespace places {

SortRule SortRule::createSimpleSortRule(int field, int order)
{
    SortRule rule;
    if (field >= FieldRelevance && field <= FieldLastUsed)
        rule.m_field = static_cast<Field>(field);
    rule.m_order = order == Descending ? Descending : Ascending;
    return rule;
}

} // namespace places
} // namespace platform
} // namespace hx

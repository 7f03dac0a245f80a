#ifndef HX_PLATFORM_PLACES_SORTRULE_H
#define HX_PLATFORM_PLACES_SORTRULE_H

namespace hx {
namespace platform {
namespace places {

// How a tag or text search orders its places. The default orders by relevance (name order for
// stored places).
class SortRule
{
public:
    enum Field { FieldRelevance = 0, FieldLastModified = 1, FieldName = 2, FieldLastUsed = 3 };
    enum Order { Ascending = 0, Descending = 1 };

    SortRule() = default;
    // (1, 1): the most recently changed place first, so a lookup with limit 1 finds the newest.
    static SortRule createSimpleSortRule(int field, int order);

    Field field() const { return m_field; }
    Order order() const { return m_order; }

    bool operator==(const SortRule &other) const { return m_field == other.m_field && m_order == other.m_order; }
    bool operator!=(const SortRule &other) const { return !(*this == other); }

private:
    Field m_field = FieldRelevance;
    Order m_order = Ascending;
};

} // namespace places
} // namespace platform
} // namespace hx

#endif

#include <hx/trellan/places/groupmapper.h>

namespace hx {
namespace trellan {
namespace places {

int GroupMapper::mapSingle(int category)
{
    // Indexed by FilterCategory::Type.
    static const int groups[] = { 0, 4, 2, 6, 7, 8, 9, 10, 5, 11, 13, 14, 12, 16 };
    if (category < 1 || category >= int(sizeof(groups) / sizeof(groups[0])))
        return 0;
    return groups[category];
}

QList<int> GroupMapper::mapList(const QList<FilterCategory::Type> &categories)
{
    QList<int> groups;
    groups.reserve(categories.size());
    for (FilterCategory::Type category : categories)
        groups.append(mapSingle(category));
    return groups;
}

} // namespace places
} // namespace trellan
} // namespace hx

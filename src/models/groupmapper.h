#ifndef HX_TRELLAN_PLACES_GROUPMAPPER_H
#define HX_TRELLAN_PLACES_GROUPMAPPER_H

#include <hx/trellan/places/filtercategory.h>
#include <hx/trellan/places/hxplacesglobal.h>

#include <QtCore/QList>

namespace hx {
namespace trellan {
namespace places {

// Filter categories to the store's result group numbers.
class HXPLACES_EXPORT GroupMapper
{
public:
    GroupMapper() = delete;

    // 0 for None and for anything outside the known categories.
    static int mapSingle(int category);
    // Same order and length as the input.
    static QList<int> mapList(const QList<FilterCategory::Type> &categories);
};

} // namespace places
} // namespace trellan
} // namespace hx

#endif

#ifndef HX_TRELLAN_PLACES_REVIEWITEM_H
#define HX_TRELLAN_PLACES_REVIEWITEM_H

#include <hx/platform/places/reviewauxiliarydata.h>
#include <hx/trellan/container.h>
#include <hx/trellan/places/hxplacesglobal.h>

namespace hx {
namespace trellan {
namespace places {

// One review on the review sheet: the quoted excerpt, the reviewer's stars, name and date.
class HXPLACES_EXPORT ReviewItem : public hx::trellan::Container
{
    Q_OBJECT

public:
    explicit ReviewItem(const hx::platform::places::ReviewAuxiliaryData &review, QObject *parent = nullptr);
    ~ReviewItem() override;
};

} // namespace places
} // namespace trellan
} // namespace hx

#endif

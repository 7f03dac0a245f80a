#ifndef HX_TRELLAN_PLACES_RATINGITEM_H
#define HX_TRELLAN_PLACES_RATINGITEM_H

#include <hx/trellan/container.h>
#include <hx/trellan/places/hxplacesglobal.h>
#include <hx/trellan/places/ratinginfo.h>

namespace hx {
namespace trellan {
class ImageView;
class Label;
namespace places {

// The stars and "(count)" of a search result row; hidden parts while nothing is known.
class HXPLACES_EXPORT RatingItem : public hx::trellan::Container
{
    Q_OBJECT

public:
    explicit RatingItem(QObject *parent = nullptr);
    ~RatingItem() override;

    void update(const RatingInfo &info);

private:
    hx::trellan::ImageView *m_stars;
    hx::trellan::Label *m_count;
};

} // namespace places
} // namespace trellan
} // namespace hx

#endif

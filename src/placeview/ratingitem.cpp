#include <hx/trellan/places/ratingitem.h>

#include <hx/trellan/enums.h>
#include <hx/trellan/imageview.h>
#include <hx/trellan/label.h>
#include <hx/trellan/places/placeutils.h>
#include <hx/trellan/places/ratingproviderutils.h>
#include <hx/trellan/stacklayout.h>
#include <hx/trellan/uiconfig.h>

namespace hx {
namespace trellan {
namespace places {

RatingItem::RatingItem(QObject *parent)
    : hx::trellan::Container(parent), m_stars(new ImageView(this)), m_count(new Label(this))
{
    auto *layout = new StackLayout(this);
    layout->setOrientation(LayoutOrientation::LeftToRight);
    setLayout(layout);
    m_stars->setObjectName(QStringLiteral("RatingStars"));
    m_stars->setPreferredSize(UIConfig::du(PlaceUtils::REVIEW_ITEM_RATING_STARS_WIDTH),
                              UIConfig::du(PlaceUtils::REVIEW_ITEM_RATING_STARS_HEIGHT));
    m_stars->setVisible(false);
    m_count->setObjectName(QStringLiteral("RatingCount"));
    m_count->setVisible(false);
    add(m_stars);
    add(m_count);
}

RatingItem::~RatingItem() = default;

void RatingItem::update(const RatingInfo &info)
{
    const bool rated = info.rating() > -1.0;
    if (rated)
        m_stars->setImage(
            RatingProviderUtils::ratingToImage(float(info.rating()), RatingProviderUtils::YELP_PROVIDER_NAME));
    m_stars->setVisible(rated);
    m_count->setVisible(info.ratingCount() >= 1);
    if (info.ratingCount() >= 1)
        m_count->setText(QStringLiteral("(%1)").arg(info.ratingCount()));
}

} // namespace places
} // namespace trellan
} // namespace hx

#include <hx/trellan/places/reviewitem.h>

#include <hx/trellan/imageview.h>
#include <hx/trellan/label.h>
#include <hx/trellan/places/log.h>
#include <hx/trellan/places/placeutils.h>
#include <hx/trellan/places/placeviewutils.h>
#include <hx/trellan/places/ratingproviderutils.h>
#include <hx/trellan/uiconfig.h>

namespace hx {
namespace trellan {
namespace places {

ReviewItem::ReviewItem(const hx::platform::places::ReviewAuxiliaryData &review, QObject *parent)
    : hx::trellan::Container(parent)
{
    const float padding = UIConfig::du(PlaceUtils::REVIEW_ITEM_PADDING);
    setLeftPadding(padding);
    setRightPadding(padding);
    setTopPadding(padding);
    setBottomPadding(padding);

    if (review.abstract().isEmpty()) {
        Log::debug() << "hx::trellan::places::ReviewItem: review without text by " << review.userName();
    } else {
        auto *excerpt = new Label(QLatin1Char('"') + review.abstract() + QLatin1Char('"'), this);
        excerpt->setObjectName(QStringLiteral("ReviewExcerpt"));
        excerpt->setMultiline(true);
        excerpt->setTextStyle(PlaceViewUtils::bodyTextTextStyle());
        add(excerpt);
    }

    auto *stars = new ImageView(this);
    stars->setObjectName(QStringLiteral("RatingStars"));
    stars->setPreferredSize(UIConfig::du(PlaceUtils::REVIEW_ITEM_RATING_STARS_WIDTH),
                            UIConfig::du(PlaceUtils::REVIEW_ITEM_RATING_STARS_HEIGHT));
    stars->setImage(RatingProviderUtils::ratingToImage(float(review.rating()), review.provider()));
    add(stars);

    auto *data = new Label(
        QStringLiteral("(%1, %2)").arg(review.userName(), RatingProviderUtils::msecToString(review.creationTime())),
        this);
    data->setObjectName(QStringLiteral("ReviewData"));
    data->setTextStyle(PlaceViewUtils::supportingTextMediumTextStyle());
    add(data);
}

ReviewItem::~ReviewItem() = default;

} // namespace places
} // namespace trellan
} // namespace hx

#include <hx/trellan/places/ratingbar.h>

#include <hx/trellan/enums.h>
#include <hx/trellan/fadetransition.h>
#include <hx/trellan/imagepaint.h>
#include <hx/trellan/imageview.h>
#include <hx/trellan/label.h>
#include <hx/trellan/places/imageset.h>
#include <hx/trellan/places/placeutils.h>
#include <hx/trellan/places/ratingproviderutils.h>
#include <hx/trellan/stacklayout.h>
#include <hx/trellan/taphandler.h>
#include <hx/trellan/uiconfig.h>

using hx::platform::places::PointOfInterestAuxiliaryData;

namespace hx {
namespace trellan {
namespace places {

namespace {

ImageView *sizedImage(const QString &name, const Image &image, float width, float height, QObject *parent)
{
    auto *view = new ImageView(parent);
    view->setObjectName(name);
    view->setPreferredSize(UIConfig::du(width), UIConfig::du(height));
    view->setImage(image);
    return view;
}

} // namespace

RatingBar::RatingBar(const PointOfInterestAuxiliaryData &poi, QObject *parent) : hx::trellan::Container(parent)
{
    setObjectName(QStringLiteral("RatingBar"));
    auto *layout = new StackLayout(this);
    layout->setOrientation(LayoutOrientation::LeftToRight);
    setLayout(layout);
    setPreferredHeight(UIConfig::du(PlaceUtils::RATING_BAR_HEIGHT));
    setLeftPadding(UIConfig::du(PlaceUtils::RATING_BAR_LEFT_PADDING));
    // The bar lies over the map: a fade behind it keeps the stars and the count readable.
    setBackground(ImagePaint(ImageSet::RATING_BAR_GRADIENT(), ImagePaint::XY));

    add(sizedImage(QStringLiteral("RatingStars"),
                   RatingProviderUtils::ratingToImage(float(poi.rating()), poi.provider()),
                   PlaceUtils::RATING_BAR_RATING_STARS_WIDTH, PlaceUtils::RATING_BAR_RATING_STARS_HEIGHT, this));
    auto *count = new Label(QStringLiteral("(%1)").arg(poi.ratingCount()), this);
    count->setObjectName(QStringLiteral("RatingCount"));
    add(count);
    add(sizedImage(QStringLiteral("ProviderLogo"), RatingProviderUtils::providerLogo(poi.provider()).image(),
                   PlaceUtils::RATING_BAR_YELP_LOGO_WIDTH, PlaceUtils::RATING_BAR_YELP_LOGO_HEIGHT, this));
    auto *forward = new ImageView(this);
    forward->setObjectName(QStringLiteral("ForwardButton"));
    forward->setImage(ImageSet::FORWARD());
    add(forward);

    auto *tap = new TapHandler(this);
    connect(tap, &TapHandler::tapped, this, &RatingBar::showDetails);
    addGestureHandler(tap);

    m_fadeIn = new FadeTransition(this);
    m_fadeIn->setFromOpacity(0.0f);
    m_fadeIn->setToOpacity(1.0f);
    m_fadeIn->setDuration(PlaceUtils::RATING_BAR_FADE_TIME);
    setOpacity(0.0f);
    m_fadeIn->play();
}

RatingBar::~RatingBar() = default;

} // namespace places
} // namespace trellan
} // namespace hx

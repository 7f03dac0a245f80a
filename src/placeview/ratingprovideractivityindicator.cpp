#include <hx/trellan/places/ratingprovideractivityindicator.h>

#include <hx/platform/places/provider.h>
#include <hx/trellan/activityindicator.h>
#include <hx/trellan/enums.h>
#include <hx/trellan/imageview.h>
#include <hx/trellan/places/placeutils.h>
#include <hx/trellan/places/ratingprovideractivityindicatorlabel.h>
#include <hx/trellan/places/ratingproviderutils.h>
#include <hx/trellan/stacklayout.h>
#include <hx/trellan/uiconfig.h>

namespace hx {
namespace trellan {
namespace places {

RatingProviderActivityIndicator::RatingProviderActivityIndicator(QObject *parent) : hx::trellan::Container(parent)
{
    setObjectName(QStringLiteral("RatingProviderActivityIndicator"));
    auto *layout = new StackLayout(this);
    layout->setOrientation(LayoutOrientation::LeftToRight);
    setLayout(layout);

    auto *spinner = new ActivityIndicator(this);
    spinner->setPreferredSize(UIConfig::du(PlaceUtils::SPINNER_SIZE), UIConfig::du(PlaceUtils::SPINNER_SIZE));
    spinner->start();
    add(spinner);
    add(new RatingProviderActivityIndicatorLabel(this));
    auto *logo = new ImageView(this);
    logo->setObjectName(QStringLiteral("ProviderLogo"));
    logo->setImage(
        RatingProviderUtils::providerLogo(hx::platform::places::Provider(RatingProviderUtils::YELP_PROVIDER_NAME))
            .image());
    add(logo);
}

RatingProviderActivityIndicator::~RatingProviderActivityIndicator() = default;

} // namespace places
} // namespace trellan
} // namespace hx

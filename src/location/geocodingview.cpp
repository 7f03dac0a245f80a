#include <hx/trellan/places/geocodingview.h>
#include <hx/trellan/places/placeutils.h>

#include <hx/trellan/activityindicator.h>
#include <hx/trellan/container.h>
#include <hx/trellan/docklayout.h>
#include <hx/trellan/enums.h>

namespace hx {
namespace trellan {
namespace places {

GeocodingView::GeocodingView(QObject *parent) : CustomControl(parent)
{
    auto *root = new hx::trellan::Container(this);
    root->setLayout(new hx::trellan::DockLayout(root));
    root->setHorizontalAlignment(hx::trellan::HorizontalAlignment::Fill);
    root->setVerticalAlignment(hx::trellan::VerticalAlignment::Fill);

    auto *spinner = new hx::trellan::ActivityIndicator(root);
    spinner->setObjectName(QStringLiteral("GeocodingActivityIndicator"));
    spinner->setPreferredWidth(PlaceUtils::SPINNER_SIZE);
    spinner->setHorizontalAlignment(hx::trellan::HorizontalAlignment::Center);
    spinner->setVerticalAlignment(hx::trellan::VerticalAlignment::Center);
    root->add(spinner);
    spinner->start();

    setRoot(root);
}

GeocodingView::~GeocodingView() = default;

} // namespace places
} // namespace trellan
} // namespace hx

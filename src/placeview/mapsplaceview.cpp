#include <hx/trellan/places/mapsplaceview.h>

#include "placeviewpage_p.h"

#include <hx/trellan/places/myplacespage.h>
#include <hx/trellan/places/placemanagerui.h>

namespace hx {
namespace trellan {
namespace places {

MapsPlaceView::MapsPlaceView(const QSharedPointer<hx::platform::places::AbstractPlace> &place,
                             const MyPlacesPage *owner)
{
    setObjectName(QStringLiteral("MapsPlaceView"));
    const QSharedPointer<hx::platform::places::Place> full = PlaceManagerUI::convertToPlace(place);
    if (!full)
        return;
    d = new PlaceViewPagePrivate(this, full, PlaceViewMode::ViewEditable);
    auto *listOwner = const_cast<MyPlacesPage *>(owner);
    if (listOwner) {
        connect(d, &PlaceViewPagePrivate::favoriteChanged, listOwner, &MyPlacesPage::onFavoriteChanged);
        connect(d, &PlaceViewPagePrivate::placeUpdated, listOwner, &MyPlacesPage::onPlaceUpdated);
    }
    connect(d, &PlaceViewPagePrivate::mapItAction, this, &MapsPlaceView::mapItAction);
    connect(d, QOverload<>::of(&PlaceViewPagePrivate::goAction), this, &MapsPlaceView::goAction);
    connect(d, QOverload<>::of(&PlaceViewPagePrivate::planRouteAction), this, &MapsPlaceView::planRouteAction);
    connect(d, &PlaceViewPagePrivate::deletePlace, this, &MapsPlaceView::requestClose);
    connect(this, &MapsPlaceView::setActions, d, &PlaceViewPagePrivate::setActions);
}

MapsPlaceView::~MapsPlaceView() = default;

PlaceViewPagePrivate *MapsPlaceView::d_func() const
{
    return d.data();
}

} // namespace places
} // namespace trellan
} // namespace hx

#include <hx/trellan/places/myplacespage.h>

#include "myplaceselector_p.h"
#include "records/selectedplace_p.h"

#include <hx/trellan/places/mapsplaceview.h>
#include <hx/trellan/places/placeutils.h>

namespace hx {
namespace trellan {
namespace places {

MyPlacesPage::MyPlacesPage(QObject *parent) : Page(parent)
{
    setObjectName(QStringLiteral("MyPlacesPage"));
    PlaceUtils::init();
    d = new MyPlaceSelectorPrivate(this);
    connect(d, &MyPlaceSelectorPrivate::mapItAction, this, &MyPlacesPage::mapItAction);
    connect(d, &MyPlaceSelectorPrivate::goAction, this, &MyPlacesPage::goAction);
    connect(d, &MyPlaceSelectorPrivate::planRouteAction, this, &MyPlacesPage::planRouteAction);
    connect(d, &MyPlaceSelectorPrivate::selectPlaceAction, this, &MyPlacesPage::selectPlaceAction);
}

MyPlacesPage::~MyPlacesPage() = default;

SelectedPlace *MyPlacesPage::selectedPlace() const
{
    const QSharedPointer<hx::platform::places::Place> place = d->selectedPlace();
    return place ? SelectedPlacePrivate::placeToSelectedPlace(place) : nullptr;
}

MapsPlaceView *MyPlacesPage::createDetailView(const QSharedPointer<hx::platform::places::AbstractPlace> &place)
{
    auto *view = new MapsPlaceView(place, this);
    view->setParent(this);
    return view;
}

void MyPlacesPage::onFavoriteChanged(bool favorite)
{
    d->favoriteChanged(favorite);
}

void MyPlacesPage::onPlaceUpdated()
{
    d->placeUpdated();
}

} // namespace places
} // namespace trellan
} // namespace hx

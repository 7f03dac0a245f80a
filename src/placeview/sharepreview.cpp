#include <hx/trellan/places/sharepreview.h>

#include "previewmapactions_p.h"

#include <hx/trellan/places/favaction.h>
#include <hx/trellan/places/iconitemtype.h>
#include <hx/trellan/places/mapdock.h>
#include <hx/trellan/places/mapsinvoker.h>
#include <hx/trellan/places/placemanagerui.h>

#include <hx/trellan/enums.h>
#include <hx/trellan/invokeactionitem.h>

using hx::platform::places::Coordinates;
using hx::platform::places::Place;

namespace hx {
namespace trellan {
namespace places {

SharePreview::SharePreview(const QSharedPointer<Place> &place, QObject *parent)
    : PickerPreview(getPersistedPlace(place), Coordinates(), parent),
      m_sharedPlace(place),
      m_mapActions(new PreviewMapActions(place, this))
{
    setObjectName(QStringLiteral("SharePreview"));
    connect(this, &PickerPreview::mapItAction, m_mapActions->invoker(), &MapsInvoker::onMapTouched);

    if (place && !IconItemType::isMyHome(place.data()) && !IconItemType::isMyWork(place.data()))
        addAction(favAction(), ActionBarPlacement::InOverflow);
    addAction(m_mapActions->createMapAction(), ActionBarPlacement::InOverflow);
    auto *go = m_mapActions->createGoAction();
    connect(go, &ActionItem::triggered, this, &SharePreview::goAction);
    addAction(go, ActionBarPlacement::Signature);
    addAction(m_mapActions->createPlanRouteAction(), ActionBarPlacement::OnBar);
}

SharePreview::~SharePreview() = default;

QSharedPointer<Place> SharePreview::getPersistedPlace(const QSharedPointer<Place> &place)
{
    if (place && !place->locations().isEmpty() && place->locations().first().coordinates().isValid())
        PlaceManagerUI::addRecentlyPickedPlace(*place, true);
    return place;
}

FavAction *SharePreview::favAction()
{
    m_favAction = new FavAction(m_sharedPlace->isFavorite());
    // Queued: the button flips first, then the store follows.
    connect(m_favAction, &ActionItem::triggered, this, &SharePreview::onFavAction, Qt::QueuedConnection);
    if (dock())
        connect(m_favAction, &FavAction::favorite, dock(), &MapDock::setFavorite);
    return m_favAction;
}

void SharePreview::onFavAction()
{
    if (m_favAction)
        m_favAction->handle(m_sharedPlace);
}

} // namespace places
} // namespace trellan
} // namespace hx

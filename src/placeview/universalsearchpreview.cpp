#include <hx/trellan/places/universalsearchpreview.h>

#include "previewmapactions_p.h"

#include <hx/trellan/places/favaction.h>
#include <hx/trellan/places/iconitemtype.h>
#include <hx/trellan/places/mapdock.h>
#include <hx/trellan/places/mapsinvoker.h>
#include <hx/trellan/places/placeutils.h>

#include <hx/trellan/enums.h>
#include <hx/trellan/invokeactionitem.h>

using hx::platform::places::Coordinates;
using hx::platform::places::Place;

namespace hx {
namespace trellan {
namespace places {

UniversalSearchPreview::UniversalSearchPreview(const QSharedPointer<Place> &place, QObject *parent)
    : PickerPreview(place, Coordinates(), parent),
      m_previewedPlace(place),
      m_mapActions(new PreviewMapActions(place, this))
{
    setObjectName(QStringLiteral("UniversalSearchPreview"));
    connect(this, &PickerPreview::mapItAction, m_mapActions->invoker(), &MapsInvoker::onMapTouched);

    addAction(m_mapActions->createMapAction(), ActionBarPlacement::InOverflow);
    auto *go = m_mapActions->createGoAction();
    connect(go, &ActionItem::triggered, this, &UniversalSearchPreview::goAction);
    addAction(go, ActionBarPlacement::Signature);
    addAction(m_mapActions->createPlanRouteAction(), ActionBarPlacement::InOverflow);
    if (hx::trellan::InvokeActionItem *share = PlaceUtils::createShareActionItem(place, this)) {
        m_mapActions->setShareAction(share);
        addAction(share, ActionBarPlacement::OnBar);
    }
    if (place && !IconItemType::isMyHome(place.data()) && !IconItemType::isMyWork(place.data()))
        addAction(favAction(), ActionBarPlacement::OnBar);
}

UniversalSearchPreview::~UniversalSearchPreview() = default;

FavAction *UniversalSearchPreview::favAction()
{
    m_favAction = new FavAction(m_previewedPlace && m_previewedPlace->isFavorite());
    // Queued: the button flips first, then the store follows.
    connect(m_favAction, &ActionItem::triggered, this, &UniversalSearchPreview::onFavAction, Qt::QueuedConnection);
    if (dock())
        connect(m_favAction, &FavAction::favorite, dock(), &MapDock::setFavorite);
    return m_favAction;
}

void UniversalSearchPreview::onFavAction()
{
    if (m_favAction)
        m_favAction->handle(m_previewedPlace);
}

} // namespace places
} // namespace trellan
} // namespace hx

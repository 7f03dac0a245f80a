#include "previewmapactions_p.h"

#include <hx/trellan/places/imageset.h>
#include <hx/trellan/places/mapsinvoker.h>
#include <hx/trellan/places/resourceutils.h>

#include <hx/trellan/invokeactionitem.h>

#include <QtCore/QCoreApplication>

namespace hx {
namespace trellan {
namespace places {

PreviewMapActions::PreviewMapActions(const QSharedPointer<hx::platform::places::Place> &place, QObject *parent)
    : QObject(parent), m_invoker(new MapsInvoker(place, this))
{ }

PreviewMapActions::~PreviewMapActions() = default;

hx::trellan::InvokeActionItem *PreviewMapActions::createMapAction()
{
    m_map = m_invoker->createMapAction();
    m_map->setObjectName(QStringLiteral("MapAction"));
    m_map->setImage(ImageSet::ACTIONMAP());
    retranslateUI();
    return m_map;
}

hx::trellan::InvokeActionItem *PreviewMapActions::createGoAction()
{
    m_go = m_invoker->createGoAction();
    m_go->setObjectName(QStringLiteral("GoAction"));
    m_go->setImageSource(QUrl(ResourceUtils::getAssetPath(QStringLiteral("maps_ic_go.png"))));
    retranslateUI();
    return m_go;
}

hx::trellan::InvokeActionItem *PreviewMapActions::createPlanRouteAction()
{
    m_plan = m_invoker->createPlanRouteAction();
    m_plan->setObjectName(QStringLiteral("PlanRouteAction"));
    m_plan->setImageSource(QUrl(ResourceUtils::getAssetPath(QStringLiteral("ic_plan_route.png"))));
    retranslateUI();
    return m_plan;
}

void PreviewMapActions::setShareAction(hx::trellan::InvokeActionItem *share)
{
    m_share = share;
}

void PreviewMapActions::retranslateUI()
{
    if (m_map)
        m_map->setTitle(QCoreApplication::translate("MapAction", "Map"));
    if (m_go)
        m_go->setTitle(QCoreApplication::translate("NavigateAction", "Go"));
    if (m_plan)
        m_plan->setTitle(QCoreApplication::translate("PlanAction", "Plan Route"));
    if (m_share)
        m_share->setTitle(QCoreApplication::translate("Places", "Share"));
}

} // namespace places
} // namespace trellan
} // namespace hx

#include <hx/trellan/places/planaction.h>
#include <hx/trellan/places/resourceutils.h>

#include <QtCore/QCoreApplication>

namespace hx {
namespace trellan {
namespace places {

PlanAction::PlanAction(QObject *parent) : hx::trellan::ActionItem(parent)
{
    setImageSource(QUrl(ResourceUtils::getAssetPath(QStringLiteral("ic_plan_route.png"))));
    setObjectName(QStringLiteral("PlanRouteAction"));
    retranslateUI();
}

PlanAction::~PlanAction() = default;

void PlanAction::retranslateUI()
{
    setTitle(QCoreApplication::translate("PlanAction", "Plan Route"));
}

} // namespace places
} // namespace trellan
} // namespace hx

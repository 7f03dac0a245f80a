#include <hx/trellan/places/navigateaction.h>
#include <hx/trellan/places/resourceutils.h>

#include <QtCore/QCoreApplication>

namespace hx {
namespace trellan {
namespace places {

NavigateAction::NavigateAction(QObject *parent) : hx::trellan::ActionItem(parent)
{
    setImageSource(QUrl(ResourceUtils::getAssetPath(QStringLiteral("maps_ic_go.png"))));
    setObjectName(QStringLiteral("GoAction"));
    retranslateUI();
}

NavigateAction::~NavigateAction() = default;

void NavigateAction::retranslateUI()
{
    setTitle(QCoreApplication::translate("NavigateAction", "Go"));
}

} // namespace places
} // namespace trellan
} // namespace hx

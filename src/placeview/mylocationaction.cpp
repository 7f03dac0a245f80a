#include <hx/trellan/places/mylocationaction.h>
#include <hx/trellan/places/resourceutils.h>

#include <QtCore/QCoreApplication>

namespace hx {
namespace trellan {
namespace places {

MyLocationAction::MyLocationAction(QObject *parent) : hx::trellan::ActionItem(parent)
{
    setImageSource(QUrl(ResourceUtils::getAssetPath(QStringLiteral("mylocation.png"))));
    setObjectName(QStringLiteral("PickMyLocationAction"));
    retranslateUI();
}

MyLocationAction::~MyLocationAction() = default;

void MyLocationAction::retranslateUI()
{
    setTitle(QCoreApplication::translate("Places Action", "My Location"));
}

} // namespace places
} // namespace trellan
} // namespace hx

#include <hx/trellan/places/imageset.h>
#include <hx/trellan/places/mapaction.h>

#include <QtCore/QCoreApplication>

namespace hx {
namespace trellan {
namespace places {

MapAction::MapAction(QObject *parent) : hx::trellan::ActionItem(parent)
{
    setImage(ImageSet::ACTIONMAP());
    setObjectName(QStringLiteral("MapAction"));
    retranslateUI();
}

MapAction::~MapAction() = default;

void MapAction::retranslateUI()
{
    setTitle(QCoreApplication::translate("MapAction", "Map"));
}

} // namespace places
} // namespace trellan
} // namespace hx

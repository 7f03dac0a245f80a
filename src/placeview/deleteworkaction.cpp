#include <hx/trellan/places/deleteworkaction.h>
#include <hx/trellan/places/resourceutils.h>

#include <QtCore/QCoreApplication>

namespace hx {
namespace trellan {
namespace places {

DeleteWorkAction::DeleteWorkAction(QObject *parent) : hx::trellan::DeleteActionItem(parent)
{
    setImageSource(QUrl(ResourceUtils::getAssetPath(QStringLiteral("deleteplace.png"))));
    setObjectName(QStringLiteral("DeleteWorkAction"));
    retranslateUI();
}

DeleteWorkAction::~DeleteWorkAction() = default;

void DeleteWorkAction::retranslateUI()
{
    setTitle(QCoreApplication::translate("DeleteWorkAction", "Delete Work"));
}

} // namespace places
} // namespace trellan
} // namespace hx

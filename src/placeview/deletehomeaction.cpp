#include <hx/trellan/places/deletehomeaction.h>
#include <hx/trellan/places/resourceutils.h>

#include <QtCore/QCoreApplication>

namespace hx {
namespace trellan {
namespace places {

DeleteHomeAction::DeleteHomeAction(QObject *parent) : hx::trellan::DeleteActionItem(parent)
{
    setImageSource(QUrl(ResourceUtils::getAssetPath(QStringLiteral("deleteplace.png"))));
    setObjectName(QStringLiteral("DeleteHomeAction"));
    retranslateUI();
}

DeleteHomeAction::~DeleteHomeAction() = default;

void DeleteHomeAction::retranslateUI()
{
    setTitle(QCoreApplication::translate("DeleteHomeAction", "Delete Home"));
}

} // namespace places
} // namespace trellan
} // namespace hx

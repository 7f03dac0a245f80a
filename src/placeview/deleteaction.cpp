#include <hx/trellan/places/deleteaction.h>
#include <hx/trellan/places/resourceutils.h>

#include <QtCore/QCoreApplication>

namespace hx {
namespace trellan {
namespace places {

DeleteAction::DeleteAction(QObject *parent) : hx::trellan::DeleteActionItem(parent)
{
    setImageSource(QUrl(ResourceUtils::getAssetPath(QStringLiteral("deleteplace.png"))));
    retranslateUI();
}

DeleteAction::~DeleteAction() = default;

void DeleteAction::retranslateUI()
{
    setTitle(QCoreApplication::translate("DeleteAction", "Delete"));
}

} // namespace places
} // namespace trellan
} // namespace hx

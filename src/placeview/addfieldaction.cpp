#include <hx/trellan/places/addfieldaction.h>
#include <hx/trellan/places/resourceutils.h>

#include <QtCore/QCoreApplication>

namespace hx {
namespace trellan {
namespace places {

AddFieldAction::AddFieldAction(QObject *parent) : hx::trellan::ActionItem(parent)
{
    setImageSource(QUrl(ResourceUtils::getAssetPath(QStringLiteral("ic_add_field.png"))));
    setObjectName(QStringLiteral("AddFieldAction"));
    retranslateUI();
}

AddFieldAction::~AddFieldAction() = default;

void AddFieldAction::retranslateUI()
{
    setTitle(QCoreApplication::translate("AddFieldAction", "Add Field"));
}

} // namespace places
} // namespace trellan
} // namespace hx

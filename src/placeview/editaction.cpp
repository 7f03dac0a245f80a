#include <hx/trellan/places/editaction.h>
#include <hx/trellan/places/resourceutils.h>

#include <QtCore/QCoreApplication>

namespace hx {
namespace trellan {
namespace places {

EditAction::EditAction(QObject *parent) : hx::trellan::ActionItem(parent)
{
    setImageSource(QUrl(ResourceUtils::getAssetPath(QStringLiteral("edit.png"))));
    setObjectName(QStringLiteral("EditAction"));
    retranslateUI();
}

EditAction::~EditAction() = default;

void EditAction::retranslateUI()
{
    setTitle(QCoreApplication::translate("EditAction", "Edit"));
}

} // namespace places
} // namespace trellan
} // namespace hx

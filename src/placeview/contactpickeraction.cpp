#include <hx/trellan/places/contactpickeraction.h>
#include <hx/trellan/places/resourceutils.h>

#include <QtCore/QCoreApplication>

namespace hx {
namespace trellan {
namespace places {

ContactPickerAction::ContactPickerAction(QObject *parent) : hx::trellan::ActionItem(parent)
{
    setImageSource(QUrl(ResourceUtils::getAssetPath(QStringLiteral("contact.png"))));
    setObjectName(QStringLiteral("PickContactAction"));
    retranslateUI();
}

ContactPickerAction::~ContactPickerAction() = default;

void ContactPickerAction::retranslateUI()
{
    setTitle(QCoreApplication::translate("ContactPickerAction", "Contacts"));
}

} // namespace places
} // namespace trellan
} // namespace hx

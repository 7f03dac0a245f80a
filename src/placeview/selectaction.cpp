#include <hx/trellan/places/resourceutils.h>
#include <hx/trellan/places/selectaction.h>

#include <QtCore/QCoreApplication>

namespace hx {
namespace trellan {
namespace places {

SelectAction::SelectAction(QObject *parent) : hx::trellan::ActionItem(parent)
{
    setImageSource(QUrl(ResourceUtils::getAssetPath(QStringLiteral("ic_done.png"))));
    setObjectName(QStringLiteral("SelectAction"));
    retranslateUI();
}

SelectAction::~SelectAction() = default;

void SelectAction::retranslateUI()
{
    setTitle(QCoreApplication::translate("Places", "Select"));
}

} // namespace places
} // namespace trellan
} // namespace hx

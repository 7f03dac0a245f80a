#include <hx/trellan/places/myworkaction.h>

#include <hx/trellan/places/homeworkcache.h>
#include <hx/trellan/places/resourceutils.h>

#include <QtCore/QCoreApplication>

namespace hx {
namespace trellan {
namespace places {

MyWorkAction::MyWorkAction(QObject *parent) : hx::trellan::ActionItem(parent)
{
    setImageSource(QUrl(ResourceUtils::getAssetPath(QStringLiteral("ic_work.png"))));
    retranslateUI();
}

MyWorkAction::~MyWorkAction() = default;

void MyWorkAction::retranslateUI()
{
    if (HomeWorkCache::hasMyWork()) {
        setTitle(QCoreApplication::translate("MyWorkAction", "Edit Work"));
        setObjectName(QStringLiteral("EditWork"));
    } else {
        setTitle(QCoreApplication::translate("MyWorkAction", "Add Work"));
        setObjectName(QStringLiteral("AddWork"));
    }
}

void MyWorkAction::updateTitle()
{
    retranslateUI();
}

} // namespace places
} // namespace trellan
} // namespace hx

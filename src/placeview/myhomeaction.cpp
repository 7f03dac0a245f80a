#include <hx/trellan/places/myhomeaction.h>

#include <hx/trellan/places/homeworkcache.h>
#include <hx/trellan/places/resourceutils.h>

#include <QtCore/QCoreApplication>

namespace hx {
namespace trellan {
namespace places {

MyHomeAction::MyHomeAction(QObject *parent) : hx::trellan::ActionItem(parent)
{
    setImageSource(QUrl(ResourceUtils::getAssetPath(QStringLiteral("ic_home.png"))));
    retranslateUI();
}

MyHomeAction::~MyHomeAction() = default;

void MyHomeAction::retranslateUI()
{
    if (HomeWorkCache::hasMyHome()) {
        setTitle(QCoreApplication::translate("MyHomeAction", "Edit Home"));
        setObjectName(QStringLiteral("EditHome"));
    } else {
        setTitle(QCoreApplication::translate("MyHomeAction", "Add Home"));
        setObjectName(QStringLiteral("AddHome"));
    }
}

void MyHomeAction::updateTitle()
{
    retranslateUI();
}

} // namespace places
} // namespace trellan
} // namespace hx

#include <hx/trellan/places/favoritetoast.h>

#include <QtCore/QCoreApplication>

namespace hx {
namespace trellan {
namespace places {

FavoriteToast::FavoriteToast(QObject *parent) : hx::system::SystemToast(parent), PickerRetrans(true)
{
    setObjectName(QStringLiteral("FavoriteToast"));
    setAutoUpdateEnabled(true);
    setPosition(hx::system::SystemUiPosition::Type(2));
    retranslateUI();
    connect(this, &hx::system::SystemToast::finished, this, &QObject::deleteLater);
}

FavoriteToast::~FavoriteToast() = default;

void FavoriteToast::retranslateUI()
{
    setBody(QCoreApplication::translate("Places", "Added to Favorites!"));
}

} // namespace places
} // namespace trellan
} // namespace hx

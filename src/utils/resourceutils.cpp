#include <hx/trellan/places/resourceutils.h>

#include <QtCore/QFile>

namespace hx {
namespace trellan {
namespace places {

QString ResourceUtils::getAssetPath(const QString &name)
{
    return QStringLiteral("asset:///places_images/") + name;
}

QString ResourceUtils::getQRCPath(const QString &name)
{
    return QStringLiteral("asset://hx.trellan.places/places_images/") + name;
}

QByteArray ResourceUtils::PlacePickerPngData()
{
    // The My Places pin: the same picture the picker's own pages use for My Places.
    QFile file(QStringLiteral(":/hx.trellan.places/places_images/ic_my_places.png"));
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    return file.readAll();
}

} // namespace places
} // namespace trellan
} // namespace hx

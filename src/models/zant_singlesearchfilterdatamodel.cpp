#include <hx/trellan/places/itemtype.h>
#include <hx/trellan/places/zant_singlesearchfilterdatamodel.h>

namespace hx {
namespace trellan {
namespace places {

using hx::platform::places::Place;

ZANT_SingleSearchFilterDataModel::ZANT_SingleSearchFilterDataModel(QObject *parent)
    : SingleSearchFilterDataModel(parent)
{
    qRegisterMetaType<QList<QSharedPointer<Place>>>();
    connect(this, &PlacesDataModel::modelLoadedFinal, this, &ZANT_SingleSearchFilterDataModel::onModelLoadedFinal);
}

ZANT_SingleSearchFilterDataModel::~ZANT_SingleSearchFilterDataModel() = default;

void ZANT_SingleSearchFilterDataModel::onModelLoadedFinal()
{
    QList<QSharedPointer<Place>> places;
    const int count = childCount(QVariantList());
    for (int row = 0; row < count; ++row) {
        const QVariantList path { row };
        const QString type = itemType(path);
        if (type != QLatin1String(ItemType::TYPE_CONTACT) && type != QLatin1String(ItemType::TYPE_MYPLACES)
            && type != QLatin1String(ItemType::TYPE_POI))
            continue;
        const QSharedPointer<Place> full = fullPlace(path).dynamicCast<Place>();
        if (full)
            places.append(full);
    }
    emit modelLoadedFinal(places);
}

} // namespace places
} // namespace trellan
} // namespace hx

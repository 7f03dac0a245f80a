#include "placerecord_p.h"

#include <hx/platform/places/place.h>
#include <hx/trellan/arraydatamodel.h>
#include <hx/trellan/places/cachedplacedatamodel.h>
#include <hx/trellan/places/itemtype.h>
#include <hx/trellan/places/log.h>
#include <hx/trellan/places/modelmarker.h>
#include <hx/trellan/places/placemanagerui.h>

#include <QtCore/QMutexLocker>

namespace hx {
namespace trellan {
namespace places {

using hx::platform::places::Error;
using hx::platform::places::Place;
using hx::platform::places::PlaceHeader;

CachedPlaceDataModel::CachedPlaceDataModel(QObject *parent) : PlacesDataModel(parent) { }

CachedPlaceDataModel::~CachedPlaceDataModel() = default;

QString CachedPlaceDataModel::itemType(const QVariantList &indexPath)
{
    return data(indexPath).value<ModelMarker>().type();
}

CachedPlace CachedPlaceDataModel::place(const QVariantList &indexPath)
{
    const int index = data(indexPath).value<ModelMarker>().index();
    QMutexLocker locker(&mutex());
    if (index < 0 || index >= m_storage.size())
        return CachedPlace();
    return m_storage.at(index);
}

CachedPlace CachedPlaceDataModel::fullPlace(const QVariantList &indexPath)
{
    const int index = data(indexPath).value<ModelMarker>().index();
    const CachedPlace entry = place(indexPath);
    if (!entry || dynamic_cast<const Place *>(entry.data()))
        return entry;
    const PlaceHeader *header = dynamic_cast<const PlaceHeader *>(entry.data());
    if (!header) {
        Log::warning() << "hx::trellan::places::CachedPlaceDataModel::fullPlace() unknown pointer type";
        return CachedPlace();
    }
    Error::Type error = Error::None;
    Place *full = PlaceManagerUI::getPlace(header, error, true);
    if (error != Error::None || !full) {
        delete full;
        Log::warning() << "hx::trellan::places::CachedPlaceDataModel::fullPlace() place manager error";
        return CachedPlace();
    }
    const CachedPlace result(full);
    QMutexLocker locker(&mutex());
    // Kept only if the storage still holds the record asked for: a new query may have begun.
    if (index < m_storage.size() && m_storage.at(index) == entry)
        m_storage[index] = result;
    return result;
}

bool CachedPlaceDataModel::refreshCache(int index)
{
    CachedPlace entry;
    {
        QMutexLocker locker(&mutex());
        if (index < 0 || index >= m_storage.size())
            return false;
        entry = m_storage.at(index);
    }
    QScopedPointer<PlaceHeader> header(PlaceRecord::headerOf(entry.data()));
    Error::Type error = header ? Error::None : Error::Type(1);
    Place *current = header ? PlaceManagerUI::getPlace(header.data(), error, true) : nullptr;
    if (error != Error::None || !current) {
        delete current;
        Log::warning() << "hx::trellan::places::CachedPlaceDataModel::refreshCache() Place Manager error ="
                       << int(error);
        return false;
    }
    QMutexLocker locker(&mutex());
    if (index >= m_storage.size() || m_storage.at(index) != entry) {
        delete current;
        return false;
    }
    m_storage[index] = CachedPlace(current);
    return true;
}

void CachedPlaceDataModel::refreshItem(const QVariantList &indexPath)
{
    const QVariant row = data(indexPath);
    if (row.isNull()) {
        Log::warning() << "hx::trellan::places::CachedPlaceDataModel::refreshItem() invalid indexPath";
        return;
    }
    const ModelMarker marker = row.value<ModelMarker>();
    if (!ItemType::isUpdatable(marker.type()))
        return;
    if (refreshCache(marker.index()))
        emit itemUpdated(indexPath);
}

QString CachedPlaceDataModel::createType(int group)
{
    switch (group) {
    case 2:
    case 5:
        return QLatin1String(ItemType::TYPE_RECENT);
    case 4:
        return QLatin1String(ItemType::TYPE_FAVORITE);
    case 6:
        return QLatin1String(ItemType::TYPE_CONTACT);
    case 7:
    case 14:
        return QLatin1String(ItemType::TYPE_MYPLACES);
    case 8:
    case 16:
        return QLatin1String(ItemType::TYPE_REMOTEPLACES);
    case 9:
        return QLatin1String(ItemType::TYPE_ADDRESS);
    case 10:
    case 12:
    case 13:
        return QLatin1String(ItemType::TYPE_POI);
    case 11:
        return QLatin1String(ItemType::TYPE_SUGGESTION);
    default:
        return QLatin1String(ItemType::TYPE_NONE);
    }
}

QVector<CachedPlace> &CachedPlaceDataModel::storage()
{
    return m_storage;
}

} // namespace places
} // namespace trellan
} // namespace hx

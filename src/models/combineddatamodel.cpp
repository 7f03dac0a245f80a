#include "groupedsearch_p.h"

#include <hx/platform/places/searchmanager.h>
#include <hx/trellan/arraydatamodel.h>
#include <hx/trellan/places/combineddatamodel.h>
#include <hx/trellan/places/itemtype.h>
#include <hx/trellan/places/modelmarker.h>

#include <QtCore/QMutexLocker>

namespace hx {
namespace trellan {
namespace places {

using hx::platform::places::Error;
using hx::platform::places::Place;
using hx::platform::places::SearchManager;
using hx::platform::places::SearchResult;

namespace {
const int pageSize = 10;
} // namespace

class CombinedDataModelPrivate
{
public:
    QString text;
    bool loaded = false;
    SearchManager searchManager;
    GroupedSearch::Layout layout;
};

CombinedDataModel::CombinedDataModel(QObject *parent) : CachedPlaceDataModel(parent), d(new CombinedDataModelPrivate)
{
    qRegisterMetaType<QList<QSharedPointer<Place>>>();
    d->layout.topGroup = 14;
    d->layout.shown = [](int, int received) { return qMin(received, pageSize); };
    d->layout.header = &CombinedDataModel::createHeader;
    d->layout.footer = [](int, int, const SearchResult &) { return QString(); };
    connect(&d->searchManager, &SearchManager::resultAvailable, this, &CombinedDataModel::onResultAvailable,
            Qt::QueuedConnection);
    connect(this, &PlacesDataModel::modelLoadedFinal, this, &CombinedDataModel::onModelLoaded);
}

CombinedDataModel::~CombinedDataModel() = default;

void CombinedDataModel::load(const QString &text, const hx::platform::places::Coordinates &near,
                             const QList<FilterCategory::Type> &categories, bool includeFavorites)
{
    int id;
    {
        QMutexLocker locker(&mutex());
        d->text = text;
        id = nextSearchId();
        d->loaded = false;
        storage().clear();
    }
    rows()->clear();
    // The combined list asks for My Places as group 14 when it gives no groups.
    d->searchManager.setMyPlacesGroup(14);
    GroupedSearch::start(&d->searchManager, text, near, id, categories, includeFavorites, pageSize);
}

void CombinedDataModel::onResultAvailable(Error::Type error, SearchResult result, bool done, int id)
{
    QMutexLocker locker(&mutex());
    if (id != searchIdLocked())
        return;
    if (error != Error::None) {
        const bool first = !d->loaded;
        d->loaded = true;
        locker.unlock();
        emit errorEvent(error);
        if (first)
            emit modelLoaded();
        if (done)
            emit modelLoadedFinal();
        return;
    }
    GroupedSearch::Block block = GroupedSearch::build(d->layout, result, storage());
    const bool first = !d->loaded && (done || !block.places.isEmpty());
    if (first)
        d->loaded = true;
    locker.unlock();

    GroupedSearch::insert(block, rows());
    requestForRating(block.places, id, block.placeRows);
    if (first)
        emit modelLoaded();
    if (done)
        emit modelLoadedFinal();
}

void CombinedDataModel::onModelLoaded()
{
    QList<QSharedPointer<Place>> places;
    const int count = rows()->size();
    for (int row = 0; row < count; ++row) {
        const QVariantList path { row };
        const QString type = itemType(path);
        if (type != QLatin1String(ItemType::TYPE_MYPLACES) && type != QLatin1String(ItemType::TYPE_POI)
            && type != QLatin1String(ItemType::TYPE_REMOTEPLACES))
            continue;
        const QSharedPointer<Place> full = fullPlace(path).dynamicCast<Place>();
        if (full)
            places.append(full);
    }
    emit modelLoadedWithPlaces(places);
}

QString CombinedDataModel::createHeader(int group)
{
    switch (group) {
    case 2:
    case 5:
        return QLatin1String(ItemType::HEADER_RECENT);
    case 4:
        return QLatin1String(ItemType::HEADER_FAVORITE);
    case 6:
        return QLatin1String(ItemType::HEADER_CONTACT);
    case 7:
    case 14:
        return QLatin1String(ItemType::HEADER_MYPLACES);
    case 8:
    case 10:
    case 12:
    case 13:
    case 16:
        return QLatin1String(ItemType::HEADER_POI);
    case 9:
        return QLatin1String(ItemType::HEADER_ADDRESS);
    case 11:
        return QLatin1String(ItemType::HEADER_SUGGESTION);
    default:
        return QLatin1String(ItemType::HEADER_NONE);
    }
}

} // namespace places
} // namespace trellan
} // namespace hx

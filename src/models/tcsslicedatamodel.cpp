#include <hx/platform/places/searchmanager.h>
#include <hx/trellan/arraydatamodel.h>
#include <hx/trellan/places/groupmapper.h>
#include <hx/trellan/places/log.h>
#include <hx/trellan/places/modelmarker.h>
#include <hx/trellan/places/tcsslicedatamodel.h>

#include <QtCore/QMutexLocker>

namespace hx {
namespace trellan {
namespace places {

using hx::platform::places::AbstractPlace;
using hx::platform::places::Coordinates;
using hx::platform::places::Error;
using hx::platform::places::SearchManager;
using hx::platform::places::SearchResult;

class TCSSliceDataModelPrivate
{
public:
    SearchManager searchManager;
    // All under the model's mutex.
    QString text;
    hx::platform::geo::BoundingBox box;
    Coordinates near;
    QList<int> groups;
    int sliceIndex = 0;
    bool moreData = false;
    bool canceled = false;
    int pendingSlice = -1; // the next slice asked for and not answered yet

    // A slice that brought nothing is asked for again by the next getNextSlice().
    void giveBackPendingSlice()
    {
        if (pendingSlice <= 0)
            return;
        sliceIndex = pendingSlice - 1;
        moreData = true;
        pendingSlice = -1;
    }
};

TCSSliceDataModel::TCSSliceDataModel(QObject *parent) : CachedPlaceDataModel(parent), d(new TCSSliceDataModelPrivate)
{
    connect(&d->searchManager, &SearchManager::resultAvailable, this, &TCSSliceDataModel::onResultAvailable,
            Qt::QueuedConnection);
    connect(&d->searchManager, &SearchManager::resultAvailable, this, &TCSSliceDataModel::resultAvailable,
            Qt::UniqueConnection);
}

TCSSliceDataModel::~TCSSliceDataModel() = default;

void TCSSliceDataModel::load(const QString &text, const hx::platform::geo::BoundingBox &box, const Coordinates &near,
                             const QList<FilterCategory::Type> &categories)
{
    int id;
    QList<int> groups;
    {
        QMutexLocker locker(&mutex());
        d->canceled = false;
        d->text = text;
        d->box = box;
        d->near = near;
        d->groups = GroupMapper::mapList(categories);
        d->sliceIndex = 0;
        d->moreData = false;
        d->pendingSlice = -1;
        storage().clear();
        id = nextSearchId();
        groups = d->groups;
    }
    rows()->clear();
    d->searchManager.search(text, near, id, groups, 0, SLICE_SIZE);
}

void TCSSliceDataModel::clear()
{
    bool abandoned;
    {
        QMutexLocker locker(&mutex());
        nextSearchId();
        d->moreData = false;
        d->sliceIndex = 0;
        abandoned = d->pendingSlice > 0;
        d->pendingSlice = -1;
        storage().clear();
    }
    rows()->clear();
    if (abandoned)
        emit sliceAbandoned();
}

void TCSSliceDataModel::getNextSlice()
{
    int id;
    int offset;
    {
        QMutexLocker locker(&mutex());
        d->canceled = false;
        const int nextIndex = d->sliceIndex + 1;
        if (rows()->size() >= MAX_RESULTS || !d->moreData || nextIndex * SLICE_SIZE >= MAX_RESULTS)
            return;
        d->sliceIndex = nextIndex;
        // Asked once: a second call before the reply would ask for the same rows again.
        d->moreData = false;
        d->pendingSlice = nextIndex;
        id = searchIdLocked();
        offset = nextIndex * SLICE_SIZE;
    }
    emit gettingSlice();
    d->searchManager.search(d->text, d->near, id, d->groups, offset, SLICE_SIZE);
}

QList<QSharedPointer<AbstractPlace>> TCSSliceDataModel::getSliceForIndex(const QVariantList &indexPath)
{
    QList<QSharedPointer<AbstractPlace>> slice;
    if (indexPath.isEmpty())
        return slice;
    const int row = indexPath.first().toInt();
    const int count = childCount(QVariantList());
    if (row < 0 || row >= count)
        return slice;
    const int first = row / SLICE_SIZE * SLICE_SIZE;
    const int end = qMin(first + SLICE_SIZE, count);
    for (int r = first; r < end; ++r)
        slice.append(place(QVariantList { r }));
    return slice;
}

void TCSSliceDataModel::cancelRequest()
{
    QMutexLocker locker(&mutex());
    d->canceled = true;
}

bool TCSSliceDataModel::isRequestCanceled() const
{
    QMutexLocker locker(&mutex());
    return d->canceled;
}

QString TCSSliceDataModel::text() const
{
    QMutexLocker locker(&mutex());
    return d->text;
}

void TCSSliceDataModel::requestForRating(const QList<int> &rowNumbers)
{
    QList<CachedPlace> places;
    QVariantList rowList;
    for (int row : rowNumbers) {
        places.append(place(QVariantList { row }));
        rowList.append(row);
    }
    PlacesDataModel::requestForRating(places, searchId(), rowList);
}

void TCSSliceDataModel::onResultAvailable(Error::Type error, SearchResult result, bool done, int id)
{
    QMutexLocker locker(&mutex());
    if (id != searchIdLocked())
        return;
    if (d->canceled) {
        const bool abandoned = done && d->pendingSlice > 0;
        if (done)
            d->giveBackPendingSlice();
        locker.unlock();
        if (abandoned)
            emit sliceAbandoned();
        return;
    }
    QList<int> added;
    QVariantList newRows;
    if (error == Error::None) {
        d->moreData = result.searchHandle().hasMoreData();
        const QString type = createType(int(result.sourceGroup()));
        const int firstRow = rows()->size();
        for (const QSharedPointer<AbstractPlace> &place : result.places()) {
            if (firstRow + added.size() >= MAX_RESULTS)
                break;
            newRows.append(QVariant::fromValue(ModelMarker(storage().size(), type)));
            storage().append(place);
            added.append(firstRow + added.size());
        }
    } else {
        Log::warning() << "hx::trellan::places::TCSSliceDataModel::onResultAvailable(): SearchManager error = "
                       << int(error);
        d->giveBackPendingSlice();
    }
    if (done)
        d->pendingSlice = -1;
    locker.unlock();
    if (!newRows.isEmpty()) {
        rows()->insertList(rows()->size(), newRows);
        requestForRating(added);
    }
    emit modelLoaded();
    if (done)
        emit modelLoadedFinal();
}

} // namespace places
} // namespace trellan
} // namespace hx

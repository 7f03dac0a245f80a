#include "placesdatamodel_p.h"

#include <hx/platform/places/auxiliarydatarequest.h>
#include <hx/platform/places/internaltags.h>
#include <hx/platform/places/place.h>
#include <hx/platform/places/pointofinterestauxiliarydata.h>
#include <hx/trellan/places/log.h>
#include <hx/trellan/places/modelmarker.h>
#include <hx/trellan/places/placesdatamodel.h>

#include <algorithm>

namespace hx {
namespace trellan {
namespace places {

using hx::platform::places::AbstractPlace;
using hx::platform::places::AuxiliaryData;
using hx::platform::places::AuxiliaryDataReply;
using hx::platform::places::AuxiliaryDataRequest;
using hx::platform::places::Error;
using hx::platform::places::InternalTags;
using hx::platform::places::Place;
using hx::platform::places::PointOfInterestAuxiliaryData;

namespace {
// The rating provider whose numbers the rows show.
const char ratingProvider[] = "Yelp";
} // namespace

PlacesDataModel::PlacesDataModel(QObject *parent) : DataModel(parent), d(new PlacesDataModelPrivate)
{
    qRegisterMetaType<QList<AuxiliaryData>>("QList<AuxiliaryData>");
    qRegisterMetaType<QList<AuxiliaryDataReply>>();
    // Forwarded directly: a worker that appends rows emits from its own thread, and views take
    // these signals queued.
    connect(&d->rows, &DataModel::itemAdded, this, &DataModel::itemAdded, Qt::DirectConnection);
    connect(&d->rows, &DataModel::itemUpdated, this, &DataModel::itemUpdated, Qt::DirectConnection);
    connect(&d->rows, &DataModel::itemRemoved, this, &DataModel::itemRemoved, Qt::DirectConnection);
    connect(&d->rows, &DataModel::itemMoved, this, &DataModel::itemMoved, Qt::DirectConnection);
    connect(&d->rows, &DataModel::itemsChanged, this, &DataModel::itemsChanged, Qt::DirectConnection);
    connect(&d->ratings, &hx::platform::places::PlaceSearchManager::auxiliaryDataAvailable, this,
            &PlacesDataModel::onAuxiliaryDataAvailable, Qt::QueuedConnection);
}

PlacesDataModel::~PlacesDataModel() = default;

int PlacesDataModel::childCount(const QVariantList &indexPath)
{
    return d->rows.childCount(indexPath);
}

bool PlacesDataModel::hasChildren(const QVariantList &indexPath)
{
    return d->rows.hasChildren(indexPath);
}

QString PlacesDataModel::itemType(const QVariantList &indexPath)
{
    return d->rows.data(indexPath).value<ModelMarker>().type();
}

QVariant PlacesDataModel::data(const QVariantList &indexPath)
{
    return d->rows.data(indexPath);
}

bool PlacesDataModel::hasMoreItems(const QVariantList &)
{
    return false;
}

int PlacesDataModel::searchId() const
{
    QMutexLocker locker(&d->mutex);
    return d->searchId;
}

hx::trellan::ArrayDataModel *PlacesDataModel::rows() const
{
    return &d->rows;
}

QMutex &PlacesDataModel::mutex() const
{
    return d->mutex;
}

int PlacesDataModel::nextSearchId()
{
    return ++d->searchId;
}

void PlacesDataModel::setSearchIdLocked(int id)
{
    d->searchId = id;
}

int PlacesDataModel::searchIdLocked() const
{
    return d->searchId;
}

void PlacesDataModel::requestForRating(const QList<CachedPlace> &places, int searchId, const QVariantList &rows)
{
    QList<AuxiliaryDataRequest> requests;
    QList<PlacesDataModelPrivate::PendingRating> pending;
    for (int i = 0; i < places.size() && i < rows.size(); ++i) {
        const CachedPlace &place = places.at(i);
        if (!place)
            continue;
        const Place *full = dynamic_cast<const Place *>(place.data());
        if (full && full->hasTag(QLatin1String(InternalTags::SuggestionCategory)))
            continue;
        if (!place->hasPhysicalLocation() || place->source() == AbstractPlace::SourceManualInput)
            continue;
        requests.append(
            AuxiliaryDataRequest(place, QLatin1String(AuxiliaryData::TypePointOfInterest), true, rows.at(i)));
        const int row = rows.at(i).toInt();
        pending.append({ searchId, row, row });
    }
    {
        // Recorded before the requests go out: a worker that asks may lose the race to the reply.
        QMutexLocker locker(&d->mutex);
        d->searchId = searchId;
        d->pendingRatings.erase(std::remove_if(d->pendingRatings.begin(), d->pendingRatings.end(),
                                               [searchId](const PlacesDataModelPrivate::PendingRating &rating) {
                                                   return rating.searchId != searchId;
                                               }),
                                d->pendingRatings.end());
        d->pendingRatings.append(pending);
    }
    if (requests.isEmpty())
        return;
    const Error::Type error = d->ratings.requestAuxiliaryData(requests, QVariant(searchId));
    if (error != Error::None) {
        Log::warning() << "hx::trellan::places::PlacesDataModel::requestForRating() error: " << int(error);
        QMutexLocker locker(&d->mutex);
        for (const PlacesDataModelPrivate::PendingRating &rating : qAsConst(pending))
            d->takePendingRow(rating.searchId, rating.askedRow);
    }
}

void PlacesDataModel::movePendingRatings(int row, int count)
{
    QMutexLocker locker(&d->mutex);
    for (PlacesDataModelPrivate::PendingRating &rating : d->pendingRatings) {
        if (rating.row >= row)
            rating.row += count;
    }
}

int PlacesDataModelPrivate::takePendingRow(int id, int askedRow)
{
    for (int i = 0; i < pendingRatings.size(); ++i) {
        const PendingRating &rating = pendingRatings.at(i);
        if (rating.searchId == id && rating.askedRow == askedRow)
            return pendingRatings.takeAt(i).row;
    }
    return -1;
}

void PlacesDataModel::onAuxiliaryDataAvailable(QList<AuxiliaryDataReply> replies, QVariant id, bool)
{
    bool ok = false;
    const int replyId = id.toInt(&ok);
    QMutexLocker locker(&d->mutex);
    if (!ok || replyId != d->searchId)
        return;
    QVariantList rows;
    QList<RatingInfo> ratings;
    for (const AuxiliaryDataReply &reply : replies) {
        // Replies come in request order, so the oldest pending entry of a row is this reply's.
        const int row = d->takePendingRow(replyId, reply.userData().toInt());
        if (reply.isError()) {
            Log::warning() << "hx::trellan::places::PlacesDataModel::onAuxiliaryDataAvailable(): error = "
                           << int(reply.status());
            continue;
        }
        for (const AuxiliaryData &data : reply.data()) {
            if (data.type() != QLatin1String(AuxiliaryData::TypePointOfInterest)
                || data.provider().name() != QLatin1String(ratingProvider))
                continue;
            const PointOfInterestAuxiliaryData poi(data);
            rows.append(row);
            ratings.append(RatingInfo(poi.rating(), poi.ratingCount()));
            break;
        }
    }
    locker.unlock();
    updateRatingInfo(rows, ratings);
}

void PlacesDataModel::updateRatingInfo(const QVariantList &rows, const QList<RatingInfo> &ratings)
{
    for (int i = 0; i < rows.size() && i < ratings.size(); ++i) {
        // Unrated places come back as 0 or NaN; neither replaces "no rating known".
        if (!(ratings.at(i).rating() > 0.0))
            continue;
        const int row = rows.at(i).toInt();
        if (row < 0)
            continue;
        ModelMarker marker = d->rows.value(row).value<ModelMarker>();
        if (!marker.isValid() || marker.index() == -1)
            continue;
        marker.updateRatingInfo(ratings.at(i));
        d->rows.replace(row, QVariant::fromValue(marker));
    }
}

} // namespace places
} // namespace trellan
} // namespace hx

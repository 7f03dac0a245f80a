#include <hx/platform/places/gazetteer.h>
#include <hx/platform/places/imageauxiliarydata.h>
#include <hx/platform/places/placesearchmanager.h>
#include <hx/platform/places/provider.h>
#include <hx/platform/places/reviewauxiliarydata.h>

#include <QtCore/QMetaObject>

#include <memory>

#include "placefactory_p.h"
#include "storescope_p.h"

namespace hx {
namespace platform {
namespace places {

namespace {
// The gazetteer entry a point of interest came from; -1 for any other place.
qint64 gazetteerEntryOf(const Place &place)
{
    for (const AuxiliaryData &item : place.auxiliaryData()) {
        if (item.type() == QLatin1String(AuxiliaryData::TypePointOfInterest)
            && item.provider().name() == QLatin1String(Provider::Gazetteer)) {
            bool ok = false;
            const qint64 id = item.externalId().toLongLong(&ok);
            return ok ? id : -1;
        }
    }
    return -1;
}

ReviewAuxiliaryData reviewData(const GazetteerReview &review)
{
    ReviewAuxiliaryData data;
    data.setProvider(Provider(QLatin1String(Provider::Ratings)));
    data.setExternalId(QString::number(review.entryId));
    data.setUserName(review.author);
    data.setRating(review.rating);
    data.setAbstract(review.text);
    data.setCreationTime(review.created);
    data.setUrl(QUrl(review.pageUrl));
    if (!review.imageUrl.isEmpty())
        data.setProperty(QStringLiteral("imageUrl"), review.imageUrl);
    return data;
}

// The rating service's reviews of a point of interest, newest first, and its picture: the
// image of the newest review that has one. Each only when the request asks for its type.
QList<AuxiliaryData> reviewsOf(const Place &place, const QString &type)
{
    const bool reviews = type.isEmpty() || type == QLatin1String(AuxiliaryData::TypeReview);
    const bool image = type.isEmpty() || type == QLatin1String(AuxiliaryData::TypeImage);
    const qint64 entry = reviews || image ? gazetteerEntryOf(place) : -1;
    Error::Type error = Error::None;
    Gazetteer *gazetteer = entry >= 0 ? PlaceFactory::gazetteer(&error) : nullptr;
    if (!gazetteer)
        return {};
    QList<AuxiliaryData> data;
    QString imageUrl;
    for (const GazetteerReview &review : gazetteer->reviews(entry)) {
        if (imageUrl.isEmpty())
            imageUrl = review.imageUrl;
        if (reviews)
            data.append(reviewData(review));
    }
    if (image && !imageUrl.isEmpty()) {
        ImageAuxiliaryData picture;
        picture.setProvider(Provider(QLatin1String(Provider::Ratings)));
        picture.setExternalId(QString::number(entry));
        picture.setUrl(QUrl(imageUrl));
        data.prepend(picture);
    }
    return data;
}

AuxiliaryDataReply answer(const AuxiliaryDataRequest &request)
{
    if (!request.place())
        return AuxiliaryDataReply(Error::InvalidArgument, request.userData(), request.place(), {});
    Error::Type error = Error::None;
    std::unique_ptr<Place> full(PlaceFactory::resolve(request.place().data(), &error));
    if (!full)
        return AuxiliaryDataReply(error, request.userData(), request.place(), {});
    QList<AuxiliaryData> data;
    for (const AuxiliaryData &item : full->auxiliaryData()) {
        if (!request.dataType().isEmpty() && item.type() != request.dataType())
            continue;
        // Remote data is what came from the providers that stand in for the online services.
        const QString provider = item.provider().name();
        if (request.remoteDataOnly() && provider != QLatin1String(Provider::Gazetteer)
            && provider != QLatin1String(Provider::Ratings))
            continue;
        data.append(item);
    }
    data += reviewsOf(*full, request.dataType());
    return AuxiliaryDataReply(Error::None, request.userData(), request.place(), data);
}
} // namespace

PlaceSearchManager::PlaceSearchManager(QObject *parent) : SearchManager(parent) { }

PlaceSearchManager::~PlaceSearchManager() = default;

Error::Type PlaceSearchManager::requestAuxiliaryData(const QList<AuxiliaryDataRequest> &requests, const QVariant &id)
{
    if (requests.isEmpty())
        return Error::InvalidArgument;
    QList<AuxiliaryDataReply> replies;
    {
        const StoreScope scope;
        for (const AuxiliaryDataRequest &request : requests)
            replies.append(answer(request));
    }
    QMetaObject::invokeMethod(
        this, [this, replies, id] { Q_EMIT auxiliaryDataAvailable(replies, id, true); }, Qt::QueuedConnection);
    return Error::None;
}

} // namespace places
} // namespace platform
} // namespace hx

#include <hx/platform/places/placesearchmanager.h>
#include <hx/platform/places/provider.h>

#include <QtCore/QMetaObject>
#include <QtCore/QThreadPool>

#include <memory>

#include "placefactory_p.h"
#include "placesearchmanager_p.h"
#include "storescope_p.h"

namespace hx {
namespace platform {
namespace places {

namespace {
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
    return AuxiliaryDataReply(Error::None, request.userData(), request.place(), data);
}
} // namespace

QThreadPool *PlaceSearchManagerPrivate::answering()
{
    static QThreadPool *pool = [] {
        auto *made = new QThreadPool;
        made->setMaxThreadCount(1);
        made->setExpiryTimeout(-1);
        return made;
    }();
    return pool;
}

PlaceSearchManager::PlaceSearchManager(QObject *parent) : SearchManager(parent), d(new PlaceSearchManagerPrivate)
{
    d->link->manager = this;
}

PlaceSearchManager::~PlaceSearchManager()
{
    // A job that finishes later finds no manager; what one posted already is dropped with us.
    QMutexLocker lock(&d->link->mutex);
    d->link->manager = nullptr;
}

Error::Type PlaceSearchManager::requestAuxiliaryData(const QList<AuxiliaryDataRequest> &requests, const QVariant &id)
{
    if (requests.isEmpty())
        return Error::InvalidArgument;
    PlaceSearchManagerPrivate::answering()->start([link = d->link, requests, id] {
        QList<AuxiliaryDataReply> replies;
        {
            const StoreScope scope;
            for (const AuxiliaryDataRequest &request : requests)
                replies.append(answer(request));
        }
        QMutexLocker lock(&link->mutex);
        if (PlaceSearchManager *manager = link->manager) {
            QMetaObject::invokeMethod(
                manager, [manager, replies, id] { Q_EMIT manager->auxiliaryDataAvailable(replies, id, true); },
                Qt::QueuedConnection);
        }
    });
    return Error::None;
}

} // namespace places
} // namespace platform
} // namespace hx

#include <hx/platform/places/placesearchmanager.h>
#include <hx/platform/places/provider.h>

#include <QtCore/QMetaObject>

#include <memory>

#include "placefactory_p.h"
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

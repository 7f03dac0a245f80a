#include <hx/trellan/places/ratingprovider.h>

#include <hx/platform/places/auxiliarydatarequest.h>
#include <hx/platform/places/imageauxiliarydata.h>
#include <hx/platform/places/placesearchmanager.h>
#include <hx/platform/places/pointofinterestauxiliarydata.h>
#include <hx/trellan/places/log.h>
#include <hx/trellan/places/ratingproviderutils.h>

using namespace hx::platform::places;

namespace hx {
namespace trellan {
namespace places {

RatingProvider::RatingProvider(QObject *parent) : QObject(parent), m_manager(new PlaceSearchManager(this))
{
    qRegisterMetaType<PointOfInterestAuxiliaryData>("hx::platform::places::PointOfInterestAuxiliaryData");
    qRegisterMetaType<QList<AuxiliaryData>>("QList<AuxiliaryData>");
    connect(m_manager, &PlaceSearchManager::auxiliaryDataAvailable, this, &RatingProvider::onAuxiliaryDataAvailable);
}

RatingProvider::~RatingProvider() = default;

Error::Type RatingProvider::request(const QSharedPointer<Place> &place, const QString &dataType, const QString &tag)
{
    const QList<AuxiliaryDataRequest> requests { AuxiliaryDataRequest(place, dataType, true, tag) };
    return m_manager->requestAuxiliaryData(requests, QVariant());
}

void RatingProvider::requestForRating(const QSharedPointer<Place> &place)
{
    const Error::Type code = request(place, QString(), RatingProviderUtils::SEARCH_REQUEST);
    if (code != Error::None)
        Log::warning() << "hx::trellan::places::RatingProvider::requestForRating() error: " << int(code);
}

void RatingProvider::requestForBusinessDetails(const QSharedPointer<Place> &place)
{
    const Error::Type code
        = request(place, QLatin1String(AuxiliaryData::TypeReview), RatingProviderUtils::BUSINESS_REQUEST);
    if (code != Error::None)
        Log::warning() << "hx::trellan::places::RatingProvider::requestForBusinessDetails() error: " << int(code);
}

void RatingProvider::onAuxiliaryDataAvailable(const QList<AuxiliaryDataReply> &replies, const QVariant &, bool)
{
    if (replies.isEmpty() || replies.first().isError()) {
        const int status = replies.isEmpty() ? -1 : int(replies.first().status());
        Log::warning() << "hx::trellan::places::RatingProvider::onAuxiliaryDataAvailable() error: " << status;
        emit error();
        return;
    }
    const AuxiliaryDataReply &reply = replies.first();
    const QString tag = reply.userData().toString();
    if (tag == RatingProviderUtils::SEARCH_REQUEST) {
        const ImageAuxiliaryData image = RatingProviderUtils::getImageAuxiliaryData(reply.data());
        if (image.isValid())
            emit imageUrlAvailable(image.url());
        emit searchResult(reply.data());
    } else if (tag == RatingProviderUtils::BUSINESS_REQUEST) {
        emit businessResult(reply.data());
    }
}

} // namespace places
} // namespace trellan
} // namespace hx

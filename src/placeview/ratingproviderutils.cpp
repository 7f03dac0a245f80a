#include <hx/trellan/places/ratingproviderutils.h>

#include <hx/trellan/places/log.h>

#include <QtCore/QDateTime>

using namespace hx::platform::places;
using hx::trellan::Image;

namespace hx {
namespace trellan {
namespace places {

const QString RatingProviderUtils::YELP_PROVIDER_NAME = QStringLiteral("Yelp");
const QString RatingProviderUtils::SEARCH_REQUEST = QStringLiteral("search");
const QString RatingProviderUtils::BUSINESS_REQUEST = QStringLiteral("business");
const QString RatingProviderUtils::WEB_LINK_TEMPLATE = QStringLiteral("<html><a>%1</a></html>");

namespace {

Image starsForTenths(int tenths)
{
    switch (tenths) {
    case 10:
        return ImageSet::YELP10();
    case 15:
        return ImageSet::YELP15();
    case 20:
        return ImageSet::YELP20();
    case 25:
        return ImageSet::YELP25();
    case 30:
        return ImageSet::YELP30();
    case 35:
        return ImageSet::YELP35();
    case 40:
        return ImageSet::YELP40();
    case 45:
        return ImageSet::YELP45();
    case 50:
        return ImageSet::YELP50();
    default:
        return Image();
    }
}

bool isHalfStep(int tenths)
{
    return tenths >= 10 && tenths <= 50 && tenths % 5 == 0;
}

} // namespace

Image RatingProviderUtils::ratingToImage(float rating, const QString &providerName)
{
    if (providerName != YELP_PROVIDER_NAME) {
        Log::warning() << "hx::trellan::places::RatingProviderUtils::ratingToImage(): unknown provider = "
                       << providerName;
        return Image();
    }
    // Truncated toward zero, so 4.55 still draws four and a half stars and 4.49 none.
    const double tenths = double(rating) * 10.0;
    if (!(tenths >= 0.0 && tenths < 1000.0) || !isHalfStep(int(tenths))) {
        Log::warning() << "hx::trellan::places::RatingProviderUtils::ratingToImage(): invalid rating value = "
                       << rating;
        return Image();
    }
    return starsForTenths(int(tenths));
}

Image RatingProviderUtils::ratingToImage(float rating, const Provider &provider)
{
    return ratingToImage(rating, provider.name());
}

ImageSet RatingProviderUtils::providerLogo(const Provider &provider)
{
    if (provider.name() != YELP_PROVIDER_NAME)
        return ImageSet();
    return ImageSet(ImageSet::YELP_LOGO(), QStringLiteral("yelp_logo_100x50.png"));
}

QString RatingProviderUtils::msecToString(qint64 value)
{
    const uint seconds = uint(quint64(value) & 0xffffffffu);
    return QDateTime::fromSecsSinceEpoch(qint64(seconds), Qt::UTC).toString(QStringLiteral("dd-MM-yyyy"));
}

PointOfInterestAuxiliaryData RatingProviderUtils::getPointOfInterestAuxiliaryData(const QList<AuxiliaryData> &data,
                                                                                  const QString &providerName)
{
    for (const AuxiliaryData &item : data) {
        if (item.type() == QLatin1String(AuxiliaryData::TypePointOfInterest) && item.provider().name() == providerName)
            return PointOfInterestAuxiliaryData(item);
    }
    return PointOfInterestAuxiliaryData();
}

ImageAuxiliaryData RatingProviderUtils::getImageAuxiliaryData(const QList<AuxiliaryData> &data)
{
    for (const AuxiliaryData &item : data) {
        if (item.type() == QLatin1String(AuxiliaryData::TypeImage) && item.provider().name() == YELP_PROVIDER_NAME)
            return ImageAuxiliaryData(item);
    }
    return ImageAuxiliaryData();
}

QList<ReviewAuxiliaryData> RatingProviderUtils::getReviewAuxiliaryData(const QList<AuxiliaryData> &data)
{
    QList<ReviewAuxiliaryData> reviews;
    for (const AuxiliaryData &item : data) {
        if (item.type() == QLatin1String(AuxiliaryData::TypeReview))
            reviews.append(ReviewAuxiliaryData(item));
    }
    return reviews;
}

PointOfInterestAuxiliaryData RatingProviderUtils::getPointOfInterestAuxiliaryDataWithCategory(const Place &place)
{
    for (const AuxiliaryData &item : place.auxiliaryData()) {
        if (item.type() != QLatin1String(AuxiliaryData::TypePointOfInterest))
            continue;
        const PointOfInterestAuxiliaryData poi(item);
        if (!poi.categories().isEmpty())
            return poi;
    }
    return PointOfInterestAuxiliaryData();
}

} // namespace places
} // namespace trellan
} // namespace hx

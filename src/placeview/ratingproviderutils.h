#ifndef HX_TRELLAN_PLACES_RATINGPROVIDERUTILS_H
#define HX_TRELLAN_PLACES_RATINGPROVIDERUTILS_H

#include <hx/platform/places/auxiliarydata.h>
#include <hx/platform/places/imageauxiliarydata.h>
#include <hx/platform/places/place.h>
#include <hx/platform/places/pointofinterestauxiliarydata.h>
#include <hx/platform/places/provider.h>
#include <hx/platform/places/reviewauxiliarydata.h>
#include <hx/trellan/image.h>
#include <hx/trellan/places/hxplacesglobal.h>
#include <hx/trellan/places/imageset.h>

#include <QtCore/QList>
#include <QtCore/QString>

namespace hx {
namespace trellan {
namespace places {

// Star images, logos and the lookups of the review provider's auxiliary data.
class HXPLACES_EXPORT RatingProviderUtils
{
public:
    RatingProviderUtils() = delete;

    static const QString YELP_PROVIDER_NAME;
    static const QString SEARCH_REQUEST;
    static const QString BUSINESS_REQUEST;
    static const QString WEB_LINK_TEMPLATE;

    // The stars for a rating in half-star steps from 1 to 5; any other rating or provider
    // gives an empty image.
    static hx::trellan::Image ratingToImage(float rating, const QString &providerName);
    static hx::trellan::Image ratingToImage(float rating, const hx::platform::places::Provider &provider);
    static ImageSet providerLogo(const hx::platform::places::Provider &provider);
    // "dd-MM-yyyy" of the low 32 bits taken as seconds since 1970 UTC.
    static QString msecToString(qint64 value);

    static hx::platform::places::PointOfInterestAuxiliaryData
    getPointOfInterestAuxiliaryData(const QList<hx::platform::places::AuxiliaryData> &data,
                                    const QString &providerName);
    static hx::platform::places::ImageAuxiliaryData
    getImageAuxiliaryData(const QList<hx::platform::places::AuxiliaryData> &data);
    static QList<hx::platform::places::ReviewAuxiliaryData>
    getReviewAuxiliaryData(const QList<hx::platform::places::AuxiliaryData> &data);
    static hx::platform::places::PointOfInterestAuxiliaryData
    getPointOfInterestAuxiliaryDataWithCategory(const hx::platform::places::Place &place);
};

} // namespace places
} // namespace trellan
} // namespace hx

#endif

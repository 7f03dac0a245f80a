#ifndef HX_PLATFORM_PLACES_POINTOFINTERESTAUXILIARYDATA_H
#define HX_PLATFORM_PLACES_POINTOFINTERESTAUXILIARYDATA_H

#include <hx/platform/places/auxiliarydata.h>
#include <hx/platform/places/category.h>
#include <hx/platform/places/dayofweek.h>
#include <hx/platform/places/timerange.h>

#include <QtCore/QMap>
#include <QtCore/QUrl>

namespace hx {
namespace platform {
namespace places {

// A typed view of point-of-interest data: contact details, rating, opening hours, categories.
class PointOfInterestAuxiliaryData : public AuxiliaryData
{
public:
    using OpeningHours = QMap<DayOfWeek::Type, QList<TimeRange>>;

    PointOfInterestAuxiliaryData();
    // A view of other data; the type is set to TypePointOfInterest.
    explicit PointOfInterestAuxiliaryData(const AuxiliaryData &data);

    QString name() const;
    QString phoneNumber() const;
    QString fax() const;
    QUrl url() const;
    QString emailAddress() const;
    double rating() const; // NaN when unrated
    int ratingCount() const;
    OpeningHours openingHours() const;
    int utcOffsetSeconds() const;
    QString parking() const;
    QString reservation() const;
    QString priceRange() const;
    QString paymentMethods() const;
    QString openingHoursString() const;
    QList<Category> categories() const;

    void setName(const QString &name);
    void setPhoneNumber(const QString &phone);
    void setFax(const QString &fax);
    void setUrl(const QUrl &url);
    void setEmailAddress(const QString &email);
    void setRating(double rating);
    void setRatingCount(int count);
    void setOpeningHours(const OpeningHours &hours);
    void setUtcOffsetSeconds(int seconds);
    void setParking(const QString &text);
    void setReservation(const QString &text);
    void setPriceRange(const QString &text);
    void setPaymentMethods(const QString &text);
    void setOpeningHoursString(const QString &text);
    void setCategories(const QList<Category> &categories);
};

} // namespace places
} // namespace platform
} // namespace hx

Q_DECLARE_METATYPE(hx::platform::places::PointOfInterestAuxiliaryData)

#endif

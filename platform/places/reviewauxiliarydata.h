#ifndef HX_PLATFORM_PLACES_REVIEWAUXILIARYDATA_H
#define HX_PLATFORM_PLACES_REVIEWAUXILIARYDATA_H

#include <hx/platform/places/auxiliarydata.h>

#include <QtCore/QUrl>

namespace hx {
namespace platform {
namespace places {

// A typed view of one review. creationTime() is in seconds since the epoch.
class ReviewAuxiliaryData : public AuxiliaryData
{
public:
    ReviewAuxiliaryData();
    // A view of other data; the type is set to TypeReview.
    explicit ReviewAuxiliaryData(const AuxiliaryData &data);

    QString abstract() const;
    double rating() const;
    QString userName() const;
    qint64 creationTime() const;
    QUrl url() const;

    void setAbstract(const QString &value);
    void setRating(double value);
    void setUserName(const QString &value);
    void setCreationTime(qint64 value);
    void setUrl(const QUrl &value);
};

} // namespace places
} // namespace platform
} // namespace hx

Q_DECLARE_METATYPE(hx::platform::places::ReviewAuxiliaryData)

#endif

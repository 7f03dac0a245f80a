#ifndef HX_TRELLAN_PLACES_RATINGPROVIDER_H
#define HX_TRELLAN_PLACES_RATINGPROVIDER_H

#include <hx/platform/places/auxiliarydata.h>
#include <hx/platform/places/auxiliarydatareply.h>
#include <hx/platform/places/place.h>
#include <hx/trellan/places/hxplacesglobal.h>

#include <QtCore/QObject>
#include <QtCore/QSharedPointer>
#include <QtCore/QUrl>
#include <QtCore/QVariant>

namespace hx {
namespace platform {
namespace places {
class PlaceSearchManager;
}
} // namespace platform
namespace trellan {
namespace places {

// Asks the store for a place's rating and reviews; replies are told apart only by the tag
// ("search" or "business") that travels with each request.
class HXPLACES_EXPORT RatingProvider : public QObject
{
    Q_OBJECT

public:
    explicit RatingProvider(QObject *parent = nullptr);
    ~RatingProvider() override;

    void requestForRating(const QSharedPointer<hx::platform::places::Place> &place);
    void requestForBusinessDetails(const QSharedPointer<hx::platform::places::Place> &place);

public slots:
    void onAuxiliaryDataAvailable(const QList<hx::platform::places::AuxiliaryDataReply> &replies,
                                  const QVariant &searchId, bool done);

signals:
    void searchResult(const QList<hx::platform::places::AuxiliaryData> &data);
    void businessResult(const QList<hx::platform::places::AuxiliaryData> &data);
    void imageUrlAvailable(const QUrl &url);
    void error();

private:
    hx::platform::places::Error::Type request(const QSharedPointer<hx::platform::places::Place> &place,
                                              const QString &dataType, const QString &tag);

    hx::platform::places::PlaceSearchManager *m_manager;
};

} // namespace places
} // namespace trellan
} // namespace hx

#endif

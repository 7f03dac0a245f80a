#ifndef HX_TRELLAN_PLACES_MAPDOCK_H
#define HX_TRELLAN_PLACES_MAPDOCK_H

#include <hx/trellan/places/hxplacesglobal.h>
#include <hx/trellan/places/placeviewmode.h>

#include <hx/trellan/container.h>
#include <hx/trellan/image.h>

#include <QtCore/QPointer>
#include <QtCore/QSharedPointer>
#include <QtCore/QUrl>
#include <hx/platform/places/auxiliarydata.h>
#include <hx/platform/places/coordinates.h>
#include <hx/platform/places/location.h>
#include <hx/platform/places/place.h>
#include <hx/platform/places/pointofinterestauxiliarydata.h>

namespace hx {
namespace trellan {
class ImageView;
namespace places {

class MapHolder;
class RatingBar;
class RatingDetails;
class RatingProvider;
class WebImage;

// The top of a place card: the map, and over it the review provider's rating bar and picture.
// The rating reply is handed on (auxDataAvailable) for the reservation row of the details.
class HXPLACES_EXPORT MapDock : public hx::trellan::Container
{
    Q_OBJECT
public:
    MapDock(const QSharedPointer<hx::platform::places::Place> &place, bool showFavoriteStar, PlaceViewMode::Type mode,
            bool geocode, QObject *parent = nullptr);
    ~MapDock() override;

    MapHolder *mapHolder() const { return m_holder; }
    RatingBar *ratingBar() const { return m_ratingBar; }
    hx::trellan::ImageView *thumbnail() const { return m_thumbnail; }

    // The holder is built for editing (its geocoded positions are not written back) in these.
    static bool isEditingMode(PlaceViewMode::Type mode);

public slots:
    void setFavorite(bool favorite);
    void onAddressLabelChanged(const QString &text);
    void onAddressChanging();
    void onSearchResult(const QList<hx::platform::places::AuxiliaryData> &data);
    void onShowRatingDetails();
    void onImageUrlAvailable(const QUrl &url);
    void updateThumbnail(const hx::trellan::Image &image);
    void onRatingBarFocusHighlight(bool highlighted);

signals:
    void touched();
    void locationChanged(const hx::platform::places::Coordinates &coordinates);
    void geocodingResult(const hx::platform::places::Location &location, bool success);
    void imageLoaded();
    void touchedFocused(bool focused);
    void locationCoordinates(const hx::platform::places::Location &location);
    void thumbnailAvailable(hx::trellan::Image &image);
    void auxDataAvailable(const QList<hx::platform::places::AuxiliaryData> &data);

private:
    void initRatingProvider();
    void initThumbnail();

    QSharedPointer<hx::platform::places::Place> m_place;
    RatingProvider *m_provider = nullptr;
    MapHolder *m_holder;
    RatingBar *m_ratingBar = nullptr;
    hx::platform::places::PointOfInterestAuxiliaryData m_poi;
    hx::trellan::ImageView *m_thumbnail = nullptr;
    WebImage *m_webImage = nullptr;
    QPointer<RatingDetails> m_ratingDetails; // opened again on each tap, its reviews asked once
};

} // namespace places
} // namespace trellan
} // namespace hx

#endif

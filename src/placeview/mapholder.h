#ifndef HX_TRELLAN_PLACES_MAPHOLDER_H
#define HX_TRELLAN_PLACES_MAPHOLDER_H

#include <hx/trellan/places/hxplacesglobal.h>

#include <hx/trellan/container.h>
#include <hx/trellan/enums.h>

#include <QtCore/QList>
#include <QtCore/QSharedPointer>
#include <QtCore/QVariant>
#include <hx/platform/geo/geolist.h>
#include <hx/platform/places/address.h>
#include <hx/platform/places/coordinates.h>
#include <hx/platform/places/location.h>
#include <hx/platform/places/place.h>

namespace hx {
namespace trellan {
class ActivityIndicator;
class ImageView;
class TapEvent;
class TouchEvent;
namespace maps {
class MapImageGenerator;
}
namespace places {

class CustomDialog;
class ReverseGeocodeRunnable;

// The static map at the top of a place card, with its push pin and favourite star. It is also
// where an address typed in the editor is geocoded and where a position without an address is
// reverse-geocoded; geocodingResult tells the card, the form and the info block the outcome.
class HXPLACES_EXPORT MapHolder : public hx::trellan::Container
{
    Q_OBJECT
public:
    MapHolder(const QSharedPointer<hx::platform::places::Place> &place, bool showFavoriteStar, bool editing,
              bool geocode, QObject *parent = nullptr);
    ~MapHolder() override;

    hx::platform::places::Location shownLocation() const { return m_shownLocation; }
    hx::platform::places::Location geocodedLocation() const { return m_geocodedLocation; }
    // The view of the last map requested, so a caller can tell where a point lands on it.
    hx::trellan::maps::MapImageGenerator *mapGenerator() const { return m_generator; }

    // Puts location first in place's locations, in place of the first one.
    static void replaceFirstLocation(hx::platform::places::Place &place,
                                     const hx::platform::places::Location &location);

public slots:
    void setFavorite(bool favorite);
    void onAddressChanged(const hx::platform::places::Address &address);
    void onAddressLabelChanged(const QString &text);
    void onAddressChanging();
    void onMapHolderTapped(hx::trellan::TapEvent *event);
    void onError();
    void onGeocodingFinished(const QString &text, const QList<hx::platform::places::Location> &locations, int error);
    void onAddressSelectionResult(hx::trellan::Control *control, const QVariant &userData);
    void imageAvailable(hx::trellan::maps::MapImageGenerator *reply);
    void onTouch(hx::trellan::TouchEvent *event);
    void onTouchFocused(hx::trellan::TouchEvent *event);
    void onLocationCoordinates(const hx::platform::places::Location &location);
    void onReverseGeocodeFinished(hx::trellan::places::ReverseGeocodeRunnable *runnableId, bool success,
                                  const hx::platform::places::Location &location);
    void onOrientationAboutToChange(hx::trellan::UIOrientation::Type uiOrientation);

signals:
    void geocodingResult(const hx::platform::places::Location &location, bool success);
    void imageLoaded();
    void locationChanged(const hx::platform::places::Coordinates &coordinates);
    void touched();
    void touchedFocused(bool focused);

private:
    void buildControls(bool showFavoriteStar);
    void showFirst(bool geocode);
    void showAddressAndMap();
    void showNoMap();
    void geocodeAndShowMap(bool geocode);
    void reverseGeocodeAndShowMap();
    void onGeocodedLocation(const hx::platform::places::Location &location, bool success);
    void writeBack(const hx::platform::places::Location &location);
    void getMapImageFromShownLocation();
    void getMapImage(double latitude, double longitude, double altitude);
    void setMapShown(bool shown);
    bool hasShownCoordinates() const;
    static hx::platform::places::Location createMinimalLocation(const QString &text);

    QSharedPointer<hx::platform::places::Place> m_place;
    hx::platform::places::Location m_geocodedLocation;
    hx::platform::places::Location m_shownLocation;
    hx::platform::geo::GeoList m_pins;
    int m_screenWidth;
    int m_screenHeight;
    bool m_writeBack;
    ReverseGeocodeRunnable *m_reverseJob = nullptr;
    int m_geocodeJob = 0; // number of the newest forward geocode
    hx::trellan::maps::MapImageGenerator *m_generator = nullptr;
    hx::trellan::ImageView *m_mapImage;
    hx::trellan::ActivityIndicator *m_indicator;
    hx::trellan::ImageView *m_favoriteStar = nullptr;
    hx::trellan::ImageView *m_pin;
    hx::trellan::Container *m_noMap;
    CustomDialog *m_dialog = nullptr;
};

} // namespace places
} // namespace trellan
} // namespace hx

#endif

#ifndef HX_TRELLAN_PLACES_VIEWPLACECONTENT_H
#define HX_TRELLAN_PLACES_VIEWPLACECONTENT_H

#include <hx/trellan/places/hxplacesglobal.h>
#include <hx/trellan/places/placeviewmode.h>

#include <hx/trellan/container.h>

#include <QtCore/QRectF>
#include <QtCore/QScopedPointer>
#include <QtCore/QSharedPointer>
#include <hx/platform/places/location.h>
#include <hx/platform/places/place.h>

namespace hx {
namespace trellan {
class ScrollView;
namespace places {

class DetailsView;
class InfoView;
class MapDock;
class ViewPlaceContentPrivate;

// The scrollable body of a place card: the map on top, then the address block and the details.
class HXPLACES_EXPORT ViewPlaceContent : public hx::trellan::Container
{
    Q_OBJECT
public:
    ViewPlaceContent(const QSharedPointer<hx::platform::places::Place> &place, PlaceViewMode::Type mode, bool geocode,
                     QObject *parent = nullptr);
    ~ViewPlaceContent() override;

    // The voice-assistant card modes (7 to 10).
    static bool isZANTMode(int mode);

    QSharedPointer<hx::platform::places::Place> place() const;
    hx::trellan::ScrollView *scrollView() const;
    MapDock *mapDock() const;
    InfoView *infoView() const;
    DetailsView *detailsView() const;

public slots:
    void onGeocodingResult(const hx::platform::places::Location &location, bool success);
    void onMainLayoutChange(const QRectF &frame);

signals:
    void favorite(bool favorite);
    void selected();
    void canceled();
    void locationValid();
    void locationChanged();
    void mapTouched();
    void makeZANTCall(const QString &number);

private:
    QScopedPointer<ViewPlaceContentPrivate> d;
};

} // namespace places
} // namespace trellan
} // namespace hx

#endif

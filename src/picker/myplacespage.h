#ifndef HX_TRELLAN_PLACES_MYPLACESPAGE_H
#define HX_TRELLAN_PLACES_MYPLACESPAGE_H

#include <hx/platform/places/abstractplace.h>
#include <hx/platform/places/place.h>
#include <hx/trellan/page.h>
#include <hx/trellan/places/hxplacesglobal.h>

#include <QtCore/QSharedPointer>

namespace hx {
namespace trellan {
namespace places {

class MapsPlaceView;
class MyPlaceSelectorPrivate;
class SelectedPlace;

// The My Places page an application pushes: recent places, favourites and contacts with
// addresses in three tabs, the actions that add or edit home, work, a favourite or a contact,
// and each row's context menu. The application hears which place the user picked or wants to
// map, go to or plan a route to.
class HXPLACES_EXPORT MyPlacesPage : public hx::trellan::Page
{
    Q_OBJECT
public:
    explicit MyPlacesPage(QObject *parent = nullptr);
    ~MyPlacesPage() override;

    // The place the user acted on last, as a new SelectedPlace the caller owns; null when none.
    SelectedPlace *selectedPlace() const;
    // A page with the card of place, owned by this page.
    MapsPlaceView *createDetailView(const QSharedPointer<hx::platform::places::AbstractPlace> &place);

    MyPlaceSelectorPrivate *d_func() const { return d; }

Q_SIGNALS:
    void mapItAction();
    void goAction();
    void planRouteAction();
    void selectPlaceAction(QSharedPointer<hx::platform::places::Place> place);

public Q_SLOTS:
    void onFavoriteChanged(bool favorite);
    void onPlaceUpdated();

private:
    MyPlaceSelectorPrivate *d;
};

} // namespace places
} // namespace trellan
} // namespace hx

#endif

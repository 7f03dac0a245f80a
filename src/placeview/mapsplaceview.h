#ifndef HX_TRELLAN_PLACES_MAPSPLACEVIEW_H
#define HX_TRELLAN_PLACES_MAPSPLACEVIEW_H

#include <hx/platform/places/abstractplace.h>
#include <hx/trellan/page.h>
#include <hx/trellan/places/hxplacesglobal.h>

#include <QtCore/QPointer>
#include <QtCore/QSharedPointer>

namespace hx {
namespace trellan {
namespace places {

class MyPlacesPage;
class PlaceViewPagePrivate;

// The card of a place from the My Places page, on a page of its own: the owner's list follows
// what the user changes on the card, and a deleted place asks the application to close the page.
// A place the store cannot give in full leaves the page empty.
class HXPLACES_EXPORT MapsPlaceView : public hx::trellan::Page
{
    Q_OBJECT
public:
    MapsPlaceView(const QSharedPointer<hx::platform::places::AbstractPlace> &place, const MyPlacesPage *owner);
    ~MapsPlaceView() override;

    // Null when the page is empty.
    PlaceViewPagePrivate *d_func() const;

Q_SIGNALS:
    void mapItAction();
    void goAction();
    void planRouteAction();
    void requestClose();
    // Emitted by the application once the page is on its pane, to build the card's action bar
    // and back button.
    void setActions();

private:
    QPointer<PlaceViewPagePrivate> d;
};

} // namespace places
} // namespace trellan
} // namespace hx

#endif

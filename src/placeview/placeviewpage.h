#ifndef HX_TRELLAN_PLACES_PLACEVIEWPAGE_H
#define HX_TRELLAN_PLACES_PLACEVIEWPAGE_H

#include <hx/trellan/places/hxplacesglobal.h>
#include <hx/trellan/places/placeviewmode.h>

#include <hx/trellan/page.h>

#include <hx/platform/places/place.h>

#include <QtCore/QSharedPointer>

namespace hx {
namespace trellan {
namespace places {

class PlaceViewPagePrivate;

// The details card of one place with its actions (favourite, share, map, navigate, plan a route,
// edit, delete home or work). The card's logic lives in a private child object; the page hands
// its signals on to the application, which pushes the page on a navigation pane and emits
// setActions() once the page is on top, so the action bar and the back button fit the pane.
class HXPLACES_EXPORT PlaceViewPage : public hx::trellan::Page
{
    Q_OBJECT
public:
    // The kind of place a new-place editor creates: a home or work place gets its tag; callers
    // pass 0 for a new favourite, and any other value is a place without a tag.
    enum PlaceType { Home = 1, Work = 2, Other = 3 };

    PlaceViewPage(const QSharedPointer<hx::platform::places::Place> &place, PlaceViewMode::Type mode,
                  QObject *parent = nullptr);
    PlaceViewPage(qint64 placeId, PlaceViewMode::Type mode, QObject *parent = nullptr);
    PlaceViewPage(const QString &searchTerm, PlaceViewMode::Type mode, QObject *parent = nullptr);
    // The editor of a saved place (a contact's place goes to the contacts editor instead).
    explicit PlaceViewPage(const QSharedPointer<hx::platform::places::Place> &place, QObject *parent = nullptr);
    // The editor of a new place made from place.
    PlaceViewPage(PlaceType type, const QSharedPointer<hx::platform::places::Place> &place, bool showAllFields,
                  QObject *parent = nullptr);
    // The editor of a new, empty place with all its fields.
    explicit PlaceViewPage(PlaceType type, QObject *parent = nullptr);
    // The add-favourite composer for a text (an address typed elsewhere).
    explicit PlaceViewPage(const QString &text, QObject *parent = nullptr);
    ~PlaceViewPage() override;

    PlaceViewPagePrivate *d_func() const { return d; }

signals:
    void back();
    void selected(const QSharedPointer<hx::platform::places::Place> &place);
    void favoriteChanged(bool favorite);
    void placeUpdated();
    void deletePlace(qint64 placeId);
    void mapAction(const QSharedPointer<hx::platform::places::Place> &place);
    void goAction(const QSharedPointer<hx::platform::places::Place> &place);
    void planRouteAction(const QSharedPointer<hx::platform::places::Place> &place);
    // Emitted by the application to rebuild the action bar (once the page is on its pane).
    void setActions();

private:
    void connectPrivate();

    PlaceViewPagePrivate *d;
};

} // namespace places
} // namespace trellan
} // namespace hx

#endif

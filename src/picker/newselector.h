#ifndef HX_TRELLAN_PLACES_NEWSELECTOR_H
#define HX_TRELLAN_PLACES_NEWSELECTOR_H

#include <hx/platform/places/location.h>
#include <hx/platform/places/place.h>
#include <hx/trellan/places/hxplacesglobal.h>
#include <hx/trellan/places/placeviewpage.h>
#include <hx/trellan/sheet.h>

#include <QtCore/QPointer>
#include <QtCore/QSharedPointer>

namespace hx {
namespace trellan {
class NavigationPane;
class Page;
class UIObject;
namespace places {

class NewSelectorPage;

// The sheet that adds a favourite, the home or the work place: the user searches, previews,
// takes the current location or starts a blank entry, and the chosen place is shown on a place
// card inside the sheet. The sheet opens when built and deletes itself once closed.
class HXPLACES_EXPORT NewSelector : public hx::trellan::Sheet
{
    Q_OBJECT
public:
    // type: 0 a new favourite, PlaceViewPage::Home or PlaceViewPage::Work.
    NewSelector(PlaceViewPage::PlaceType type, hx::trellan::UIObject *parent = nullptr);
    ~NewSelector() override;

    // "Home" and "Work" in the current language; empty for a favourite.
    static QString typeToName(int type);
    // The store tag a place of that type carries.
    static QString typeToTag(int type);

    PlaceViewPage::PlaceType type() const { return m_type; }
    hx::trellan::NavigationPane *pane() const { return m_pane; }
    NewSelectorPage *firstPage() const { return m_firstPage; }

Q_SIGNALS:
    void placeUpdated();
    void favoriteChanged(bool favorite);
    void mapAction(QSharedPointer<hx::platform::places::Place> place);
    void goAction(QSharedPointer<hx::platform::places::Place> place);
    void planRouteAction(QSharedPointer<hx::platform::places::Place> place);

public Q_SLOTS:
    void onPlaceSelected(QSharedPointer<hx::platform::places::Place> place);
    void onContactsViewPushed(hx::trellan::Page *page);
    void onPreview(QSharedPointer<hx::platform::places::Place> place);
    void onOpened();
    void onNewEntry();
    void closeView();
    void onDataServiceSettingDone(bool answer);
    void onPopTransitionEnded(hx::trellan::Page *page);
    void onMyLocation(hx::platform::places::Location location);
    void onMapAction(QSharedPointer<hx::platform::places::Place> place);
    void onGoAction(QSharedPointer<hx::platform::places::Place> place);
    void onPlanRouteAction(QSharedPointer<hx::platform::places::Place> place);

private:
    void checkLocationSettings();
    void pushPlacePage(PlaceViewPage *page);
    void addBackActionObjectName(hx::trellan::Page *page);
    bool storeChosenPlace(hx::platform::places::Place &place);

    PlaceViewPage::PlaceType m_type;
    hx::trellan::NavigationPane *m_pane;
    NewSelectorPage *m_firstPage;
    QPointer<PlaceViewPage> m_viewedPage;
};

} // namespace places
} // namespace trellan
} // namespace hx

#endif

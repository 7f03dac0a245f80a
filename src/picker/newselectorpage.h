#ifndef HX_TRELLAN_PLACES_NEWSELECTORPAGE_H
#define HX_TRELLAN_PLACES_NEWSELECTORPAGE_H

#include <hx/platform/places/location.h>
#include <hx/platform/places/place.h>
#include <hx/trellan/enums.h>
#include <hx/trellan/page.h>
#include <hx/trellan/places/hxplacesglobal.h>

#include <QtCore/QPointer>
#include <QtCore/QSharedPointer>

namespace hx {
namespace trellan {
class ActionBarProperties;
namespace places {

class MyLocationAction;
class MyLocationDialog;
class NewSelectorControl;
class NewSelectorPageTitle;

// The first page of the new selector: the search screen under a title bar with "Cancel" and
// "New Entry", and "My Location" as its signature action.
class HXPLACES_EXPORT NewSelectorPage : public hx::trellan::Page
{
    Q_OBJECT
public:
    // type: 1 home, 2 work, anything else a favourite.
    explicit NewSelectorPage(int type, QObject *parent = nullptr);
    ~NewSelectorPage() override;

    NewSelectorControl *control() const { return m_control; }
    NewSelectorPageTitle *pageTitle() const { return m_title; }
    MyLocationAction *myLocationAction() const { return m_myLocationAction; }

Q_SIGNALS:
    void newEntry();
    void canceled();
    void myLocation(hx::platform::places::Location location);
    void placeSelected(QSharedPointer<hx::platform::places::Place> place);
    void preview(QSharedPointer<hx::platform::places::Place> place);

public Q_SLOTS:
    void onPlaceSelected(QSharedPointer<hx::platform::places::Place> place);
    void onMyLocation();
    void onMyLocationDone(hx::platform::places::Location location);
    void onOrientationAboutToChange(hx::trellan::UIOrientation::Type orientation);

private:
    NewSelectorPageTitle *m_title;
    NewSelectorControl *m_control;
    MyLocationAction *m_myLocationAction;
    hx::trellan::ActionBarProperties *m_actionBarProperties;
    QPointer<MyLocationDialog> m_dialog;
};

} // namespace places
} // namespace trellan
} // namespace hx

#endif

#ifndef HX_TRELLAN_PLACES_SELECTORSHEET_H
#define HX_TRELLAN_PLACES_SELECTORSHEET_H

#include <hx/platform/places/place.h>
#include <hx/system/carddonemessage.h>
#include <hx/trellan/page.h>
#include <hx/trellan/places/hxplacesglobal.h>

#include <QtCore/QPointer>
#include <QtCore/QSharedPointer>

namespace hx {
namespace trellan {
class Container;
class NavigationPane;
namespace places {

class SelectedPlace;
class SingleSearchPrivate;

// The page inside the place picker card: the single search screen, with the data and location
// services checked once the page is up. placeSelected() ends the page after a pick and after a
// cancel alike; getSelectedPlace() tells them apart.
class HXPLACES_EXPORT SelectorSheet : public hx::trellan::Page
{
    Q_OBJECT
public:
    SelectorSheet(QObject *parent, hx::trellan::NavigationPane *pane);
    ~SelectorSheet() override;

    // A new record of the pick, owned by the caller; null after a cancel or before a pick.
    SelectedPlace *getSelectedPlace() const;
    // What the picker card hands its caller once placeSelected() came: the stored pick, a
    // cancel, or why the pick could not be stored.
    hx::system::CardDoneMessage answer() const;
    SingleSearchPrivate *search() const { return m_search; }

Q_SIGNALS:
    void placeSelected();

public Q_SLOTS:
    void myPlaceListPlaceSelected();
    void onCancel();
    void onDataServiceSettingDone(bool answer);
    void onLocationSettingDone(bool answer);

private Q_SLOTS:
    void checkDataServiceSettings();
    void checkLocationSettings();

private:
    QObject *m_parent;
    QSharedPointer<hx::platform::places::Place> m_selectedPlace;
    hx::trellan::Container *m_root;
    QPointer<hx::trellan::NavigationPane> m_pane;
    SingleSearchPrivate *m_search;
};

} // namespace places
} // namespace trellan
} // namespace hx

#endif

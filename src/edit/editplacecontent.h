#ifndef HX_TRELLAN_PLACES_EDITPLACECONTENT_H
#define HX_TRELLAN_PLACES_EDITPLACECONTENT_H

#include <hx/trellan/places/hxplacesglobal.h>
#include <hx/trellan/places/placeviewmode.h>

#include <hx/pim/contacts/contact.h>
#include <hx/pim/contacts/contactpostaladdress.h>
#include <hx/platform/places/location.h>
#include <hx/platform/places/place.h>
#include <hx/platform/places/placemanager.h>
#include <hx/trellan/container.h>

#include <QtCore/QSharedPointer>

namespace hx {
namespace trellan {
namespace places {

class DataEdit;
class MapDock;

// The body of the place card while a place is edited or created: the map of the typed address
// above the edit form, in a scroll view. The form geocodes through the map, and the page's
// actions reach the form through this content.
class HXPLACES_EXPORT EditPlaceContent : public hx::trellan::Container
{
    Q_OBJECT

public:
    EditPlaceContent(const QSharedPointer<hx::platform::places::Place> &place, PlaceViewMode::Type mode,
                     QObject *parent = nullptr);
    // Compose: a new place whose address the user typed elsewhere.
    EditPlaceContent(const QSharedPointer<hx::platform::places::Place> &place, const QString &text,
                     QObject *parent = nullptr);
    ~EditPlaceContent() override;

    // Edits another place from now on (a contact's address, a new place at the current
    // location); a null place changes nothing.
    void updatePlace(const QSharedPointer<hx::platform::places::Place> &place, const QString &text,
                     PlaceViewMode::Type mode);
    // Marks the form changed, so Save follows the name and the address alone.
    void enableSave();
    bool isFieldsListEmpty() const;
    DataEdit *form() const;
    MapDock *mapDock() const;

signals:
    void saved();
    void canceled();
    void placeUpdated();
    void viewModeChanged(hx::trellan::places::PlaceViewMode::Type viewMode,
                         QSharedPointer<hx::platform::places::Place> place);
    void addFieldAction();
    void updateAddFieldActionState(bool enable);
    void showAllFields();
    void enableSaveState(bool enable);
    void selectedIndexChanged(int index);
    void favorite(bool favorite);

public slots:
    void setFavorite(bool favorite);
    void onMyLocation(hx::platform::places::Location location);
    void onContactAddress(hx::pim::contacts::Contact contact, hx::pim::contacts::ContactPostalAddress address);
    void onSaveButtonClicked();
    void disableSave();

private:
    void init(const QString &text);
    void buildFormAndDock(const QString &text, bool modified);
    void connectSignals();
    void disconnectSignals();

    QSharedPointer<hx::platform::places::Place> m_place;
    PlaceViewMode::Type m_mode;
    DataEdit *m_form;
    MapDock *m_dock;
    hx::trellan::Container *m_inner;
    hx::platform::places::PlaceManager m_manager;
};

} // namespace places
} // namespace trellan
} // namespace hx

#endif

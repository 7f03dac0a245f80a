#ifndef HX_TRELLAN_PLACES_PLACEVIEWPAGE_P_H
#define HX_TRELLAN_PLACES_PLACEVIEWPAGE_P_H

#include <hx/trellan/places/hxplacesglobal.h>
#include <hx/trellan/places/placeviewmode.h>

#include <hx/pim/contacts/contact.h>
#include <hx/pim/contacts/contactpostaladdress.h>
#include <hx/platform/places/location.h>
#include <hx/platform/places/place.h>
#include <hx/platform/places/placemanager.h>
#include <hx/trellan/enums.h>

#include <QtCore/QList>
#include <QtCore/QObject>
#include <QtCore/QPointer>
#include <QtCore/QSharedPointer>
#include <QtCore/QVariant>

namespace hx {
namespace pim {
namespace contacts {
class ContactService;
}
} // namespace pim
namespace trellan {
class ActionBarProperties;
class ActionItem;
class Control;
class Page;
class TitleBar;
namespace places {

class CustomDialog;
class EditPlaceContent;
class FavAction;
class RetranslateHelper;
class ShareAction;
class ViewPlaceContent;

// The logic of a place card: which content the page shows, its title bar and action bar, and
// what the user's actions do to the store.
class HXPLACES_EXPORT PlaceViewPagePrivate : public QObject
{
    Q_OBJECT
public:
    using PlacePtr = QSharedPointer<hx::platform::places::Place>;

    // Back-button states: not set up yet, the back button pops the pane, it emits back().
    enum BackState { BackNone = 0, BackPops = 1, BackEmits = 2 };

    PlaceViewPagePrivate(hx::trellan::Page *page, const PlacePtr &place, PlaceViewMode::Type mode);
    PlaceViewPagePrivate(hx::trellan::Page *page, qint64 placeId, PlaceViewMode::Type mode);
    PlaceViewPagePrivate(hx::trellan::Page *page, const QString &searchTerm, PlaceViewMode::Type mode);
    // Edits a saved place.
    PlaceViewPagePrivate(hx::trellan::Page *page, const PlacePtr &place);
    // Creates a place of a kind (PlaceViewPage::PlaceType) from place.
    PlaceViewPagePrivate(hx::trellan::Page *page, int placeType, const PlacePtr &place, bool showAllFields);
    // The add-favourite composer, started from a text.
    PlaceViewPagePrivate(hx::trellan::Page *page, const QString &text);
    ~PlaceViewPagePrivate() override;

    PlacePtr place() const { return m_place; }
    PlaceViewMode::Type viewMode() const { return m_viewMode; }
    int backState() const { return m_backState; }

signals:
    void mapItAction();
    void goAction();
    void planRouteAction();
    void back();
    void favoriteChanged(bool favorite);
    void placeUpdated();
    void mapAction(const QSharedPointer<hx::platform::places::Place> &place);
    void goAction(const QSharedPointer<hx::platform::places::Place> &place);
    void planRouteAction(const QSharedPointer<hx::platform::places::Place> &place);
    void deletePlace(qint64 placeId);
    void selected(const QSharedPointer<hx::platform::places::Place> &place);
    void deleteAction();
    void onMyLocation(const hx::platform::places::Location &location);
    void onContactAddress(const hx::pim::contacts::Contact &contact,
                          const hx::pim::contacts::ContactPostalAddress &address);
    void favorite(bool favorite);
    void locationChanged();

public slots:
    void setActions();
    void onViewModeChanged(hx::trellan::places::PlaceViewMode::Type viewMode,
                           const QSharedPointer<hx::platform::places::Place> &place);
    void onContactSelected(int contactId);
    void onContactsPickerCanceled();
    void onAddressSelectionResult(hx::trellan::Control *control, const QVariant &userData);
    void retranslateUI();
    void onFavActionTriggered();
    void onDeleteActionTriggered();
    void onEditActionTriggered();
    void onAddFieldActionTriggered();
    void onReturn();
    void onEditCanceled();
    void onCancel();
    void onSelect();
    void onGoAction();
    void onMapAction();
    void onPlanRouteAction();
    void enableSaveState(bool state);
    void updateShareAction();
    void onContactsChanged(const QList<int> &listOfIDs);
    void onOrientationAboutToChange(hx::trellan::UIOrientation::Type orientation);

private:
    enum class EntryPath { GivenPlace, Loaded, ReturnFromEditor, Refresh };

    void init();
    void finishInit();
    void loadById(qint64 placeId);
    void loadBySearchTerm(const QString &searchTerm);
    void showNotFoundLabel(const QString &searchTerm);
    void showViewContent(PlaceViewMode::Type mode, bool geocode, EntryPath path);
    void returnToView();
    void initTitleBarView();
    void addActions(PlaceViewMode::Type mode);
    void addViewActions(PlaceViewMode::Type mode);
    void addEditActions();
    void setPaneBackButtonVisible(bool visible);
    void cleanContent();
    void replaceTitleBar(hx::trellan::TitleBar *bar);
    EditPlaceContent *startEditContent(EditPlaceContent *content);
    void connectEditSignals();
    void addAddFieldAction();
    void initTitleBarEdit();
    void initTitleBarNew(int placeType);
    void retranslateTitleBarEdit();
    void openContactsEditor();
    void showDeleteToast();
    qint64 contactIdOfPlace(const QList<int> &among = QList<int>()) const;
    bool isContactPlace() const;

    hx::trellan::Page *m_page;
    PlacePtr m_place;
    hx::platform::places::PlaceManager m_manager;
    PlaceViewMode::Type m_viewMode;
    PlaceViewMode::Type m_previousViewMode;
    QPointer<EditPlaceContent> m_editContent;
    CustomDialog *m_addressDialog = nullptr;
    QString m_homeDeletedText;
    QString m_workDeletedText;
    QString m_contactRemovedText;
    RetranslateHelper *m_retranslateHelper = nullptr;
    hx::trellan::TitleBar *m_editTitleBar = nullptr;
    hx::trellan::ActionItem *m_cancelAction = nullptr;
    hx::trellan::ActionItem *m_saveAction = nullptr;
    QPointer<FavAction> m_favAction;
    QPointer<ShareAction> m_shareAction;
    int m_backState = BackNone;
    hx::pim::contacts::ContactService *m_contactService = nullptr;
    hx::trellan::ActionBarProperties *m_actionBarProperties = nullptr;
};

} // namespace places
} // namespace trellan
} // namespace hx

#endif

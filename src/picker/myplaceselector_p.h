#ifndef HX_TRELLAN_PLACES_MYPLACESELECTOR_P_H
#define HX_TRELLAN_PLACES_MYPLACESELECTOR_P_H

#include <hx/platform/places/abstractplace.h>
#include <hx/platform/places/place.h>
#include <hx/platform/places/placeheader.h>
#include <hx/system/systemuiresult.h>
#include <hx/trellan/container.h>
#include <hx/trellan/places/pickerretrans.h>
#include <hx/trellan/places/titlebartab.h>

#include <QtCore/QList>
#include <QtCore/QPointer>
#include <QtCore/QSharedPointer>

namespace hx {
namespace system {
class CardDoneMessage;
class SystemToast;
class SystemUiButton;
} // namespace system
namespace trellan {
class ActionItem;
class Invocation;
class Page;
namespace places {

class MyHomeAction;
class MyPlacesListPrivate;
class MyWorkAction;

// The content and controller of the My Places page: the tabbed list, the home, work and
// add-favourite (or add-contact) actions, and what the rows' context actions do, with the
// unfavourite that the user can undo while its toast is up.
class MyPlaceSelectorPrivate : public hx::trellan::Container, public PickerRetrans
{
    Q_OBJECT
public:
    // Codes of the rows' context actions.
    enum ContextAction {
        MapIt = 1,
        Go = 2,
        FavoriteToggle = 3,
        Share = 4,
        ViewDetails = 5,
        Edit = 7,
        Delete = 8,
        PlanRoute = 9
    };

    explicit MyPlaceSelectorPrivate(hx::trellan::Page *page);
    ~MyPlaceSelectorPrivate() override;

    QSharedPointer<hx::platform::places::Place> selectedPlace() const { return m_selectedPlace; }
    MyPlacesListPrivate *list() const { return m_list; }

    void retranslateUI() override;

Q_SIGNALS:
    void mapItAction();
    void goAction();
    void planRouteAction();
    void selectPlaceAction(QSharedPointer<hx::platform::places::Place> place);
    void editPlaceAction(QSharedPointer<hx::platform::places::Place> place);

public Q_SLOTS:
    void favoriteChanged(bool favorite);
    void placeUpdated();
    void onUpdateMyHomeActionTitle(bool isEdit);
    void onUpdateMyWorkActionTitle(bool isEdit);
    void onDataModelLoaded(bool empty, hx::trellan::places::TitleBarTab::Tab tab);
    void onNewPlaceAction();
    void onAddHomeAction();
    void onAddWorkAction();
    void onAddContactAction();
    void childCardDone(const hx::system::CardDoneMessage &message);
    void onEditPlaceAction(QSharedPointer<hx::platform::places::Place> place);
    void onEditHomeAction();
    void onEditWorkAction();
    void onMapAction(const QSharedPointer<hx::platform::places::Place> &place);
    void onGoAction(const QSharedPointer<hx::platform::places::Place> &place);
    void onPlanRouteAction(const QSharedPointer<hx::platform::places::Place> &place);
    void myPlacesListPlaceSelected();
    void contextActionTriggered(int action, QSharedPointer<hx::platform::places::Place> place);
    void unfavPlaceFinished(hx::system::SystemUiResult::Type result);
    void onArmed();

private:
    void addActions();
    void setupSignatureAsAddContact();
    void setupSignatureAsAddFavorite();
    void openNewSelector(int type);
    void openEditor(const QSharedPointer<hx::platform::places::Place> &place);
    void openContactView(const QSharedPointer<hx::platform::places::Place> &place);
    void editStoredPlace(const QSharedPointer<hx::platform::places::PlaceHeader> &header, const char *function);
    template<typename Editor> void connectEditor(Editor *editor);
    void setSelectedPlace(const QSharedPointer<hx::platform::places::Place> &place);
    void switchToView(const QSharedPointer<hx::platform::places::Place> &place);
    void toggleFavorite(const QSharedPointer<hx::platform::places::Place> &place);
    void onUnfavPlace(const QSharedPointer<hx::platform::places::Place> &place);
    void share(const QSharedPointer<hx::platform::places::Place> &place);
    void deletePlace(const QSharedPointer<hx::platform::places::Place> &place);
    void showDeleteToast();

    hx::trellan::Page *m_page;
    hx::system::SystemToast *m_undoToast = nullptr;
    hx::system::SystemUiButton *m_undoButton = nullptr;
    QList<QSharedPointer<hx::platform::places::AbstractPlace>> m_pendingUnfavorites;
    QSharedPointer<hx::platform::places::Place> m_selectedPlace;
    MyPlacesListPrivate *m_list = nullptr;
    hx::trellan::ActionItem *m_signatureAction = nullptr;
    QPointer<hx::trellan::ActionItem> m_addFavoriteAction;
    MyHomeAction *m_homeAction = nullptr;
    MyWorkAction *m_workAction = nullptr;
    hx::trellan::Container *m_searchHolder = nullptr;
    hx::trellan::Container *m_background = nullptr;
    QString m_homeDeletedText;
    QString m_workDeletedText;
    TitleBarTab *m_titleBar = nullptr;
    QPointer<hx::trellan::Invocation> m_shareInvocation;
};

} // namespace places
} // namespace trellan
} // namespace hx

#endif

#include "myplaceselector_p.h"

#include "myplaceslist_p.h"

#include <hx/platform/places/tags.h>
#include <hx/system/carddonemessage.h>
#include <hx/system/invokemanager.h>
#include <hx/system/invokequery.h>
#include <hx/system/invokerequest.h>
#include <hx/system/systemtoast.h>
#include <hx/system/systemuibutton.h>
#include <hx/trellan/actionitem.h>
#include <hx/trellan/docklayout.h>
#include <hx/trellan/enums.h>
#include <hx/trellan/invocation.h>
#include <hx/trellan/navigationpane.h>
#include <hx/trellan/page.h>
#include <hx/trellan/places/cclutils.h>
#include <hx/trellan/places/favoritetoast.h>
#include <hx/trellan/places/getgeolocation.h>
#include <hx/trellan/places/homeworkcache.h>
#include <hx/trellan/places/iconitemtype.h>
#include <hx/trellan/places/imageset.h>
#include <hx/trellan/places/log.h>
#include <hx/trellan/places/mapsutils.h>
#include <hx/trellan/places/myhomeaction.h>
#include <hx/trellan/places/myworkaction.h>
#include <hx/trellan/places/newselector.h>
#include <hx/trellan/places/placemanagerui.h>
#include <hx/trellan/places/placeutils.h>
#include <hx/trellan/places/placeviewedit.h>
#include <hx/trellan/places/placeviewpage.h>
#include <hx/trellan/uiconfig.h>

#include <QtCore/QCoreApplication>

using hx::platform::places::AbstractPlace;
using hx::platform::places::Error;
using hx::platform::places::Place;
using hx::platform::places::PlaceHeader;
using hx::platform::places::Tags;
using hx::trellan::ActionItem;

namespace hx {
namespace trellan {
namespace places {

namespace {
const QString ADD_AS_FAVORITE = QStringLiteral("AddNewPlaceAsFavorite");
const QString ADD_AS_CONTACT = QStringLiteral("AddNewPlaceAsContact");
const QString EXTRA_ADD_FAVORITE = QStringLiteral("AddFavorite");
} // namespace

MyPlaceSelectorPrivate::MyPlaceSelectorPrivate(hx::trellan::Page *page)
    : Container(page), PickerRetrans(true), m_page(page)
{
    setObjectName(QStringLiteral("MyPlaceSelectorPrivate"));
    // A position on its way, for the rows' distances.
    GetGeolocation::getCoordinate(PlaceUtils::genericRequest);

    setLayout(new hx::trellan::DockLayout);
    auto *holder = new hx::trellan::Container;
    holder->setObjectName(QStringLiteral("MyPlacesHolder"));
    m_searchHolder = new hx::trellan::Container;
    m_searchHolder->setObjectName(QStringLiteral("MyPlacesSearchHolder"));
    m_searchHolder->setPreferredHeight(UIConfig::du(PlaceUtils::DEFAULT_SEARCH_BOX_HEIGHT));
    holder->add(m_searchHolder);
    m_list = new MyPlacesListPrivate;
    holder->add(m_list);
    add(holder);
    m_background = new hx::trellan::Container;
    m_background->setBackground(PlaceUtils::BACKGROUND_COLOR);
    m_background->setVerticalAlignment(VerticalAlignment::Top);
    m_background->setVisible(false);
    add(m_background);

    addActions();

    m_titleBar = new TitleBarTab;
    connect(m_titleBar, &TitleBarTab::selectedIndexChanged, m_list, &MyPlacesListPrivate::selectedIndexChanged);
    m_page->setTitleBar(m_titleBar);
    m_page->setContent(this);

    connect(m_list, QOverload<>::of(&MyPlacesListPrivate::selected), this,
            &MyPlaceSelectorPrivate::myPlacesListPlaceSelected);
    connect(m_list, &MyPlacesListPrivate::updateMyHomeActionTitle, this,
            &MyPlaceSelectorPrivate::onUpdateMyHomeActionTitle);
    connect(m_list, &MyPlacesListPrivate::updateMyWorkActionTitle, this,
            &MyPlaceSelectorPrivate::onUpdateMyWorkActionTitle);
    connect(m_list, &MyPlacesListPrivate::addFavorite, this, &MyPlaceSelectorPrivate::onNewPlaceAction,
            Qt::QueuedConnection);
    connect(m_list, &MyPlacesListPrivate::addContact, this, &MyPlaceSelectorPrivate::onAddContactAction,
            Qt::QueuedConnection);
    connect(m_list, &MyPlacesListPrivate::contextActionTriggered, this,
            &MyPlaceSelectorPrivate::contextActionTriggered);
    connect(m_list, &MyPlacesListPrivate::dataModelLoaded, this, &MyPlaceSelectorPrivate::onDataModelLoaded);
    qRegisterMetaType<QSharedPointer<Place>>();
    connect(this, &MyPlaceSelectorPrivate::editPlaceAction, this, &MyPlaceSelectorPrivate::onEditPlaceAction,
            Qt::QueuedConnection);

    m_undoToast = new hx::system::SystemToast(this);
    m_undoToast->setObjectName(QStringLiteral("UndoToast"));
    m_undoToast->setPosition(hx::system::SystemUiPosition::MiddleCenter);
    // A language change reaches the toast while it is up.
    m_undoToast->setAutoUpdateEnabled(true);
    m_undoButton = m_undoToast->button();
    m_undoButton->setEnabled(true);
    connect(m_undoToast, &hx::system::SystemToast::finished, this, &MyPlaceSelectorPrivate::unfavPlaceFinished);

    retranslateUI();
}

MyPlaceSelectorPrivate::~MyPlaceSelectorPrivate()
{
    // Off the bar nobody else owns the extra action.
    if (m_addFavoriteAction && !m_addFavoriteAction->parent())
        delete m_addFavoriteAction;
    ImageSet::clean();
}

void MyPlaceSelectorPrivate::addActions()
{
    if (!m_homeAction) {
        m_homeAction = new MyHomeAction(this);
        m_workAction = new MyWorkAction(this);
    }
    if (!m_signatureAction) {
        m_signatureAction = new ActionItem(this);
        m_signatureAction->setObjectName(ADD_AS_FAVORITE);
        m_signatureAction->setImage(ImageSet::ADDPLACE());
        connect(m_signatureAction, &ActionItem::triggered, this, &MyPlaceSelectorPrivate::onNewPlaceAction,
                Qt::QueuedConnection);
    }
    m_page->addAction(m_homeAction, ActionBarPlacement::OnBar);
    m_page->addAction(m_workAction, ActionBarPlacement::OnBar);
    m_page->addAction(m_signatureAction, ActionBarPlacement::Signature);
    onUpdateMyHomeActionTitle(HomeWorkCache::hasMyHome());
    onUpdateMyWorkActionTitle(HomeWorkCache::hasMyWork());
}

void MyPlaceSelectorPrivate::retranslateUI()
{
    m_undoToast->setBody(
        QCoreApplication::translate("hx::trellan::places::MyPlaceSelectorPrivate", "Favorite Removed!"));
    m_undoButton->setLabel(QCoreApplication::translate("hx::trellan::places::MyPlaceSelectorPrivate", "Undo"));
    m_homeDeletedText = QCoreApplication::translate("hx::trellan::places::MyPlaceSelectorPrivate", "Home Deleted!");
    m_workDeletedText = QCoreApplication::translate("hx::trellan::places::MyPlaceSelectorPrivate", "Work Deleted!");
    if (m_signatureAction->objectName() == ADD_AS_FAVORITE)
        m_signatureAction->setTitle(
            QCoreApplication::translate("hx::trellan::places::MyPlaceSelectorPrivate", "Add Favorite"));
    else if (m_signatureAction->objectName() == ADD_AS_CONTACT)
        m_signatureAction->setTitle(
            QCoreApplication::translate("hx::trellan::places::MyPlaceSelectorPrivate", "Add Contact"));
    if (m_addFavoriteAction)
        m_addFavoriteAction->setTitle(
            QCoreApplication::translate("hx::trellan::places::MyPlaceSelectorPrivate", "Add Favorite"));
}

void MyPlaceSelectorPrivate::onUpdateMyHomeActionTitle(bool isEdit)
{
    disconnect(m_homeAction, &ActionItem::triggered, nullptr, nullptr);
    m_homeAction->updateTitle();
    if (isEdit)
        connect(m_homeAction, &ActionItem::triggered, this, &MyPlaceSelectorPrivate::onEditHomeAction,
                Qt::QueuedConnection);
    else
        connect(m_homeAction, &ActionItem::triggered, this, &MyPlaceSelectorPrivate::onAddHomeAction,
                Qt::QueuedConnection);
}

void MyPlaceSelectorPrivate::onUpdateMyWorkActionTitle(bool isEdit)
{
    disconnect(m_workAction, &ActionItem::triggered, nullptr, nullptr);
    m_workAction->updateTitle();
    if (isEdit)
        connect(m_workAction, &ActionItem::triggered, this, &MyPlaceSelectorPrivate::onEditWorkAction,
                Qt::QueuedConnection);
    else
        connect(m_workAction, &ActionItem::triggered, this, &MyPlaceSelectorPrivate::onAddWorkAction,
                Qt::QueuedConnection);
}

void MyPlaceSelectorPrivate::onDataModelLoaded(bool empty, TitleBarTab::Tab tab)
{
    if (!m_signatureAction)
        return;
    if (tab == TitleBarTab::Contacts && empty) {
        if (m_signatureAction->objectName() != ADD_AS_CONTACT) {
            setupSignatureAsAddContact();
            retranslateUI();
        }
    } else if (tab >= TitleBarTab::Recents && tab <= TitleBarTab::Contacts) {
        if (m_signatureAction->objectName() == ADD_AS_CONTACT) {
            setupSignatureAsAddFavorite();
            retranslateUI();
        }
    }
}

void MyPlaceSelectorPrivate::setupSignatureAsAddContact()
{
    m_signatureAction->setImage(ImageSet::ADDCONTACT());
    m_signatureAction->setObjectName(ADD_AS_CONTACT);
    disconnect(m_signatureAction, nullptr, this, nullptr);
    connect(m_signatureAction, &ActionItem::triggered, this, &MyPlaceSelectorPrivate::onAddContactAction,
            Qt::QueuedConnection);
    if (!m_addFavoriteAction) {
        m_addFavoriteAction = new ActionItem(this);
        m_addFavoriteAction->setObjectName(EXTRA_ADD_FAVORITE);
        m_addFavoriteAction->setImage(ImageSet::ADDPLACE());
        connect(m_addFavoriteAction, &ActionItem::triggered, this, &MyPlaceSelectorPrivate::onNewPlaceAction,
                Qt::QueuedConnection);
    }
    m_page->addAction(m_addFavoriteAction, ActionBarPlacement::OnBar);
}

void MyPlaceSelectorPrivate::setupSignatureAsAddFavorite()
{
    m_signatureAction->setImage(ImageSet::ADDPLACE());
    m_signatureAction->setObjectName(ADD_AS_FAVORITE);
    disconnect(m_signatureAction, nullptr, this, nullptr);
    connect(m_signatureAction, &ActionItem::triggered, this, &MyPlaceSelectorPrivate::onNewPlaceAction,
            Qt::QueuedConnection);
    // Kept for the next empty Contacts tab; only taken off the bar (which leaves it without an
    // owner until the selector ends).
    if (ActionItem *extra = m_page->findAction(EXTRA_ADD_FAVORITE))
        m_page->removeAction(extra);
}

void MyPlaceSelectorPrivate::onNewPlaceAction()
{
    openNewSelector(0);
}

void MyPlaceSelectorPrivate::onAddHomeAction()
{
    openNewSelector(PlaceViewPage::Home);
}

void MyPlaceSelectorPrivate::onAddWorkAction()
{
    openNewSelector(PlaceViewPage::Work);
}

void MyPlaceSelectorPrivate::openNewSelector(int type)
{
    connectEditor(new NewSelector(PlaceViewPage::PlaceType(type), this));
}

template<typename Editor> void MyPlaceSelectorPrivate::connectEditor(Editor *editor)
{
    connect(editor, &Editor::placeUpdated, this, &MyPlaceSelectorPrivate::placeUpdated);
    connect(editor, &Editor::favoriteChanged, this, &MyPlaceSelectorPrivate::favoriteChanged);
    connect(editor, &Editor::mapAction, this, &MyPlaceSelectorPrivate::onMapAction);
    connect(editor, &Editor::goAction, this, &MyPlaceSelectorPrivate::onGoAction);
    connect(editor, &Editor::planRouteAction, this, &MyPlaceSelectorPrivate::onPlanRouteAction);
}

void MyPlaceSelectorPrivate::onAddContactAction()
{
    auto *manager = new hx::system::InvokeManager(this);
    connect(manager, &hx::system::InvokeManager::childCardDone, this, &MyPlaceSelectorPrivate::childCardDone);
    hx::system::InvokeRequest request;
    request.setAction(QStringLiteral("hx.action.CREATE"));
    request.setTarget(QStringLiteral("sys.pim.contacts.card.composer"));
    manager->invoke(request);
}

void MyPlaceSelectorPrivate::childCardDone(const hx::system::CardDoneMessage &message)
{
    Q_UNUSED(message)
    if (QObject *manager = sender()) {
        disconnect(manager, nullptr, this, nullptr);
        manager->deleteLater();
    }
    m_list->reload();
}

void MyPlaceSelectorPrivate::onEditPlaceAction(QSharedPointer<Place> place)
{
    if (!place)
        return;
    if (IconItemType::isContact(place.data()))
        openContactView(place);
    else
        openEditor(place);
}

void MyPlaceSelectorPrivate::openContactView(const QSharedPointer<Place> &place)
{
    auto *page = new PlaceViewPage(place, PlaceViewMode::ViewEditable);
    connectEditor(page);
    auto *pane = qobject_cast<hx::trellan::NavigationPane *>(m_page->parent());
    if (!pane) {
        page->setParent(this);
        return;
    }
    connect(page, &PlaceViewPage::back, pane, &hx::trellan::NavigationPane::pop);
    connect(pane, &hx::trellan::NavigationPane::popTransitionEnded, page, [page](hx::trellan::Page *popped) {
        if (popped == page)
            page->deleteLater();
    });
    pane->push(page);
    emit page->setActions();
}

void MyPlaceSelectorPrivate::openEditor(const QSharedPointer<Place> &place)
{
    connectEditor(new PlaceViewEdit(place, this));
}

void MyPlaceSelectorPrivate::onEditHomeAction()
{
    editStoredPlace(HomeWorkCache::myHome(), "onEditHomeAction");
}

void MyPlaceSelectorPrivate::onEditWorkAction()
{
    editStoredPlace(HomeWorkCache::myWork(), "onEditWorkAction");
}

void MyPlaceSelectorPrivate::editStoredPlace(const QSharedPointer<PlaceHeader> &header, const char *function)
{
    Error::Type error = Error::None;
    QSharedPointer<Place> place(PlaceManagerUI::getPlace(header ? header->id() : qint64(-1), error, true));
    if (error != Error::None || !place) {
        Log::debug() << QStringLiteral("hx::trellan::places::MyPlaceSelectorPrivate::%1(): error = ")
                            .arg(QLatin1String(function))
                     << int(error);
        return;
    }
    openEditor(place);
}

void MyPlaceSelectorPrivate::favoriteChanged(bool favorite)
{
    Q_UNUSED(favorite)
    m_list->reload();
}

void MyPlaceSelectorPrivate::placeUpdated()
{
    m_list->reload();
}

void MyPlaceSelectorPrivate::onMapAction(const QSharedPointer<Place> &place)
{
    setSelectedPlace(place);
    emit mapItAction();
}

void MyPlaceSelectorPrivate::onGoAction(const QSharedPointer<Place> &place)
{
    setSelectedPlace(place);
    emit goAction();
}

void MyPlaceSelectorPrivate::onPlanRouteAction(const QSharedPointer<Place> &place)
{
    setSelectedPlace(place);
    emit planRouteAction();
}

void MyPlaceSelectorPrivate::setSelectedPlace(const QSharedPointer<Place> &place)
{
    m_selectedPlace = place;
    if (place)
        PlaceUtils::setPlaceAsRecent(place);
}

void MyPlaceSelectorPrivate::myPlacesListPlaceSelected()
{
    const QSharedPointer<Place> place = m_list->selectedPlace();
    if (place)
        switchToView(place);
}

void MyPlaceSelectorPrivate::switchToView(const QSharedPointer<Place> &place)
{
    setSelectedPlace(place);
    emit selectPlaceAction(place);
}

void MyPlaceSelectorPrivate::contextActionTriggered(int action, QSharedPointer<Place> place)
{
    setSelectedPlace(place);
    switch (action) {
    case MapIt:
        CCLUtils::logMyPlacesCrosscutAction(QStringLiteral("map"));
        emit mapItAction();
        break;
    case Go:
        CCLUtils::logMyPlacesCrosscutAction(QStringLiteral("go"));
        emit goAction();
        break;
    case PlanRoute:
        CCLUtils::logMyPlacesCrosscutAction(QStringLiteral("planroute"));
        emit planRouteAction();
        break;
    case FavoriteToggle:
        toggleFavorite(place);
        break;
    case Share:
        share(place);
        break;
    case ViewDetails:
        if (place) {
            CCLUtils::logMyPlacesCrosscutAction(QStringLiteral("view detail"));
            emit selectPlaceAction(place);
        }
        break;
    case Edit:
        if (place) {
            CCLUtils::logMyPlacesCrosscutAction(QStringLiteral("edit"));
            emit editPlaceAction(place);
        }
        break;
    case Delete:
        deletePlace(place);
        break;
    default:
        break;
    }
}

void MyPlaceSelectorPrivate::toggleFavorite(const QSharedPointer<Place> &place)
{
    if (!place)
        return;
    if (IconItemType::isFavorite(place.data())) {
        onUnfavPlace(place);
        return;
    }
    if (PlaceUtils::favPlace(place.staticCast<AbstractPlace>()) == Error::None) {
        CCLUtils::logMyPlacesCrosscutAction(QStringLiteral("favorite"));
        (new FavoriteToast(this))->show();
    }
    m_list->reload();
}

void MyPlaceSelectorPrivate::onUnfavPlace(const QSharedPointer<Place> &place)
{
    m_pendingUnfavorites.append(place);
    if (PlaceUtils::unfavPlace(place.staticCast<AbstractPlace>()) == Error::None)
        CCLUtils::logMyPlacesCrosscutAction(QStringLiteral("unfavorite"));
    m_list->reload();
    m_undoToast->show();
}

void MyPlaceSelectorPrivate::unfavPlaceFinished(hx::system::SystemUiResult::Type result)
{
    if (result == hx::system::SystemUiResult::TimeOut) {
        m_pendingUnfavorites.clear();
        return;
    }
    // Undo: every place unfavourited while the toast was up becomes a favourite again.
    const QList<QSharedPointer<AbstractPlace>> pending = m_pendingUnfavorites;
    m_pendingUnfavorites.clear();
    for (const QSharedPointer<AbstractPlace> &place : pending) {
        if (PlaceUtils::favPlace(place) == Error::None)
            CCLUtils::logMyPlacesCrosscutAction(QStringLiteral("favorite"));
    }
    m_list->reload();
}

void MyPlaceSelectorPrivate::share(const QSharedPointer<Place> &place)
{
    if (!place)
        return;
    auto *query = new hx::system::InvokeQuery(this);
    MapsUtils::createShareInvokeQuery(*place, query);
    m_shareInvocation = hx::trellan::Invocation::create(query, this);
    connect(m_shareInvocation, &hx::trellan::Invocation::armed, this, &MyPlaceSelectorPrivate::onArmed);
    connect(m_shareInvocation, &hx::trellan::Invocation::finished, m_shareInvocation, &QObject::deleteLater);
    connect(m_shareInvocation, &QObject::destroyed, query, &QObject::deleteLater);
}

void MyPlaceSelectorPrivate::onArmed()
{
    if (m_shareInvocation)
        m_shareInvocation->trigger(QStringLiteral("hx.action.SHARE"));
}

void MyPlaceSelectorPrivate::deletePlace(const QSharedPointer<Place> &place)
{
    if (!place || place->id() < 1)
        return;
    if (place->hasTag(QLatin1String(Tags::MyHome)))
        HomeWorkCache::setDirty(HomeWorkCache::Home);
    if (place->hasTag(QLatin1String(Tags::MyWork)))
        HomeWorkCache::setDirty(HomeWorkCache::Work);
    if (PlaceManagerUI::removePlace(place->id(), true) != Error::None)
        return;
    CCLUtils::logMyPlacesCrosscutAction(QStringLiteral("delete"));
    showDeleteToast();
    m_list->reload();
}

void MyPlaceSelectorPrivate::showDeleteToast()
{
    auto *toast = new hx::system::SystemToast(this);
    toast->setObjectName(QStringLiteral("DeleteToast"));
    toast->setPosition(hx::system::SystemUiPosition::MiddleCenter);
    if (IconItemType::isMyHome(m_selectedPlace.data()))
        toast->setBody(m_homeDeletedText);
    else if (IconItemType::isMyWork(m_selectedPlace.data()))
        toast->setBody(m_workDeletedText);
    connect(toast, &hx::system::SystemToast::finished, toast, &QObject::deleteLater);
    toast->show();
}

} // namespace places
} // namespace trellan
} // namespace hx

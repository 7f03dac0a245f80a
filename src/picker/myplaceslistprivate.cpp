#include "myplaceslist_p.h"

#include <hx/device/displayinfo.h>
#include <hx/device/hardwareinfo.h>
#include <hx/pim/contacts/contactservice.h>
#include <hx/platform/places/coordinates.h>
#include <hx/trellan/enums.h>
#include <hx/trellan/imageview.h>
#include <hx/trellan/label.h>
#include <hx/trellan/listview.h>
#include <hx/trellan/places/cclutils.h>
#include <hx/trellan/places/getgeolocation.h>
#include <hx/trellan/places/homeworkcache.h>
#include <hx/trellan/places/imageset.h>
#include <hx/trellan/places/placeutils.h>
#include <hx/trellan/places/searchbar.h>
#include <hx/trellan/places/selectorlistitemmanager.h>
#include <hx/trellan/places/singlesearchfilterdatamodel.h>
#include <hx/trellan/uiconfig.h>

#include <QtCore/QCoreApplication>

using hx::platform::places::Coordinates;
using hx::platform::places::Place;
using hx::trellan::UIConfig;

namespace hx {
namespace trellan {
namespace places {

MyPlacesListPrivate::MyPlacesListPrivate(QObject *parent) : Container(parent), PickerRetrans(true)
{
    setObjectName(QStringLiteral("MyPlacesListPrivate"));
    buildList();
    buildEmptyState();
    retranslateUI();

    connect(this, &MyPlacesListPrivate::reloadContinue, this, &MyPlacesListPrivate::onReloadContinue,
            Qt::QueuedConnection);
    connect(this, &MyPlacesListPrivate::reloadFilteredContinue, this, &MyPlacesListPrivate::onReloadFilteredContinue,
            Qt::QueuedConnection);
    connect(this, &MyPlacesListPrivate::selectContinue, this, &MyPlacesListPrivate::onSelectContinue,
            Qt::QueuedConnection);
    connect(this, &MyPlacesListPrivate::selectedIndexChanged, this, &MyPlacesListPrivate::onSwitchingTab);

    m_contactService = new hx::pim::contacts::ContactService(this);
    connect(m_contactService, &hx::pim::contacts::ContactService::contactsChanged, this,
            &MyPlacesListPrivate::onContactsChanged);
    connect(m_contactService, &hx::pim::contacts::ContactService::contactsAdded, this,
            &MyPlacesListPrivate::onContactsChanged);
    connect(m_contactService, &hx::pim::contacts::ContactService::contactsDeleted, this,
            &MyPlacesListPrivate::onContactsChanged);

    m_model->load(TitleBarTab::toFilterCategory(m_tab), QString(), Coordinates(), true);
}

MyPlacesListPrivate::~MyPlacesListPrivate()
{
    m_list->setDataModel(nullptr);
}

void MyPlacesListPrivate::buildList()
{
    m_listContainer = new hx::trellan::Container;
    m_listContainer->setObjectName(QStringLiteral("MyPlacesListContainer"));
    if (hx::device::HardwareInfo().isPhysicalKeyboardDevice()) {
        m_searchBar = new SearchBar;
        const float padding = UIConfig::du(PlaceUtils::SMALL_PADDING);
        m_searchBar->setTopPadding(padding);
        m_searchBar->setLeftPadding(padding);
        m_searchBar->setRightPadding(padding);
        m_listContainer->add(m_searchBar);
        m_searchBar->listenForKeys(m_listContainer);
        connect(m_searchBar, &SearchBar::filterChanged, this, &MyPlacesListPrivate::reloadFiltered);
    }

    m_list = new hx::trellan::ListView;
    m_list->setObjectName(QStringLiteral("MyPlacesList"));
    m_list->setSpaceQuota(1.0f);
    m_itemManager = new SelectorListItemManager(m_tab, false, this);
    m_list->setListItemProvider(m_itemManager);
    connect(m_itemManager, &SelectorListItemManager::contextActionTriggered, this,
            &MyPlacesListPrivate::onContextActionTriggered);
    connect(m_list, &hx::trellan::ListView::triggered, this,
            QOverload<const QVariantList &>::of(&MyPlacesListPrivate::selected), Qt::QueuedConnection);
    m_model = new SingleSearchFilterDataModel(this);
    connect(m_model, &PlacesDataModel::modelLoadedFinal, this, &MyPlacesListPrivate::onDataModelLoaded);
    m_list->setDataModel(m_model);
    m_listContainer->add(m_list);
    m_listContainer->setVisible(false);
    add(m_listContainer);
}

void MyPlacesListPrivate::buildEmptyState()
{
    m_emptyContainer = new hx::trellan::Container;
    m_emptyContainer->setObjectName(QStringLiteral("EmptyStateContainer"));
    m_emptyContainer->setHorizontalAlignment(HorizontalAlignment::Center);
    m_emptyContainer->setVerticalAlignment(VerticalAlignment::Center);

    m_emptyImage = new hx::trellan::ImageView;
    m_emptyImage->setObjectName(QStringLiteral("EmptyStateImage"));
    m_emptyImage->setHorizontalAlignment(HorizontalAlignment::Center);
    m_emptyContainer->add(m_emptyImage);

    m_emptyTitle = new hx::trellan::Label;
    m_emptyTitle->setObjectName(QStringLiteral("EmptyStateTitle"));
    m_emptyTitle->setHorizontalAlignment(HorizontalAlignment::Center);
    m_emptyContainer->add(m_emptyTitle);

    m_emptyBody = new hx::trellan::Label;
    m_emptyBody->setObjectName(QStringLiteral("EmptyStateBody"));
    m_emptyBody->setMultiline(true);
    m_emptyBody->setPreferredWidth(0.55f * float(hx::device::DisplayInfo().width()));
    m_emptyBody->setBottomMargin(30);
    m_emptyBody->setHorizontalAlignment(HorizontalAlignment::Center);
    m_emptyContainer->add(m_emptyBody);

    m_emptyContainer->setVisible(false);
    add(m_emptyContainer);
}

void MyPlacesListPrivate::reload()
{
    m_fullReload = true;
    if (m_searchBar)
        m_searchBar->close();
    emit reloadContinue();
}

void MyPlacesListPrivate::onReloadContinue()
{
    GetGeolocation::getCoordinate(PlaceUtils::genericRequest);
    HomeWorkCache::setDirty(HomeWorkCache::All);
    load(QString());
}

void MyPlacesListPrivate::reloadFiltered(const QString &text)
{
    emit reloadFilteredContinue(text);
}

void MyPlacesListPrivate::onReloadFilteredContinue(const QString &text)
{
    GetGeolocation::getCoordinate(PlaceUtils::genericRequest);
    m_fullReload = false;
    load(text);
}

void MyPlacesListPrivate::load(const QString &text)
{
    m_itemManager->setTab(m_tab);
    m_model->load(TitleBarTab::toFilterCategory(m_tab), text, Coordinates(), true);
}

void MyPlacesListPrivate::onSwitchingTab(int id)
{
    const TitleBarTab::Tab tab = TitleBarTab::tab(id);
    if (tab != TitleBarTab::None) {
        m_tab = tab;
        emit tabSwitched(tab);
    }
    reload();
}

void MyPlacesListPrivate::onContactsChanged()
{
    if (m_tab == TitleBarTab::Contacts)
        reload();
}

void MyPlacesListPrivate::onDataModelLoaded()
{
    const bool empty = m_model->childCount(QVariantList()) == 0;
    // A filter that matches nothing keeps the (empty) list: the empty state speaks of the tab.
    if (empty && m_fullReload)
        showEmptyState();
    else
        showList();
    emit updateMyHomeActionTitle(HomeWorkCache::hasMyHome());
    emit updateMyWorkActionTitle(HomeWorkCache::hasMyWork());
    emit dataModelLoaded(empty, m_tab);
}

void MyPlacesListPrivate::showList()
{
    if (m_searchBar)
        m_searchBar->enable();
    m_emptyContainer->setVisible(false);
    m_listContainer->setVisible(true);
}

void MyPlacesListPrivate::showEmptyState()
{
    if (m_searchBar)
        m_searchBar->disable();
    retranslateUI();
    switch (m_tab) {
    case TitleBarTab::Favorites:
        m_emptyImage->setImage(ImageSet::EMPTYLIST_FAVORITES());
        break;
    case TitleBarTab::Contacts:
        m_emptyImage->setImage(ImageSet::EMPTYLIST_CONTACTS());
        break;
    default:
        m_emptyImage->setImage(ImageSet::EMPTYLIST_RECENTS());
        break;
    }
    m_listContainer->setVisible(false);
    m_emptyContainer->setVisible(true);
}

void MyPlacesListPrivate::selected(const QVariantList &indexPath)
{
    emit selectContinue(indexPath);
}

void MyPlacesListPrivate::onSelectContinue(const QVariantList &indexPath)
{
    m_selectedPlace = m_model->fullPlace(indexPath).dynamicCast<Place>();
    if (!m_selectedPlace)
        return;
    CCLUtils::logPlacePickerSelection(m_selectedPlace);
    emit selected();
}

void MyPlacesListPrivate::onContextActionTriggered(int action, const QVariantList &indexPath)
{
    const QSharedPointer<Place> place = m_model->fullPlace(indexPath).dynamicCast<Place>();
    if (place)
        emit contextActionTriggered(action, place);
}

void MyPlacesListPrivate::retranslateUI()
{
    switch (m_tab) {
    case TitleBarTab::Favorites:
        m_emptyTitle->setText(QCoreApplication::translate("Places", "No Favorites"));
        m_emptyBody->setText(
            QCoreApplication::translate("Places", "Start adding favorite places, like your home and work."));
        break;
    case TitleBarTab::Contacts:
        m_emptyTitle->setText(QCoreApplication::translate("Places", "No Contacts"));
        m_emptyBody->setText(QCoreApplication::translate(
            "Places", "Start adding contacts. Contacts without addresses will not appear in this list."));
        break;
    default:
        m_emptyTitle->setText(QCoreApplication::translate("Places", "No Recents"));
        m_emptyBody->setText(QCoreApplication::translate("Places", "Start searching to see recent places here."));
        break;
    }
}

} // namespace places
} // namespace trellan
} // namespace hx

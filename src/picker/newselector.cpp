#include <hx/trellan/places/newselector.h>

#include <hx/platform/places/tags.h>
#include <hx/trellan/actionitem.h>
#include <hx/trellan/navigationpane.h>
#include <hx/trellan/navigationpaneproperties.h>
#include <hx/trellan/places/enabledataservicesdialog.h>
#include <hx/trellan/places/enablelocationdialog.h>
#include <hx/trellan/places/favoritetoast.h>
#include <hx/trellan/places/getdataservices.h>
#include <hx/trellan/places/getlocationsettings.h>
#include <hx/trellan/places/homeworkcache.h>
#include <hx/trellan/places/iconitemtype.h>
#include <hx/trellan/places/log.h>
#include <hx/trellan/places/newselectorpage.h>
#include <hx/trellan/places/pickerpreview.h>
#include <hx/trellan/places/placemanagerui.h>
#include <hx/trellan/places/placeutils.h>
#include <hx/trellan/places/placeviewmode.h>
#include <hx/trellan/uiobject.h>

#include <QtCore/QCoreApplication>

namespace hx {
namespace trellan {
namespace places {

using hx::platform::places::Coordinates;
using hx::platform::places::Error;
using hx::platform::places::Location;
using hx::platform::places::Place;
using hx::platform::places::Tags;

namespace {

const int NETWORK_UP = 1;
const int LOCATION_ON = 2;

} // namespace

NewSelector::NewSelector(PlaceViewPage::PlaceType type, hx::trellan::UIObject *parent)
    : Sheet(parent), m_type(type), m_pane(new hx::trellan::NavigationPane(this)), m_firstPage(nullptr)
{
    qRegisterMetaType<QSharedPointer<Place>>();
    qRegisterMetaType<Location>();
    setObjectName(QStringLiteral("NewSelector"));
    setPeekEnabled(false);
    connect(this, &Sheet::closed, this, &QObject::deleteLater);
    connect(this, &Sheet::opened, this, &NewSelector::onOpened);
    m_pane->setObjectName(QStringLiteral("NewSelectorPane"));
    connect(m_pane, &NavigationPane::popTransitionEnded, this, &NewSelector::onPopTransitionEnded);
    setContent(m_pane);

    m_firstPage = new NewSelectorPage(int(type));
    connect(m_firstPage, &NewSelectorPage::canceled, this, &Sheet::close);
    connect(m_firstPage, &NewSelectorPage::newEntry, this, &NewSelector::onNewEntry);
    connect(m_firstPage, &NewSelectorPage::myLocation, this, &NewSelector::onMyLocation);
    connect(m_firstPage, &NewSelectorPage::placeSelected, this, &NewSelector::onPlaceSelected);
    connect(m_firstPage, &NewSelectorPage::preview, this, &NewSelector::onPreview);
    m_pane->push(m_firstPage);
    open();
}

NewSelector::~NewSelector() = default;

QString NewSelector::typeToName(int type)
{
    switch (type) {
    case PlaceViewPage::Home:
        return QCoreApplication::translate("Places", "Home");
    case PlaceViewPage::Work:
        return QCoreApplication::translate("Places", "Work");
    default:
        return QString();
    }
}

QString NewSelector::typeToTag(int type)
{
    switch (type) {
    case PlaceViewPage::Home:
        return QLatin1String(Tags::MyHome);
    case PlaceViewPage::Work:
        return QLatin1String(Tags::MyWork);
    default:
        return QLatin1String(Tags::Favorite);
    }
}

void NewSelector::onOpened()
{
    if (GetDataServices::getNetworkStatus() != NETWORK_UP) {
        auto *dialog = new EnableDataServicesDialog(this);
        connect(dialog, &SettingsCardDialog::done, this, &NewSelector::onDataServiceSettingDone);
        dialog->show();
        return;
    }
    checkLocationSettings();
}

void NewSelector::checkLocationSettings()
{
    if (GetLocationSettings::getSettings() == LOCATION_ON)
        return;
    auto *dialog = new EnableLocationDialog(this);
    connect(dialog, &SettingsCardDialog::done, dialog, &QObject::deleteLater);
    dialog->show();
}

void NewSelector::onDataServiceSettingDone(bool answer)
{
    if (sender())
        sender()->deleteLater();
    if (answer)
        checkLocationSettings();
    else
        close();
}

bool NewSelector::storeChosenPlace(Place &place)
{
    // Home and work are single places: the one they replace goes in the same store write, so a
    // save that fails keeps the old one.
    QList<qint64> replaced;
    if (m_type == PlaceViewPage::Home || m_type == PlaceViewPage::Work) {
        const auto current = m_type == PlaceViewPage::Home ? HomeWorkCache::myHome() : HomeWorkCache::myWork();
        if (current && current->id() != place.id())
            replaced << current->id();
        place.removeTag(typeToTag(m_type == PlaceViewPage::Home ? PlaceViewPage::Work : PlaceViewPage::Home));
    }
    place.addTag(QLatin1String(Tags::Favorite));
    const Error::Type error = PlaceManagerUI::replacePlaces(replaced, place, false);
    if (error != Error::None) {
        Log::debug() << "hx::trellan::places::NewSelector::onPlaceSelected(): place manager error: " << int(error);
        PlaceManagerUI::showErrorDialog(error, place.id());
        return false;
    }
    return true;
}

void NewSelector::onPlaceSelected(QSharedPointer<Place> place)
{
    if (!place)
        return;
    if (m_type == PlaceViewPage::Home || m_type == PlaceViewPage::Work)
        place->setName(typeToName(m_type));
    PlaceViewPage *page = nullptr;
    if (IconItemType::isPOI(place.data()) || IconItemType::isContact(place.data())) {
        HomeWorkCache::setDirty(HomeWorkCache::All);
        place->addTag(typeToTag(m_type));
        if (!storeChosenPlace(*place))
            return;
        HomeWorkCache::setDirty(HomeWorkCache::All);
        page = new PlaceViewPage(place, PlaceViewMode::View);
        m_viewedPage = page;
        connect(m_pane, &NavigationPane::pushTransitionEnded, this, &NewSelector::onContactsViewPushed,
                Qt::UniqueConnection);
    } else {
        page = new PlaceViewPage(m_type, place, false);
    }
    Q_EMIT placeUpdated();
    pushPlacePage(page);
}

void NewSelector::onContactsViewPushed(hx::trellan::Page *page)
{
    if (!page || page != m_viewedPage.data())
        return;
    auto *view = m_viewedPage.data();
    m_viewedPage.clear();
    Q_EMIT view->setActions();
    auto *properties = new NavigationPaneProperties(view);
    auto *back = new ActionItem(properties);
    back->setObjectName(QStringLiteral("BackAction"));
    connect(back, &ActionItem::triggered, view, &PlaceViewPage::back, Qt::UniqueConnection);
    properties->setBackButton(back);
    view->setPaneProperties(properties);
    (new FavoriteToast(this))->show();
}

void NewSelector::pushPlacePage(PlaceViewPage *page)
{
    connect(page, &PlaceViewPage::favoriteChanged, this, &NewSelector::favoriteChanged);
    connect(page, &PlaceViewPage::placeUpdated, this, &NewSelector::placeUpdated);
    connect(page, &PlaceViewPage::back, this, &NewSelector::closeView);
    connect(page, &PlaceViewPage::mapAction, this, &NewSelector::onMapAction);
    connect(page, &PlaceViewPage::goAction, this, &NewSelector::onGoAction);
    connect(page, &PlaceViewPage::planRouteAction, this, &NewSelector::onPlanRouteAction);
    m_pane->push(page);
}

void NewSelector::addBackActionObjectName(hx::trellan::Page *page)
{
    auto *properties = new NavigationPaneProperties(page);
    auto *back = new ActionItem(properties);
    back->setObjectName(QStringLiteral("BackAction"));
    connect(back, &ActionItem::triggered, m_pane, &NavigationPane::pop);
    properties->setBackButton(back);
    page->setPaneProperties(properties);
}

void NewSelector::onNewEntry()
{
    auto *page = new PlaceViewPage(m_type);
    pushPlacePage(page);
    addBackActionObjectName(page);
}

void NewSelector::onMyLocation(Location location)
{
    QSharedPointer<Place> place(new Place(QString(), location));
    auto *page = new PlaceViewPage(m_type, place, false);
    pushPlacePage(page);
    addBackActionObjectName(page);
}

void NewSelector::onPreview(QSharedPointer<Place> place)
{
    if (!place)
        return;
    auto *page = new PickerPreview(place, Coordinates());
    m_pane->push(page);
    addBackActionObjectName(page);
}

void NewSelector::onPopTransitionEnded(hx::trellan::Page *page)
{
    if (page)
        page->deleteLater();
}

void NewSelector::onMapAction(QSharedPointer<Place> place)
{
    close();
    Q_EMIT mapAction(place);
}

void NewSelector::onGoAction(QSharedPointer<Place> place)
{
    close();
    Q_EMIT goAction(place);
}

void NewSelector::onPlanRouteAction(QSharedPointer<Place> place)
{
    close();
    Q_EMIT planRouteAction(place);
}

void NewSelector::closeView()
{
    close();
}

} // namespace places
} // namespace trellan
} // namespace hx

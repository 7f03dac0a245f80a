#include <hx/device/vkbeventhandler.h>
#include <hx/platform/places/internaltags.h>
#include <hx/system/systemtoast.h>
#include <hx/trellan/actionitem.h>
#include <hx/trellan/container.h>
#include <hx/trellan/dropdown.h>
#include <hx/trellan/imageview.h>
#include <hx/trellan/label.h>
#include <hx/trellan/option.h>
#include <hx/trellan/orientationsupport.h>
#include <hx/trellan/page.h>
#include <hx/trellan/places/cardsutils.h>
#include <hx/trellan/places/cclutils.h>
#include <hx/trellan/places/currentcoordinate.h>
#include <hx/trellan/places/geocodinghandler.h>
#include <hx/trellan/places/getgeolocation.h>
#include <hx/trellan/places/imageset.h>
#include <hx/trellan/places/itemtype.h>
#include <hx/trellan/places/log.h>
#include <hx/trellan/places/mylocationdialog.h>
#include <hx/trellan/places/myplaceslistitembuilder.h>
#include <hx/trellan/places/placemanagerui.h>
#include <hx/trellan/places/placenotfounddialog.h>
#include <hx/trellan/places/placeutils.h>
#include <hx/trellan/places/searchlistitemmanager.h>
#include <hx/trellan/places/sharedlink.h>
#include <hx/trellan/places/singlesearchalldatamodel.h>
#include <hx/trellan/places/singlesearchfilterdatamodel.h>
#include <hx/trellan/places/singlesearchlist.h>
#include <hx/trellan/places/singlesearchprivate.h>
#include <hx/trellan/places/suggestionresolver.h>
#include <hx/trellan/places/titlebartab.h>
#include <hx/trellan/stacklayout.h>
#include <hx/trellan/textfield.h>
#include <hx/trellan/titlebar.h>
#include <hx/trellan/uiconfig.h>
#include <hx/trellan/virtualkeyboard.h>

#include <QtCore/QCoreApplication>
#include <QtCore/QDateTime>
#include <QtCore/QSignalBlocker>

#include <cmath>

namespace hx {
namespace trellan {
namespace places {

using hx::platform::places::Coordinates;
using hx::platform::places::Error;
using hx::platform::places::InternalTags;
using hx::platform::places::Location;
using hx::platform::places::Place;

namespace {

const int FILTER_COUNT = 4;
const int LANDSCAPE = 1;

bool isCategorySearch(const Place &place, const char *tag)
{
    return place.hasTag(QLatin1String(tag)) && !place.auxiliaryData().isEmpty();
}

TitleBarTab::Tab tabOfFilter(int index)
{
    switch (index) {
    case 1:
        return TitleBarTab::Recents;
    case 2:
        return TitleBarTab::Favorites;
    case 3:
        return TitleBarTab::Contacts;
    default:
        return TitleBarTab::None;
    }
}

} // namespace

SingleSearchPrivate::SingleSearchPrivate(bool withMyLocation, Mode mode, InitialViewType initialView, QObject *parent)
    : CustomControl(parent),
      PickerRetrans(true),
      m_withMyLocation(withMyLocation),
      m_mode(mode),
      m_initialViewType(initialView),
      m_all(new SingleSearchAllDataModel(true)),
      m_filter(new SingleSearchFilterDataModel),
      m_rows(new SearchListItemManager(QSharedPointer<PlacesListItemBuilder>(new MyPlacesListItemBuilder))),
      m_resolver(new SuggestionResolver(true, this))
{
    qRegisterMetaType<QSharedPointer<Place>>();
    qRegisterMetaType<PlaceCardReturnMessage>();
    setObjectName(QStringLiteral("SingleSearchPrivate"));
    auto *root = new hx::trellan::Container;
    root->setLayout(new hx::trellan::StackLayout);
    buildSearchBar(root);
    buildDropDown();
    m_list = new SingleSearchList;
    m_list->setListItemProvider(m_rows.data());
    m_list->setLeadingVisual(m_dropDown);
    m_list->setSpaceQuota(1.0f);
    root->add(m_list);
    setRoot(root);

    connect(m_rows.data(), &SearchListItemManager::infoClicked, this, &SingleSearchPrivate::onInfoClicked);
    connect(m_rows.data(), &SearchListItemManager::titleClicked, this, &SingleSearchPrivate::onTitleClicked);
    connect(m_rows.data(), &SearchListItemManager::footerClicked, this, &SingleSearchPrivate::onFooterClicked);
    connect(m_rows.data(), &SearchListItemManager::recentSearchClicked, this,
            &SingleSearchPrivate::onRecentSearchClicked, Qt::QueuedConnection);
    connect(m_list, &SingleSearchList::reverseExpand, this, &SingleSearchPrivate::onCollapseListView,
            Qt::QueuedConnection);
    connectModel(m_all.data());
    connectModel(m_filter.data());
    connect(m_all.data(), &SingleSearchAllDataModel::errorEvent, this, &SingleSearchPrivate::onAllDataModelError,
            Qt::QueuedConnection);
    connect(this, &SingleSearchPrivate::cancelBlockingSpinner, this, &SingleSearchPrivate::onCancelSuggestionsSpinner);
    connect(this, &SingleSearchPrivate::switchToView, this, &SingleSearchPrivate::onSwitchToView);
    connect(this, &SingleSearchPrivate::selectContinue, this, &SingleSearchPrivate::onSelectContinue,
            Qt::QueuedConnection);
    connect(this, &SingleSearchPrivate::showPlaceNotFoundDialog, this, &SingleSearchPrivate::onShowPlaceNotFoundDialog);
    connect(m_resolver, &SuggestionResolver::resolved, this, &SingleSearchPrivate::onSuggestionResolved);
    connect(m_resolver, &SuggestionResolver::failed, this, &SingleSearchPrivate::showPlaceNotFoundDialog);
    connect(OrientationSupport::instance(), &OrientationSupport::orientationAboutToChange, this,
            &SingleSearchPrivate::onOrientationAboutToChange);
    auto *keyboard = new hx::device::VKBEventHandler(this);
    connect(keyboard, &hx::device::VKBEventHandler::virtualKeyboardDisplayChange, this,
            &SingleSearchPrivate::onVirtualKeyboardDisplayChange);
    retranslateUI();
}

SingleSearchPrivate::~SingleSearchPrivate()
{
    m_list->setDataModel(nullptr);
}

void SingleSearchPrivate::buildSearchBar(hx::trellan::Container *root)
{
    auto *bar = new hx::trellan::Container;
    bar->setObjectName(QStringLiteral("SearchBar"));
    bar->setMinHeight(UIConfig::du(PlaceUtils::DEFAULT_SEARCH_BOX_HEIGHT));
    m_field = new hx::trellan::TextField;
    m_field->setObjectName(QStringLiteral("SearchField"));
    // Past the longest text a search or a link query takes, keys would only reload the list.
    m_field->setMaximumLength(SharedLink::MAX_TEXT_LENGTH);
    bar->add(m_field);
    root->add(bar);
    connect(m_field, &hx::trellan::TextField::textChanging, this, &SingleSearchPrivate::inputTextChanging);
    connect(m_field, &hx::trellan::TextField::submitted, this, &SingleSearchPrivate::inputTextConfirmed);
}

void SingleSearchPrivate::buildDropDown()
{
    m_dropDown = new hx::trellan::DropDown;
    m_dropDown->setObjectName(QStringLiteral("FilterDropDown"));
    for (int i = 0; i < FILTER_COUNT; ++i) {
        auto *option = new hx::trellan::Option;
        option->setValue(i);
        m_dropDown->add(option);
    }
    connect(m_dropDown, &hx::trellan::DropDown::selectedIndexChanged, this,
            &SingleSearchPrivate::onDropDownIndexChanged);
    connect(m_dropDown, &hx::trellan::DropDown::expandedChanged, this, &SingleSearchPrivate::onExpandedChanged);
}

void SingleSearchPrivate::addTitleBarAndActions(hx::trellan::Page *page)
{
    auto *titleBar = new hx::trellan::TitleBar(page);
    m_cancelAction = new hx::trellan::ActionItem(titleBar);
    m_cancelAction->setObjectName(QStringLiteral("CancelPickerButton"));
    titleBar->setDismissAction(m_cancelAction);
    page->setTitleBar(titleBar);
    connect(m_cancelAction, &hx::trellan::ActionItem::triggered, this, &SingleSearchPrivate::cancel);
    if (m_withMyLocation) {
        m_myLocationAction = new hx::trellan::ActionItem(page);
        m_myLocationAction->setObjectName(QStringLiteral("PickMyLocationAction"));
        page->addAction(m_myLocationAction, 1);
        connect(m_myLocationAction, &hx::trellan::ActionItem::triggered, this, &SingleSearchPrivate::onMyLocation);
    }
    retranslateUI();
}

void SingleSearchPrivate::connectModel(PlacesDataModel *model)
{
    // Each model reports only while it is the one shown.
    connect(model, &PlacesDataModel::modelLoaded, this, [this, model] {
        if (model == m_current)
            dataModelLoaded();
    });
    connect(model, &PlacesDataModel::modelLoadedFinal, this, [this, model] {
        if (model == m_current)
            dataModelLoadedFinal();
    });
}

void SingleSearchPrivate::showModel(PlacesDataModel *model)
{
    if (m_current == model)
        return;
    m_current = model;
    m_list->setDataModel(model);
}

QList<FilterCategory::Type> SingleSearchPrivate::initRecentSearchFilterSet()
{
    return { FilterCategory::MyPlaces, FilterCategory::RemotePlaces };
}

Coordinates SingleSearchPrivate::currentPosition()
{
    const CurrentCoordinate *fix = GetGeolocation::getCoordinate(PlaceUtils::genericRequest);
    const SelectorCoordinate value = fix->value();
    const bool known
        = fix->state() == CurrentCoordinate::Valid && !std::isnan(value.latitude()) && !std::isnan(value.longitude());
    if (known) {
        m_locationUnknownShown = false;
        return Coordinates(value.latitude(), value.longitude());
    }
    if (!m_locationUnknownShown) {
        m_locationUnknownShown = true;
        // Owned by the screen too, so a screen closed while the toast shows takes it along.
        auto *toast = new hx::system::SystemToast(this);
        toast->setObjectName(QStringLiteral("LocationUnknownToast"));
        toast->setPosition(hx::system::SystemUiPosition::Type(2));
        toast->setBody(QCoreApplication::translate(
            "Places", "Some search results are unavailable because your location is unknown."));
        connect(toast, &hx::system::SystemUiElement::finished, toast, &QObject::deleteLater);
        toast->show();
    }
    return Coordinates();
}

void SingleSearchPrivate::loadFiltered(FilterCategory::Type category, const QString &text, const Coordinates &near)
{
    showModel(m_filter.data());
    m_list->showSpinner(true);
    m_filter->load(category, text, near, true);
}

void SingleSearchPrivate::loadDataModel(const QString &text, const QList<FilterCategory::Type> &filters)
{
    FilterCategory::Type category = FilterCategory::None;
    switch (m_dropDown->selectedIndex()) {
    case 0:
        if (text.isEmpty())
            category = FilterCategory::Recents;
        break;
    case 1:
        category = FilterCategory::RecentGroup5;
        break;
    case 2:
        category = FilterCategory::Favorites;
        break;
    case 3:
        category = FilterCategory::Contacts;
        break;
    default:
        break;
    }
    m_list->showFooter(false);
    if (category != FilterCategory::None) {
        loadFiltered(category, text, Coordinates());
        return;
    }
    const Coordinates near = currentPosition();
    m_rows->updateSearchCoordinates(near);
    // Loading first empties the model, so a list that switches to it does not build rows for the
    // last search's places only to drop them; the new rows arrive from the event loop.
    m_all->load(text, near, filters, true);
    showModel(m_all.data());
    m_list->showSpinner(true);
}

void SingleSearchPrivate::inputTextChanging(const QString &text)
{
    if (!text.isEmpty())
        m_list->showLeadingVisual(true);
    m_list->showFooter(false);
    m_list->showSpinner(false);
    displayEmpty(false);
    loadDataModel(text, {});
    if (text.isEmpty())
        emit searchTextFieldCleared();
}

void SingleSearchPrivate::inputTextConfirmed()
{
    const QString text = m_field->text();
    if (text.isEmpty()) {
        loadDataModel(text, {});
        return;
    }
    {
        QSignalBlocker blocker(m_dropDown);
        m_dropDown->setSelectedIndex(0);
    }
    setTextOnSearchInput(0);
    m_list->showFooter(false);
    showModel(m_filter.data());
    m_list->showSpinner(true);
    m_filter->load(FilterCategory::RemotePlaces, text, currentPosition(), true);
}

void SingleSearchPrivate::onDropDownIndexChanged(int index)
{
    m_dropDown->setExpanded(false);
    m_list->showFooter(false);
    if (index >= 0 && index < FILTER_COUNT) {
        m_rows->setFilter(tabOfFilter(index));
        loadDataModel(m_field->text(), {});
    }
    setTextOnSearchInput(index);
}

void SingleSearchPrivate::setTextOnSearchInput(int index)
{
    switch (index) {
    case 1:
        m_field->setHintText(QCoreApplication::translate("Places", "Search Recents"));
        break;
    case 2:
        m_field->setHintText(QCoreApplication::translate("Places", "Search Favorites"));
        break;
    case 3:
        m_field->setHintText(QCoreApplication::translate("Places", "Search Contacts"));
        break;
    default:
        m_field->setHintText(QCoreApplication::translate("Places", "Type to enter search term or address"));
        break;
    }
}

void SingleSearchPrivate::initDropDownFilter(int index)
{
    m_dropDown->setSelectedIndex(index);
}

void SingleSearchPrivate::initialView()
{
    switch (m_initialViewType) {
    case Hidden:
        m_list->setVisible(false);
        break;
    case All:
    case AllRecents:
        initDropDownFilter(0);
        break;
    case Recents:
        initDropDownFilter(1);
        break;
    case Favorites:
        initDropDownFilter(2);
        break;
    case Contacts:
        initDropDownFilter(3);
        break;
    }
}

void SingleSearchPrivate::onFooterClicked(const QVariantList &indexPath)
{
    // The row is read now, while it is the one tapped; the list changes models only once the tap
    // has ended, because that deletes the footer's row.
    PlacesDataModel *tapped = m_current;
    const QString key = tapped ? tapped->itemType(indexPath) : QString();
    const int searchId = tapped ? tapped->searchId() : -1;
    QMetaObject::invokeMethod(
        this, [=] { openFooter(tapped, searchId, key, indexPath); }, Qt::QueuedConnection);
}

void SingleSearchPrivate::openFooter(PlacesDataModel *tapped, int searchId, const QString &key,
                                     const QVariantList &indexPath)
{
    // A keystroke or a filter change in between replaced the rows the user tapped.
    if (!tapped || tapped != m_current || tapped->searchId() != searchId)
        return;
    m_list->clearSelection();
    if (m_current == m_all.data()) {
        const FilterCategory::Type category = ItemType::getFilter(key);
        showModel(m_filter.data());
        m_list->showFooter(true);
        m_footerPath = indexPath;
        loadFiltered(category, m_field->text(), currentPosition());
        return;
    }
    m_footerPath.clear();
    onCollapseListView();
}

void SingleSearchPrivate::onCollapseListView()
{
    m_list->showFooter(false);
    loadDataModel(m_field->text(), {});
}

QSharedPointer<Place> SingleSearchPrivate::rowPlace(const QVariantList &indexPath) const
{
    if (!m_current)
        return QSharedPointer<Place>();
    return PlaceManagerUI::convertToPlace(m_current->fullPlace(indexPath));
}

void SingleSearchPrivate::onRecentSearchClicked(const QVariantList &indexPath)
{
    if (m_current != m_filter.data())
        return;
    const QSharedPointer<Place> place = rowPlace(indexPath);
    if (!place) {
        Log::debug() << "hx::trellan::places::SingleSearchPrivate::onRecentSearchClicked: internal error, null pointer";
        return;
    }
    {
        QSignalBlocker blocker(m_field);
        m_field->setText(place->name());
    }
    if (isCategorySearch(*place, InternalTags::RecentSearchPointOfInterestCategory)) {
        runCategorySearch(place);
        return;
    }
    loadDataModel(place->name(), initRecentSearchFilterSet());
}

void SingleSearchPrivate::runCategorySearch(const QSharedPointer<Place> &place)
{
    m_list->showFooter(false);
    loadFiltered(FilterCategory::PoiGroup13, PlaceUtils::createCategorySuggestionSearchTerms(*place),
                 currentPosition());
}

void SingleSearchPrivate::onTitleClicked(const QVariantList &indexPath)
{
    m_list->clearSelection();
    selected(indexPath);
}

void SingleSearchPrivate::selected(const QVariantList &indexPath)
{
    const QSharedPointer<Place> place = rowPlace(indexPath);
    if (place)
        emit selectContinue(place);
}

void SingleSearchPrivate::resolveSuggestion(const QSharedPointer<Place> &place, SuggestionsRunnable::Context context)
{
    m_resolver->resolve(place, context);
}

void SingleSearchPrivate::onSelectContinue(QSharedPointer<Place> place)
{
    if (!place)
        return;
    if (isCategorySearch(*place, InternalTags::SuggestionCategory)) {
        runCategorySearch(place);
        return;
    }
    if (place->hasTag(QLatin1String(InternalTags::Suggestion))) {
        resolveSuggestion(place, SuggestionsRunnable::Select);
        return;
    }
    m_selectedPlace = place;
    CCLUtils::logPlacePickerSelection(place);
    if (initiateGeocodeIfNeeded())
        return;
    savePick("hx::trellan::places::SingleSearchPrivate::onSelectContinue(): place manager error: ");
    emit placeSelected();
}

void SingleSearchPrivate::savePick(const char *where)
{
    const Error::Type error = PlaceManagerUI::savePickedPlace(m_selectedPlace, true);
    if (error != Error::None)
        Log::debug() << where << int(error);
}

void SingleSearchPrivate::onInfoClicked(const QVariantList &indexPath)
{
    m_list->clearSelection();
    m_infoPath = indexPath;
    const QSharedPointer<Place> place = rowPlace(indexPath);
    if (!place)
        return;
    if (place->hasTag(QLatin1String(InternalTags::Suggestion))) {
        resolveSuggestion(place, SuggestionsRunnable::View);
        return;
    }
    emit switchToView(place);
}

void SingleSearchPrivate::onSuggestionResolved(SuggestionsRunnable::Context context, QSharedPointer<Place> place)
{
    emit cancelBlockingSpinner();
    if (context == SuggestionsRunnable::Select)
        emit selectContinue(place);
    else if (context == SuggestionsRunnable::View)
        emit switchToView(place);
}

void SingleSearchPrivate::onCancelSuggestionsSpinner()
{
    m_resolver->cancel();
}

void SingleSearchPrivate::onShowPlaceNotFoundDialog()
{
    (new PlaceNotFoundDialog)->show();
}

void SingleSearchPrivate::onSwitchToView(QSharedPointer<Place> place)
{
    if (!place)
        return;
    if (!m_cards) {
        m_cards = new CardsUtils(this);
        connect(m_cards, &CardsUtils::previewDone, this, &SingleSearchPrivate::onViewClosedFromUI);
    }
    PlaceManagerUI::addRecentlyPickedPlace(*place, false);
    m_cards->placeViewPreviewer(place, true);
}

void SingleSearchPrivate::onViewClosedFromUI(PlaceCardReturnMessage message)
{
    const QVariantList path = m_infoPath;
    m_infoPath.clear();
    if (path.isEmpty() || !m_current)
        return;
    switch (message.getStatus()) {
    case PlaceCardReturnMessage::Modified:
        m_current->refreshItem(path);
        break;
    case PlaceCardReturnMessage::Selected:
        selected(path);
        break;
    case PlaceCardReturnMessage::SelectedModified:
        m_current->refreshItem(path);
        selected(path);
        break;
    default:
        break;
    }
}

bool SingleSearchPrivate::initiateGeocodeIfNeeded()
{
    if (!m_selectedPlace || m_selectedPlace->locations().isEmpty())
        return false;
    const Location first = m_selectedPlace->locations().first();
    if (first.coordinates().isValid())
        return false;
    m_geocoder = new GeocodingHandler(this);
    connect(m_geocoder.data(), &GeocodingHandler::finished, this, &SingleSearchPrivate::onGeocodingFinished);
    m_geocoder->start(m_selectedPlace->name(), first.address());
    return true;
}

void SingleSearchPrivate::onGeocodingFinished(QList<Location> locations, bool error)
{
    if (m_geocoder)
        m_geocoder->deleteLater();
    if (!error && !locations.isEmpty() && m_selectedPlace) {
        QList<Location> placeLocations = m_selectedPlace->locations();
        if (placeLocations.isEmpty())
            placeLocations.append(locations.first());
        else
            placeLocations[0] = locations.first();
        m_selectedPlace->setLocations(placeLocations);
        savePick("hx::trellan::places::SingleSearchPrivate::onGeocodingFinished(): place manager error: ");
    }
    emit geocodingFinished(locations);
    emit placeSelected();
}

void SingleSearchPrivate::onMyLocation()
{
    if (!m_myLocation) {
        m_myLocation = new MyLocationDialog(this, true);
        connect(m_myLocation, &MyLocationDialog::success, this, &SingleSearchPrivate::onMyLocationSuccess);
    }
    m_myLocation->fetch();
}

void SingleSearchPrivate::onMyLocationSuccess(Location location)
{
    m_selectedPlace.reset(new Place(QString(), location));
    saveMyLocation(m_selectedPlace.data());
    emit placeSelected();
}

void SingleSearchPrivate::saveMyLocation(Place *place)
{
    if (!place)
        return;
    const Error::Type error = PlaceManagerUI::addRecentlyPickedPlace(*place, true);
    if (error != Error::None)
        Log::debug() << "hx::trellan::places::SingleSearchPrivate::saveMyLocation(): place manager error: "
                     << int(error);
}

void SingleSearchPrivate::dataModelLoaded()
{
    // The invitation goes as soon as rows come, whichever filter brought them.
    displayEmpty(m_current->childCount(QVariantList()) == 0 && m_field->text().isEmpty());
    m_list->showSpinner(false);
    m_list->showLeadingVisual(true);
    if (m_list->isFooterVisible() && !m_footerPath.isEmpty())
        m_list->setAsFocused(m_footerPath);
}

void SingleSearchPrivate::dataModelLoadedFinal()
{
    if (!m_field->text().isEmpty())
        m_list->showEmpty();
}

bool SingleSearchPrivate::isLandscape() const
{
    return OrientationSupport::instance()->orientation() == LANDSCAPE;
}

void SingleSearchPrivate::displayEmpty(bool show)
{
    if (!show) {
        if (m_emptyView)
            m_emptyView->setVisible(false);
        return;
    }
    if (!m_emptyView) {
        m_emptyView = new hx::trellan::Container;
        m_emptyView->setObjectName(QStringLiteral("EmptyListView"));
        m_emptyView->setLayout(new hx::trellan::StackLayout);
        m_emptyView->setHorizontalAlignment(HorizontalAlignment::Center);
        m_emptyView->setBottomMargin(30.0f);
        auto *image = new hx::trellan::ImageView;
        image->setImage(ImageSet::EMPTYLIST_RECENTS());
        image->setHorizontalAlignment(HorizontalAlignment::Center);
        m_emptyView->add(image);
        m_emptyLabel = new hx::trellan::Label;
        m_emptyLabel->setObjectName(QStringLiteral("EmptyListLabel"));
        m_emptyLabel->setMultiline(true);
        m_emptyLabel->setHorizontalAlignment(HorizontalAlignment::Center);
        m_emptyLabel->setPreferredWidth(UIConfig::displaySize().width() * 0.55f);
        m_emptyView->add(m_emptyLabel);
        static_cast<hx::trellan::Container *>(root())->add(m_emptyView);
        retranslateUI();
    }
    showEmptyView(isLandscape());
}

void SingleSearchPrivate::showEmptyView(bool landscape)
{
    m_emptyView->setVisible(!landscape && !VirtualKeyboard::isShown());
}

void SingleSearchPrivate::updateEmptyView(bool landscape)
{
    if (!m_emptyView)
        return;
    if (landscape && VirtualKeyboard::isShown() && m_emptyView->isVisible()) {
        m_emptyView->setVisible(false);
        return;
    }
    if (m_current && m_current->childCount(QVariantList()) == 0 && m_field->text().isEmpty())
        showEmptyView(landscape);
}

void SingleSearchPrivate::onOrientationAboutToChange(UIOrientation::Type orientation)
{
    // Announced before the turn: the screen still reports the old orientation.
    updateEmptyView(orientation == LANDSCAPE);
}

void SingleSearchPrivate::onVirtualKeyboardDisplayChange(bool)
{
    updateEmptyView(isLandscape());
}

void SingleSearchPrivate::onExpandedChanged(bool expanded)
{
    // An open drop-down covers the no-results label; it comes back when the list is closed.
    if (expanded)
        m_list->hideNoResultsLabel();
    else if (!m_field->text().isEmpty() && m_current && m_current->childCount(QVariantList()) == 0)
        m_list->showEmpty();
}

void SingleSearchPrivate::onDropDownChange(QRectF) { }

void SingleSearchPrivate::onAllDataModelError(Error::Type error)
{
    static QDateTime lastTime = QDateTime::fromMSecsSinceEpoch(0);
    static Error::Type lastType = Error::None;
    PlaceUtils::showErrorMessageOnCondition(error, lastTime, lastType);
}

void SingleSearchPrivate::retranslateUI()
{
    static const char *const filters[FILTER_COUNT]
        = { QT_TRANSLATE_NOOP("Places", "All"), QT_TRANSLATE_NOOP("Places", "Recents"),
            QT_TRANSLATE_NOOP("Places", "Favorites"), QT_TRANSLATE_NOOP("Places", "Contacts") };
    for (int i = 0; i < FILTER_COUNT; ++i)
        m_dropDown->at(i)->setText(QCoreApplication::translate("Places", filters[i]));
    setTextOnSearchInput(m_dropDown->selectedIndex());
    if (m_cancelAction)
        m_cancelAction->setTitle(QCoreApplication::translate("Places", "Cancel"));
    if (m_myLocationAction)
        m_myLocationAction->setTitle(QCoreApplication::translate("Places Action", "My Location"));
    if (m_emptyLabel)
        m_emptyLabel->setText(QCoreApplication::translate("Places", "Enter search term or address for suggestions."));
}

} // namespace places
} // namespace trellan
} // namespace hx

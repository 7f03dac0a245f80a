#include <hx/platform/places/internaltags.h>
#include <hx/trellan/activityindicator.h>
#include <hx/trellan/button.h>
#include <hx/trellan/container.h>
#include <hx/trellan/imagebutton.h>
#include <hx/trellan/listview.h>
#include <hx/trellan/places/imageset.h>
#include <hx/trellan/places/itemtype.h>
#include <hx/trellan/places/log.h>
#include <hx/trellan/places/myplaceslistitembuilder.h>
#include <hx/trellan/places/placemanagerui.h>
#include <hx/trellan/places/placeutils.h>
#include <hx/trellan/places/resultsheet.h>
#include <hx/trellan/places/searchlistitemmanager.h>
#include <hx/trellan/places/sharedlink.h>
#include <hx/trellan/places/singlesearchalldatamodel.h>
#include <hx/trellan/places/singlesearchcontrol.h>
#include <hx/trellan/places/singlesearchfilterdatamodel.h>
#include <hx/trellan/places/singlesearchlist.h>
#include <hx/trellan/places/suggestionresolver.h>
#include <hx/trellan/places/tcsslicedatamodel.h>
#include <hx/trellan/places/threadgeocode.h>
#include <hx/trellan/stacklayout.h>
#include <hx/trellan/textfield.h>
#include <hx/trellan/uiconfig.h>

#include <QtCore/QCoreApplication>
#include <QtCore/QSignalBlocker>

namespace hx {
namespace trellan {
namespace places {

using hx::platform::places::AbstractPlace;
using hx::platform::places::Coordinates;
using hx::platform::places::Error;
using hx::platform::places::InternalTags;
using hx::platform::places::Location;
using hx::platform::places::Place;
using hx::platform::places::SearchResult;
using hx::trellan::UIConfig;

namespace {

QVariantList noResult()
{
    return QVariantList { -1 };
}

Coordinates toCoordinates(const hx::platform::geo::Point &point)
{
    return Coordinates(point.latitude(), point.longitude());
}

bool hasAuxiliaryData(const Place &place)
{
    return !place.auxiliaryData().isEmpty();
}

void setButtonImage(hx::trellan::ImageButton *button, const hx::trellan::Image &image)
{
    button->setDefaultImage(image);
    button->setDefaultImageSource(image.source());
}

} // namespace

SingleSearchControl::SingleSearchControl(QObject *parent)
    : CustomControl(parent),
      PickerRetrans(true),
      m_rows(new SearchListItemManager(QSharedPointer<PlacesListItemBuilder>(new MyPlacesListItemBuilder))),
      m_all(new SingleSearchAllDataModel(true)),
      m_filter(new SingleSearchFilterDataModel),
      m_current(noResult()),
      m_next(noResult()),
      m_resolver(new SuggestionResolver(false, this)),
      m_lastErrorTime(QDateTime::fromMSecsSinceEpoch(0))
{
    PlaceUtils::init();
    qRegisterMetaType<QSharedPointer<Place>>();
    setObjectName(QStringLiteral("SingleSearchControl"));
    m_root = new hx::trellan::Container;
    m_root->setLayout(new hx::trellan::StackLayout);
    buildSearchBar();
    m_listContainer = new hx::trellan::Container;
    m_listContainer->setObjectName(QStringLiteral("ListContainer"));
    m_list = new SingleSearchList;
    m_list->setListItemProvider(m_rows.data());
    m_listContainer->add(m_list);
    m_root->add(m_listContainer);
    setRoot(m_root);
    collapseListView(true, false);

    connect(m_rows.data(), &SearchListItemManager::titleClicked, this, &SingleSearchControl::onTitleClicked);
    connect(m_rows.data(), &SearchListItemManager::footerClicked, this, &SingleSearchControl::onFooterClicked);
    connect(m_rows.data(), &SearchListItemManager::recentSearchClicked, this,
            &SingleSearchControl::onRecentSearchClicked);
    connect(m_list, &SingleSearchList::reverseExpand, this, &SingleSearchControl::onCollapseFooterExpansion);
    for (PlacesDataModel *model :
         { static_cast<PlacesDataModel *>(m_all.data()), static_cast<PlacesDataModel *>(m_filter.data()) }) {
        connect(model, &PlacesDataModel::modelLoaded, this, [this, model] {
            if (model == m_shown)
                dataModelLoaded();
        });
        connect(model, &PlacesDataModel::modelLoadedFinal, this, [this, model] {
            if (model == m_shown)
                dataModelLoadedFinal();
        });
    }
    connect(m_all.data(), &SingleSearchAllDataModel::errorEvent, this, &SingleSearchControl::onAllDataModelError,
            Qt::QueuedConnection);
    connect(this, &SingleSearchControl::selectContinue, this, &SingleSearchControl::onSelectContinue,
            Qt::QueuedConnection);
    connect(m_resolver, &SuggestionResolver::resolved, this, &SingleSearchControl::onSuggestionResolved);
    connect(m_resolver, &SuggestionResolver::failed, this, &SingleSearchControl::onSuggestionFailed);
    retranslateUI();
}

SingleSearchControl::~SingleSearchControl()
{
    m_list->setDataModel(nullptr);
}

void SingleSearchControl::buildSearchBar()
{
    auto *bar = new hx::trellan::Container;
    bar->setObjectName(QStringLiteral("SearchBar"));
    auto *layout = new hx::trellan::StackLayout;
    layout->setOrientation(LayoutOrientation::LeftToRight);
    bar->setLayout(layout);
    bar->setMinHeight(UIConfig::du(PlaceUtils::DEFAULT_SEARCH_BOX_HEIGHT));
    m_field = new hx::trellan::TextField;
    m_field->setObjectName(QStringLiteral("SearchField"));
    // Past the longest text a search or a link query takes, keys would only reload the list.
    m_field->setMaximumLength(SharedLink::MAX_TEXT_LENGTH);
    m_field->setSpaceQuota(1.0f);
    bar->add(m_field);
    m_loading = new hx::trellan::ActivityIndicator;
    m_loading->setObjectName(QStringLiteral("SearchSpinner"));
    m_loading->setVisible(false);
    bar->add(m_loading);
    m_cancel = new hx::trellan::Button;
    m_cancel->setObjectName(QStringLiteral("SearchCancelButton"));
    m_cancel->setVisible(false);
    bar->add(m_cancel);
    m_listButton = new hx::trellan::ImageButton;
    m_listButton->setObjectName(QStringLiteral("listButton"));
    setButtonImage(m_listButton, ImageSet::LISTBUTTON());
    m_listButton->setVisible(false);
    bar->add(m_listButton);
    m_myPlaces = new hx::trellan::ImageButton;
    m_myPlaces->setObjectName(QStringLiteral("MyPlacesButton"));
    setButtonImage(m_myPlaces, ImageSet::MYPLACES());
    bar->add(m_myPlaces);
    m_root->add(bar);

    connect(m_field, &hx::trellan::TextField::textChanging, this, &SingleSearchControl::inputTextChanging);
    connect(m_field, &hx::trellan::TextField::submitted, this, &SingleSearchControl::inputTextSubmitted);
    connect(m_field, &Control::focusedChanged, this, &SingleSearchControl::onFocusedChanged);
    connect(m_cancel, &hx::trellan::Button::clicked, this, QOverload<>::of(&SingleSearchControl::onCancelClicked));
    connect(m_listButton, &hx::trellan::ImageButton::clicked, this, &SingleSearchControl::onListButton);
    connect(m_myPlaces, &hx::trellan::ImageButton::clicked, this, &SingleSearchControl::myPlacesButtonClicked);
    connect(m_myPlaces, &Control::focusedChanged, this, &SingleSearchControl::onMyPlaceButtonFocusChanged);
}

void SingleSearchControl::setFieldTextQuietly(const QString &text)
{
    QSignalBlocker blocker(m_field);
    m_field->setText(text);
}

void SingleSearchControl::showModel(PlacesDataModel *model)
{
    m_shown = model;
    m_list->setDataModel(model);
}

void SingleSearchControl::inputTextChanging()
{
    m_current = QVariantList { 0 };
    m_next = QVariantList { 0 };
    m_list->showFooter(false);
    if (m_slice)
        m_slice->clear();
    loadDataModel();
    if (m_field->text().isEmpty()) {
        m_categoryTerms.clear();
        emit searchTextFieldCleared();
    }
}

void SingleSearchControl::loadDataModel()
{
    m_rows->updateSearchCoordinates(m_searchCoordinates);
    const QString text = m_field->text();
    if (!text.isEmpty()) {
        // Loaded before it is shown: the list then builds no rows for the last search's places.
        m_all->load(text, m_searchCoordinates, {}, true);
        showModel(m_all.data());
    } else {
        showModel(m_filter.data());
        m_filter->load(FilterCategory::Recents, QString(), m_searchCoordinates, true);
    }
    m_list->hideEmpty();
    m_list->showSpinner(true);
}

void SingleSearchControl::onFocusedChanged(bool focused)
{
    if (!focused)
        return;
    loadDataModel();
    m_listButton->setVisible(false);
    m_cancel->setVisible(true);
    collapseListView(false, true);
}

void SingleSearchControl::collapseListView(bool collapse, bool notify)
{
    if (collapse) {
        m_listContainer->setMaxHeight(0.0f);
        m_listContainer->setSpaceQuota(-1.0f);
        m_listContainer->setVisible(false);
        if (notify)
            emit searchCanceled();
        return;
    }
    m_listContainer->setMaxHeight(UIConfig::displaySize().height());
    m_listContainer->setSpaceQuota(1.0f);
    m_listContainer->setVisible(true);
    if (notify)
        emit searchActivated();
}

void SingleSearchControl::closeView(bool notify)
{
    collapseListView(true, notify);
    m_cancel->setVisible(false);
}

void SingleSearchControl::onCancelClicked(bool clearSearchText)
{
    {
        QSignalBlocker blocker(m_field);
        if (clearSearchText)
            m_field->setText(QString());
        m_field->loseFocus();
    }
    m_cancel->loseFocus();
    closeView(true);
}

void SingleSearchControl::onCancelClicked()
{
    onCancelClicked(true);
}

void SingleSearchControl::inputTextSubmitted()
{
    startSearch({ FilterCategory::RemotePlaces });
    closeView(true);
}

void SingleSearchControl::search(const QString &text, const hx::platform::geo::Point &point)
{
    m_searchCoordinates = toCoordinates(point);
    setFieldTextQuietly(text);
    startSearch({ FilterCategory::RemotePlaces });
}

void SingleSearchControl::setSearchCoordinates(const hx::platform::geo::Point &point,
                                               const hx::platform::geo::BoundingBox &box)
{
    m_point = point;
    m_box = box;
    m_searchCoordinates = toCoordinates(box.center());
}

void SingleSearchControl::onMapCenterChanged(const hx::platform::geo::Point &point,
                                             const hx::platform::geo::BoundingBox &box)
{
    setSearchCoordinates(point, box);
    // While the user edits the field the list, not the map, drives the search.
    if (!m_field->isFocused() && !m_field->text().isEmpty())
        startSearch({ FilterCategory::RemotePlaces });
}

void SingleSearchControl::setSearchText(const QString &text)
{
    setFieldTextQuietly(text);
}

void SingleSearchControl::setSearchText(const QSharedPointer<Place> &place)
{
    if (place)
        setFieldTextQuietly(place->name());
}

void SingleSearchControl::startSearch(const QList<FilterCategory::Type> &categories)
{
    if (!m_slice) {
        m_slice.reset(new TCSSliceDataModel);
        connect(m_slice.data(), &TCSSliceDataModel::resultAvailable, this,
                &SingleSearchControl::onSliceDataModelResultsAvailable, Qt::QueuedConnection);
    }
    showLoadingSpinner();
    m_current = QVariantList { 0 };
    m_next = QVariantList { 0 };
    QString text = m_field->text();
    // The sheet names the search as the user sees it: a category's name, not its search terms.
    m_resultsTitle = text;
    if (categories.contains(FilterCategory::PoiGroup13)) {
        text = m_categoryTerms;
        m_categoryTerms.clear();
    }
    m_slice->load(text, m_box, m_searchCoordinates, categories);
}

void SingleSearchControl::onSliceDataModelResultsAvailable(Error::Type error, SearchResult result, bool, int searchId)
{
    if (searchId != m_slice->searchId())
        return;
    m_field->loseFocus();
    hideLoadingSpinner();
    if (m_slice->isRequestCanceled() || isResultSheetOpen())
        return;
    if (!m_sheet) {
        m_sheet.reset(new ResultSheet(m_slice.data()));
        connect(m_sheet.data(), &ResultSheet::placeSelected, this,
                &SingleSearchControl::onPlaceSelectedFromResultSheet);
        connect(m_sheet.data(), &ResultSheet::firstVisibleItemChanged, this,
                &SingleSearchControl::onFirstVisibleItemChanged);
        connect(m_sheet.data(), &hx::trellan::Sheet::closed, this, &SingleSearchControl::onSheetClosed);
    }
    m_cancel->setVisible(false);
    m_listButton->setVisible(result.places().size() > 1);
    emit searchResultsAvailable(result.places(), error);
}

void SingleSearchControl::onListButton()
{
    displaysResultsView();
}

void SingleSearchControl::displaysResultsView()
{
    if (!m_sheet || !m_slice)
        return;
    m_sheet->setTitle(m_resultsTitle);
    m_sheet->open();
}

void SingleSearchControl::closesResultsView()
{
    if (m_sheet)
        m_sheet->close();
}

bool SingleSearchControl::isResultSheetOpen() const
{
    return m_sheet && m_sheet->isOpened();
}

void SingleSearchControl::onSheetCloseAction()
{
    closesResultsView();
}

void SingleSearchControl::onSheetClosed()
{
    emit resultsViewClosed();
}

void SingleSearchControl::onFirstVisibleItemChanged(const QVariantList &) { }

void SingleSearchControl::dataModelLoaded()
{
    m_list->setEnabled(true);
    m_list->showSpinner(false);
    if (m_list->isFooterVisible() && !m_footerPath.isEmpty())
        m_list->setAsFocused(m_footerPath);
}

void SingleSearchControl::dataModelLoadedFinal()
{
    m_list->showSpinner(false);
    m_list->showEmpty();
}

void SingleSearchControl::onTitleClicked(const QVariantList &indexPath)
{
    if (!m_shown)
        return;
    m_list->setEnabled(false);
    const QSharedPointer<Place> place = m_shown->fullPlace(indexPath).dynamicCast<Place>();
    if (!place) {
        m_list->setEnabled(true);
        return;
    }
    emit selectContinue(place);
}

void SingleSearchControl::onFooterClicked(const QVariantList &indexPath)
{
    // Only the merged list has section footers. Its row is read now, while it is the one tapped;
    // the list changes models once the tap has ended, because that deletes the footer's row.
    if (m_shown != m_all.data())
        return;
    const QString key = m_all->itemType(indexPath);
    const int searchId = m_all->searchId();
    QMetaObject::invokeMethod(
        this, [=] { openFooter(searchId, key, indexPath); }, Qt::QueuedConnection);
}

void SingleSearchControl::openFooter(int searchId, const QString &key, const QVariantList &indexPath)
{
    // A keystroke in between replaced the rows the user tapped.
    if (m_shown != m_all.data() || m_all->searchId() != searchId)
        return;
    m_list->clearSelection();
    const FilterCategory::Type category = ItemType::getFilter(key);
    showModel(m_filter.data());
    m_list->showFooter(true);
    m_list->showSpinner(true);
    m_footerPath = indexPath;
    m_filter->load(category, m_field->text(), m_searchCoordinates, true);
}

void SingleSearchControl::onRecentSearchClicked(const QVariantList &indexPath)
{
    if (m_shown != m_filter.data())
        return;
    const QSharedPointer<Place> place = m_filter->fullPlace(indexPath).dynamicCast<Place>();
    if (!place)
        return;
    m_list->setEnabled(false);
    setFieldTextQuietly(place->name());
    if (place->hasTag(QLatin1String(InternalTags::RecentSearchPointOfInterestCategory)) && hasAuxiliaryData(*place)) {
        m_categoryTerms = PlaceUtils::createCategorySuggestionSearchTerms(*place);
        startSearch({ FilterCategory::PoiGroup13 });
    } else {
        startSearch({ FilterCategory::RemotePlaces });
    }
    closeView(true);
}

void SingleSearchControl::onCollapseFooterExpansion()
{
    m_list->showFooter(false);
    loadDataModel();
    m_field->requestFocus();
}

void SingleSearchControl::onPlaceSelectedFromResultSheet(QSharedPointer<Place> place, const QVariantList &indexPath)
{
    m_current = indexPath;
    hideLoadingSpinner();
    emit placeSelected(place);
}

void SingleSearchControl::onSelectContinue(QSharedPointer<Place> place)
{
    closeView(true);
    m_list->setEnabled(true);
    if (!place)
        return;
    if (place->hasTag(QLatin1String(InternalTags::SuggestionCategory)) && hasAuxiliaryData(*place)) {
        m_categoryTerms = PlaceUtils::createCategorySuggestionSearchTerms(*place);
        setFieldTextQuietly(place->name());
        startSearch({ FilterCategory::PoiGroup13 });
        return;
    }
    if (place->hasTag(QLatin1String(InternalTags::Suggestion))) {
        setFieldTextQuietly(place->name());
        showLoadingSpinner();
        m_resolver->resolve(place, SuggestionsRunnable::Select);
        return;
    }
    pickPlace(place);
}

void SingleSearchControl::pickPlace(const QSharedPointer<Place> &place)
{
    if (place->primaryCoordinates().isValid()) {
        selectOnePlace(place);
        return;
    }
    if (!place->locations().isEmpty())
        geocode(place);
}

void SingleSearchControl::onSuggestionResolved(SuggestionsRunnable::Context context, QSharedPointer<Place> place)
{
    hideLoadingSpinner();
    if (context != SuggestionsRunnable::Select)
        return;
    // A resolved suggestion with an address only is geocoded like any other pick; with nothing
    // to place it by, the application still hears that the pick came to nothing.
    if (!place->primaryCoordinates().isValid() && place->locations().isEmpty()) {
        emit searchResultsAvailable(QList<QSharedPointer<AbstractPlace>>(), Error::NotFound);
        return;
    }
    pickPlace(place);
}

void SingleSearchControl::onSuggestionFailed(SuggestionsRunnable::Context context, Error::Type error)
{
    hideLoadingSpinner();
    if (context == SuggestionsRunnable::Select)
        emit searchResultsAvailable(QList<QSharedPointer<AbstractPlace>>(), error);
}

void SingleSearchControl::geocode(const QSharedPointer<Place> &place)
{
    m_geocodePlace = place;
    if (!m_dialog) {
        m_dialog = new SingleSearchControlDialog(SingleSearchControlDialog::Progress, this);
        connect(this, &SingleSearchControl::setType, m_dialog.data(), &SingleSearchControlDialog::setType);
        connect(this, &SingleSearchControl::finish, m_dialog.data(), &SingleSearchControlDialog::finish);
        connect(m_dialog.data(), &hx::system::SystemUiElement::finished, m_dialog.data(), &QObject::deleteLater);
    }
    emit setType(SingleSearchControlDialog::Progress);
    m_dialog->show();
    auto *thread = new ThreadGeocode(place->locations().first().address(), 0);
    connect(thread, &ThreadGeocode::geocodingFinished, this, &SingleSearchControl::onGeocodingFinished,
            Qt::QueuedConnection);
    thread->start();
}

void SingleSearchControl::onGeocodingFinished(QString, QList<Location> locations, int)
{
    const QSharedPointer<Place> place = m_geocodePlace;
    m_geocodePlace.reset();
    if (!place)
        return;
    if (locations.isEmpty()) {
        // The same dialog turns into the failure, so the user sees one dialog throughout.
        emit setType(SingleSearchControlDialog::Failure);
        return;
    }
    emit finish(hx::system::SystemUiResult::CancelButtonSelection);
    QList<Location> placeLocations = place->locations();
    placeLocations[0] = locations.first();
    place->setLocations(placeLocations);
    PlaceManagerUI::addRecentlyPickedPlace(*place, true);
    selectOnePlace(place);
}

void SingleSearchControl::selectOnePlace(const QSharedPointer<Place> &place)
{
    PlaceManagerUI::addRecentlyPickedPlace(*place, false);
    setFieldTextQuietly(place->name());
    emitSingleSearchResultsAvailable(place);
}

void SingleSearchControl::emitSingleSearchResultsAvailable(const QSharedPointer<Place> &place)
{
    emit searchResultsAvailable({ place }, Error::None);
}

bool SingleSearchControl::isValidNextIndex(int next) const
{
    if (!m_slice || m_current.isEmpty())
        return false;
    const int last = m_slice->childCount(QVariantList()) - 1;
    const int current = m_current.first().toInt();
    return current >= 0 && current <= last && next >= 0 && next <= last;
}

QSharedPointer<AbstractPlace> SingleSearchControl::step(int by)
{
    const int next = m_current.value(0, -1).toInt() + by;
    if (!isValidNextIndex(next))
        return QSharedPointer<AbstractPlace>();
    m_next = QVariantList { next };
    m_current = m_next;
    return m_slice->place(m_current);
}

QSharedPointer<AbstractPlace> SingleSearchControl::getNext()
{
    return step(1);
}

QSharedPointer<AbstractPlace> SingleSearchControl::getPrevious()
{
    return step(-1);
}

QList<QSharedPointer<AbstractPlace>> SingleSearchControl::getCurrentSliceData()
{
    if (!m_slice)
        return QList<QSharedPointer<AbstractPlace>>();
    return m_slice->getSliceForIndex(m_current);
}

void SingleSearchControl::reset()
{
    setFieldTextQuietly(QString());
    m_categoryTerms.clear();
    closesResultsView();
    closeView(false);
    if (m_slice)
        m_slice->clear();
    m_current = noResult();
    m_next = noResult();
    m_listButton->setVisible(false);
}

void SingleSearchControl::showLoadingSpinner()
{
    m_loading->setVisible(true);
    m_loading->start();
}

void SingleSearchControl::hideLoadingSpinner()
{
    m_loading->stop();
    m_loading->setVisible(false);
}

void SingleSearchControl::onAllDataModelError(Error::Type error)
{
    PlaceUtils::showErrorMessageOnCondition(error, m_lastErrorTime, m_lastError);
}

void SingleSearchControl::onDevShortcutTriggered()
{
    Log::debug() << "hx::trellan::places::SingleSearchControl::onDevShortcutTriggered() search coordinates"
                 << m_searchCoordinates.latitude() << m_searchCoordinates.longitude();
}

void SingleSearchControl::onMyPlaceButtonFocusChanged(bool focused)
{
    setButtonImage(m_myPlaces, focused ? ImageSet::MYPLACESPRESSED() : ImageSet::MYPLACES());
}

void SingleSearchControl::retranslateUI()
{
    m_cancel->setText(QCoreApplication::translate("Places", "Cancel"));
    m_field->setHintText(QCoreApplication::translate("Places", "Search"));
}

} // namespace places
} // namespace trellan
} // namespace hx

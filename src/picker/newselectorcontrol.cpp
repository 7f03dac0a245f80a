#include <hx/trellan/places/newselectorcontrol.h>

#include <hx/platform/places/internaltags.h>
#include <hx/system/systemtoast.h>
#include <hx/trellan/container.h>
#include <hx/trellan/places/currentcoordinate.h>
#include <hx/trellan/places/geocodinghandler.h>
#include <hx/trellan/places/getgeolocation.h>
#include <hx/trellan/places/itemtype.h>
#include <hx/trellan/places/log.h>
#include <hx/trellan/places/myplaceslistitembuilder.h>
#include <hx/trellan/places/newselectorfilter.h>
#include <hx/trellan/places/newselectorsearchbar.h>
#include <hx/trellan/places/placemanagerui.h>
#include <hx/trellan/places/placenotfounddialog.h>
#include <hx/trellan/places/placeutils.h>
#include <hx/trellan/places/searchlistitemmanager.h>
#include <hx/trellan/places/singlesearchalldatamodel.h>
#include <hx/trellan/places/singlesearchfilterdatamodel.h>
#include <hx/trellan/places/singlesearchlist.h>
#include <hx/trellan/places/suggestionresolver.h>
#include <hx/trellan/stacklayout.h>
#include <hx/trellan/textfield.h>

#include <hx/platform/places/tags.h>

#include <QtCore/QCoreApplication>
#include <QtCore/QDateTime>

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

bool isCategorySearch(const Place &place, const char *tag)
{
    return place.hasTag(QLatin1String(tag)) && !place.auxiliaryData().isEmpty();
}

} // namespace

NewSelectorControl::NewSelectorControl(bool flag, QObject *parent)
    : CustomControl(parent),
      m_searchBar(new NewSelectorSearchBar),
      m_filter(new NewSelectorFilter),
      m_list(new SingleSearchList),
      m_rows(new SearchListItemManager(QSharedPointer<PlacesListItemBuilder>(new MyPlacesListItemBuilder))),
      m_all(new SingleSearchAllDataModel(true)),
      m_filtered(new SingleSearchFilterDataModel),
      m_resolver(new SuggestionResolver(true, this)),
      m_listFlag(flag)
{
    qRegisterMetaType<QSharedPointer<Place>>();
    setObjectName(QStringLiteral("NewSelectorControl"));
    auto *root = new hx::trellan::Container;
    root->setLayout(new hx::trellan::StackLayout);
    root->add(m_searchBar);
    m_list->setListItemProvider(m_rows.data());
    m_list->setLeadingVisual(m_filter);
    m_list->setSpaceQuota(1.0f);
    root->add(m_list);
    setRoot(root);

    connect(m_searchBar, &NewSelectorSearchBar::textChanging, this, &NewSelectorControl::onTextChanging);
    connect(m_searchBar, &NewSelectorSearchBar::submitted, this, &NewSelectorControl::onSubmitted);
    connect(m_filter, &NewSelectorFilter::selectedIndexChanged, m_searchBar, &NewSelectorSearchBar::setFilter);
    connect(m_filter, &NewSelectorFilter::selectedIndexChanged, this, &NewSelectorControl::onFilterChanged);
    connect(m_filter, &NewSelectorFilter::scrollToLeadingVisual, m_list, &SingleSearchList::scrollToLeadingVisual);
    connect(m_filter, &NewSelectorFilter::filterExpandedChanged, this, &NewSelectorControl::onFilterExpandedChanged);
    connect(m_list, &SingleSearchList::reverseExpand, this, &NewSelectorControl::onCollapseListView,
            Qt::QueuedConnection);

    connect(m_rows.data(), &SearchListItemManager::infoClicked, this, &NewSelectorControl::onInfoClicked);
    connect(m_rows.data(), &SearchListItemManager::titleClicked, this, &NewSelectorControl::onTitleClicked);
    connect(m_rows.data(), &SearchListItemManager::footerClicked, this, &NewSelectorControl::onFooterClicked);
    connect(m_rows.data(), &SearchListItemManager::recentSearchClicked, this,
            &NewSelectorControl::onRecentSearchClicked, Qt::QueuedConnection);

    connectModel(m_all.data());
    connectModel(m_filtered.data());
    connect(m_all.data(), &SingleSearchAllDataModel::errorEvent, this, &NewSelectorControl::onAllDataModelError,
            Qt::QueuedConnection);

    connect(this, &NewSelectorControl::selectContinue, this, &NewSelectorControl::onSelectContinue,
            Qt::QueuedConnection);
    connect(this, &NewSelectorControl::cancelSuggestionsSpinner, this, &NewSelectorControl::onCancelSuggestionsSpinner);
    connect(this, &NewSelectorControl::showPlaceNotFoundDialog, this, &NewSelectorControl::onShowPlaceNotFoundDialog);
    connect(m_resolver, &SuggestionResolver::resolved, this, &NewSelectorControl::onSuggestionResolved);
    connect(m_resolver, &SuggestionResolver::failed, this, &NewSelectorControl::showPlaceNotFoundDialog);

    m_filter->setFilter(NewSelectorFilter::All);
}

NewSelectorControl::~NewSelectorControl()
{
    m_list->setDataModel(nullptr);
}

void NewSelectorControl::setAsFocused(bool focused)
{
    if (focused)
        m_searchBar->field()->requestFocus();
    else
        m_searchBar->field()->loseFocus();
}

FilterCategory::Type NewSelectorControl::filterCategory(int filter, const QString &text)
{
    switch (filter) {
    case NewSelectorFilter::Recents:
        return FilterCategory::RecentGroup5;
    case NewSelectorFilter::Contacts:
        return FilterCategory::Contacts;
    default:
        return text.isEmpty() ? FilterCategory::Recents : FilterCategory::None;
    }
}

TitleBarTab::Tab NewSelectorControl::filterToTab(int filter)
{
    switch (filter) {
    case NewSelectorFilter::Recents:
        return TitleBarTab::Recents;
    case NewSelectorFilter::Contacts:
        return TitleBarTab::Contacts;
    default:
        return TitleBarTab::None;
    }
}

void NewSelectorControl::connectModel(PlacesDataModel *model)
{
    // Only the model on screen drives the spinner; either one may end with an empty list.
    connect(model, &PlacesDataModel::modelLoaded, this, [this, model] {
        if (model == m_current)
            dataModelLoaded();
    });
    connect(model, &PlacesDataModel::modelLoadedFinal, this, &NewSelectorControl::dataModelLoadedFinal);
}

void NewSelectorControl::showModel(PlacesDataModel *model)
{
    if (m_current == model)
        return;
    m_current = model;
    m_list->setDataModel(model);
}

void NewSelectorControl::dataModelLoaded()
{
    m_list->showSpinner(false);
    m_list->showLeadingVisual(true);
}

void NewSelectorControl::dataModelLoadedFinal()
{
    if (!m_searchBar->text().isEmpty())
        m_list->showEmpty();
}

bool NewSelectorControl::currentIsEmpty() const
{
    return !m_current || m_current->childCount(QVariantList()) == 0;
}

Coordinates NewSelectorControl::fixPosition() const
{
    const CurrentCoordinate *fix = GetGeolocation::getCoordinate(PlaceUtils::genericRequest);
    const SelectorCoordinate value = fix->value();
    if (fix->state() != CurrentCoordinate::Valid || std::isnan(value.latitude()) || std::isnan(value.longitude()))
        return Coordinates();
    return Coordinates(value.latitude(), value.longitude());
}

void NewSelectorControl::warnWithoutPosition()
{
    if (m_locationToastShown)
        return;
    m_locationToastShown = true;
    // Owned by the control too, so that closing the selector takes a showing toast along.
    auto *toast = new hx::system::SystemToast(this);
    toast->setObjectName(QStringLiteral("LocationUnknownToast"));
    toast->setPosition(hx::system::SystemUiPosition::Type(2));
    toast->setBody(
        QCoreApplication::translate("Places", "Some search results are unavailable because your location is unknown."));
    connect(toast, &hx::system::SystemUiElement::finished, toast, &QObject::deleteLater);
    toast->show();
}

void NewSelectorControl::loadFiltered(FilterCategory::Type category, const QString &text, const Coordinates &near)
{
    showModel(m_filtered.data());
    m_list->showSpinner(true);
    m_filtered->load(category, text, near, true);
}

void NewSelectorControl::loadDataModel(const QString &text, const QList<FilterCategory::Type> &categories)
{
    const int filter = m_filter->getFilter();
    if (filter == NewSelectorFilter::All && !text.isEmpty()) {
        const Coordinates near = fixPosition();
        if (!near.isValid())
            warnWithoutPosition();
        // Loading first empties the model, so that the list does not build rows for the last
        // search's places only to drop them.
        m_all->load(text, near, categories, true);
        showModel(m_all.data());
        m_list->showSpinner(true);
        return;
    }
    loadFiltered(filterCategory(filter, text), text, Coordinates());
}

void NewSelectorControl::onTextChanging(const QString &text)
{
    m_list->showFooter(false);
    m_list->showSpinner(false);
    loadDataModel(text, {});
}

void NewSelectorControl::onSubmitted(const QString &text)
{
    if (text.isEmpty()) {
        loadDataModel(text, {});
        return;
    }
    // A remote search covers every source, so the filter goes back to All without reloading.
    m_filter->setFilterNoSignal(NewSelectorFilter::All);
    m_searchBar->setFilter(NewSelectorFilter::All);
    m_rows->setFilter(filterToTab(NewSelectorFilter::All));
    m_list->showFooter(false);
    loadFiltered(FilterCategory::RemotePlaces, text, fixPosition());
}

void NewSelectorControl::onFilterChanged(int index)
{
    m_list->showFooter(false);
    m_rows->setFilter(filterToTab(index));
    loadDataModel(m_searchBar->text(), {});
}

QSharedPointer<Place> NewSelectorControl::rowPlace(const QVariantList &indexPath) const
{
    if (!m_current)
        return QSharedPointer<Place>();
    return PlaceManagerUI::convertToPlace(m_current->fullPlace(indexPath));
}

void NewSelectorControl::onRecentSearchClicked(const QVariantList &indexPath)
{
    if (m_current != m_filtered.data())
        return;
    const QSharedPointer<Place> place = rowPlace(indexPath);
    if (!place)
        return;
    m_searchBar->setTextNoSignal(place->name());
    if (isCategorySearch(*place, InternalTags::RecentSearchPointOfInterestCategory)) {
        m_list->showFooter(false);
        loadFiltered(FilterCategory::PoiGroup13, PlaceUtils::createCategorySuggestionSearchTerms(*place),
                     fixPosition());
        return;
    }
    loadDataModel(place->name(), { FilterCategory::MyPlaces, FilterCategory::RemotePlaces });
}

void NewSelectorControl::onCollapseListView()
{
    m_list->showFooter(false);
    loadDataModel(m_searchBar->text(), {});
}

void NewSelectorControl::onFilterExpandedChanged(bool expanded)
{
    // An open drop-down covers the no-results label; it comes back when the drop-down closes.
    if (expanded)
        m_list->hideNoResultsLabel();
    else if (!m_searchBar->text().isEmpty() && currentIsEmpty())
        m_list->showEmpty();
}

void NewSelectorControl::onTitleClicked(const QVariantList &indexPath)
{
    m_list->clearSelection();
    selected(indexPath);
}

void NewSelectorControl::selected(const QVariantList &indexPath)
{
    const QSharedPointer<Place> place = rowPlace(indexPath);
    if (place)
        Q_EMIT selectContinue(place);
}

void NewSelectorControl::onInfoClicked(const QVariantList &indexPath)
{
    m_list->clearSelection();
    const QSharedPointer<Place> place = rowPlace(indexPath);
    if (!place)
        return;
    if (place->hasTag(QLatin1String(InternalTags::Suggestion))) {
        resolveSuggestion(place, SuggestionsRunnable::View);
        return;
    }
    Q_EMIT preview(place);
}

void NewSelectorControl::onFooterClicked(const QVariantList &indexPath)
{
    // Only the merged list has section footers. Its row is read now, while it is the one tapped;
    // the list changes models once the tap has ended, because that deletes the footer's row.
    if (m_current != m_all.data())
        return;
    const QString key = m_all->itemType(indexPath);
    const int searchId = m_all->searchId();
    QMetaObject::invokeMethod(
        this, [=] { openFooter(searchId, key); }, Qt::QueuedConnection);
}

void NewSelectorControl::openFooter(int searchId, const QString &key)
{
    // A keystroke or a filter change in between replaced the rows the user tapped.
    if (m_current != m_all.data() || m_all->searchId() != searchId)
        return;
    m_list->clearSelection();
    const FilterCategory::Type category = ItemType::getFilter(key);
    showModel(m_filtered.data());
    m_list->showFooter(true);
    loadFiltered(category, m_searchBar->text(), fixPosition());
}

void NewSelectorControl::resolveSuggestion(const QSharedPointer<Place> &place, SuggestionsRunnable::Context context)
{
    m_resolver->resolve(place, context);
}

void NewSelectorControl::onSuggestionResolved(SuggestionsRunnable::Context context, QSharedPointer<Place> place)
{
    Q_EMIT cancelSuggestionsSpinner();
    if (context == SuggestionsRunnable::Select)
        Q_EMIT selectContinue(place);
    else if (context == SuggestionsRunnable::View)
        Q_EMIT preview(place);
}

void NewSelectorControl::onCancelSuggestionsSpinner()
{
    // Forgetting the job is what drops its answer when it comes.
    m_resolver->cancel();
}

void NewSelectorControl::onShowPlaceNotFoundDialog()
{
    (new PlaceNotFoundDialog)->show();
}

void NewSelectorControl::onSelectContinue(QSharedPointer<Place> place)
{
    if (!place)
        return;
    if (isCategorySearch(*place, InternalTags::SuggestionCategory)) {
        m_list->showFooter(false);
        loadFiltered(FilterCategory::PoiGroup13, PlaceUtils::createCategorySuggestionSearchTerms(*place),
                     fixPosition());
        return;
    }
    if (place->hasTag(QLatin1String(InternalTags::Suggestion))) {
        resolveSuggestion(place, SuggestionsRunnable::Select);
        return;
    }
    m_selectedPlace = place;
    // A place without any location has nothing to geocode.
    if (!place->locations().isEmpty() && !place->locations().first().coordinates().isValid()) {
        if (m_geocoder)
            m_geocoder->deleteLater();
        m_geocoder = new GeocodingHandler(this);
        connect(m_geocoder.data(), &GeocodingHandler::finished, this, &NewSelectorControl::onGeocodingFinished);
        m_geocoder->start(place->name(), place->locations().first().address());
        return;
    }
    savePick("hx::trellan::places::NewSelectorControl::onSelectContinue(): place manager error: ");
}

void NewSelectorControl::onGeocodingFinished(QList<Location> list, bool userCancelled)
{
    if (sender())
        sender()->deleteLater();
    if (userCancelled || !m_selectedPlace)
        return;
    if (!list.isEmpty()) {
        QList<Location> locations = m_selectedPlace->locations();
        if (locations.isEmpty())
            locations.append(list.first());
        else
            locations[0] = list.first();
        m_selectedPlace->setLocations(locations);
    }
    savePick("hx::trellan::places::NewSelectorControl::onGeocodingFinished(): place manager error: ");
}

void NewSelectorControl::savePick(const char *where)
{
    const Error::Type error = PlaceManagerUI::savePickedPlace(m_selectedPlace, true);
    if (error != Error::None) {
        Log::debug() << where << int(error);
        return;
    }
    m_selectedPlace->addTag(QLatin1String(hx::platform::places::Tags::Favorite));
    Q_EMIT placeSelected(m_selectedPlace);
}

void NewSelectorControl::onAllDataModelError(Error::Type error)
{
    // Shared by every control of the process, so typing on does not repeat the same message.
    static QDateTime lastTime = QDateTime::fromMSecsSinceEpoch(0);
    static Error::Type lastType = Error::None;
    PlaceUtils::showErrorMessageOnCondition(error, lastTime, lastType);
}

} // namespace places
} // namespace trellan
} // namespace hx

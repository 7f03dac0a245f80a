#ifndef HX_TRELLAN_PLACES_NEWSELECTORCONTROL_H
#define HX_TRELLAN_PLACES_NEWSELECTORCONTROL_H

#include <hx/platform/places/coordinates.h>
#include <hx/platform/places/error.h>
#include <hx/platform/places/location.h>
#include <hx/platform/places/place.h>
#include <hx/trellan/customcontrol.h>
#include <hx/trellan/places/filtercategory.h>
#include <hx/trellan/places/hxplacesglobal.h>
#include <hx/trellan/places/suggestionsrunnable.h>
#include <hx/trellan/places/titlebartab.h>

#include <QtCore/QList>
#include <QtCore/QPointer>
#include <QtCore/QScopedPointer>
#include <QtCore/QSharedPointer>
#include <QtCore/QVariantList>

namespace hx {
namespace trellan {
namespace places {

class GeocodingHandler;
class NewSelectorFilter;
class NewSelectorSearchBar;
class PlacesDataModel;
class SearchListItemManager;
class SingleSearchAllDataModel;
class SingleSearchFilterDataModel;
class SingleSearchList;
class SuggestionResolver;

// The search screen of the new selector: a search field over one list, with a filter drop-down
// at the top of the list. Every keystroke, submit and filter change decides which model the list
// shows and what it loads. A picked row is resolved (suggestions on a worker), geocoded when it
// has an address but no position, saved as a recent place and reported with placeSelected();
// the info circle of a row asks for a preview instead.
class HXPLACES_EXPORT NewSelectorControl : public hx::trellan::CustomControl
{
    Q_OBJECT
public:
    // The flag is handed to the result list as it was given.
    explicit NewSelectorControl(bool flag = true, QObject *parent = nullptr);
    ~NewSelectorControl() override;

    // Gives the search field the focus, or takes it away.
    void setAsFocused(bool focused);

    // The store category the list loads for a filter and a search text.
    static FilterCategory::Type filterCategory(int filter, const QString &text);
    // The row icons that suit a filter.
    static TitleBarTab::Tab filterToTab(int filter);

    void loadDataModel(const QString &text, const QList<FilterCategory::Type> &categories);
    void selected(const QVariantList &indexPath);

    QSharedPointer<hx::platform::places::Place> selectedPlace() const { return m_selectedPlace; }
    NewSelectorSearchBar *searchBar() const { return m_searchBar; }
    NewSelectorFilter *filter() const { return m_filter; }
    SingleSearchList *resultList() const { return m_list; }
    PlacesDataModel *currentModel() const { return m_current; }
    bool listFlag() const { return m_listFlag; }

Q_SIGNALS:
    void selectContinue(QSharedPointer<hx::platform::places::Place> place);
    void placeSelected(QSharedPointer<hx::platform::places::Place> place);
    void showPlaceNotFoundDialog();
    void preview(QSharedPointer<hx::platform::places::Place> place);
    void cancelSuggestionsSpinner();

public Q_SLOTS:
    void onTextChanging(const QString &text);
    void onSubmitted(const QString &text);
    void onFilterChanged(int index);
    void onRecentSearchClicked(const QVariantList &indexPath);
    void onCollapseListView();
    void onSelectContinue(QSharedPointer<hx::platform::places::Place> place);
    void onSuggestionResolved(hx::trellan::places::SuggestionsRunnable::Context context,
                              QSharedPointer<hx::platform::places::Place> place);
    void onGeocodingFinished(QList<hx::platform::places::Location> list, bool userCancelled);
    void onFooterClicked(const QVariantList &indexPath);
    void onInfoClicked(const QVariantList &indexPath);
    void onTitleClicked(const QVariantList &indexPath);
    void onAllDataModelError(hx::platform::places::Error::Type error);
    void onCancelSuggestionsSpinner();
    void onShowPlaceNotFoundDialog();
    void onFilterExpandedChanged(bool expanded);

private:
    void connectModel(PlacesDataModel *model);
    void showModel(PlacesDataModel *model);
    void loadFiltered(FilterCategory::Type category, const QString &text,
                      const hx::platform::places::Coordinates &near);
    void openFooter(int searchId, const QString &key);
    void resolveSuggestion(const QSharedPointer<hx::platform::places::Place> &place,
                           SuggestionsRunnable::Context context);
    void savePick(const char *where);
    hx::platform::places::Coordinates fixPosition() const;
    void warnWithoutPosition();
    void dataModelLoaded();
    void dataModelLoadedFinal();
    bool currentIsEmpty() const;
    QSharedPointer<hx::platform::places::Place> rowPlace(const QVariantList &indexPath) const;

    NewSelectorSearchBar *m_searchBar;
    NewSelectorFilter *m_filter;
    SingleSearchList *m_list;
    QScopedPointer<SearchListItemManager> m_rows;
    QScopedPointer<SingleSearchAllDataModel> m_all;
    QScopedPointer<SingleSearchFilterDataModel> m_filtered;
    PlacesDataModel *m_current = nullptr;
    SuggestionResolver *m_resolver;
    bool m_locationToastShown = false;
    QSharedPointer<hx::platform::places::Place> m_selectedPlace;
    bool m_listFlag;
    QPointer<GeocodingHandler> m_geocoder;
};

} // namespace places
} // namespace trellan
} // namespace hx

#endif

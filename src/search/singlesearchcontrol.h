#ifndef HX_TRELLAN_PLACES_SINGLESEARCHCONTROL_H
#define HX_TRELLAN_PLACES_SINGLESEARCHCONTROL_H

#include <hx/platform/geo/boundingbox.h>
#include <hx/platform/geo/point.h>
#include <hx/platform/places/abstractplace.h>
#include <hx/platform/places/coordinates.h>
#include <hx/platform/places/error.h>
#include <hx/platform/places/location.h>
#include <hx/platform/places/place.h>
#include <hx/platform/places/searchresult.h>
#include <hx/system/systemuiresult.h>
#include <hx/trellan/customcontrol.h>
#include <hx/trellan/places/filtercategory.h>
#include <hx/trellan/places/hxplacesglobal.h>
#include <hx/trellan/places/pickerretrans.h>
#include <hx/trellan/places/singlesearchcontroldialog.h>
#include <hx/trellan/places/suggestionsrunnable.h>

#include <QtCore/QDateTime>
#include <QtCore/QPointer>
#include <QtCore/QScopedPointer>
#include <QtCore/QSharedPointer>
#include <QtCore/QVariantList>

namespace hx {
namespace trellan {
class ActivityIndicator;
class Button;
class Container;
class ImageButton;
class TextField;
namespace places {

class PlacesDataModel;
class ResultSheet;
class SearchListItemManager;
class SingleSearchAllDataModel;
class SingleSearchFilterDataModel;
class SingleSearchList;
class SuggestionResolver;
class TCSSliceDataModel;

// The search bar a map application puts above its map. Focused, a list drops down that follows
// every keystroke; submitted, a paged remote search of the map area runs and its results go to
// the application (searchResultsAvailable) and into a result sheet; a pick from the list is
// resolved, geocoded when it has no position, recorded as a recent place and reported the same
// way. The results follow the map while the field is not being edited.
class HXPLACES_EXPORT SingleSearchControl : public hx::trellan::CustomControl, public PickerRetrans
{
    Q_OBJECT
public:
    explicit SingleSearchControl(QObject *parent = nullptr);
    ~SingleSearchControl() override;

    hx::trellan::TextField *searchField() const { return m_field; }
    hx::trellan::Button *cancelButton() const { return m_cancel; }
    hx::trellan::ImageButton *listButton() const { return m_listButton; }
    hx::trellan::ImageButton *myPlacesButton() const { return m_myPlaces; }
    SingleSearchList *resultList() const { return m_list; }

    void search(const QString &text, const hx::platform::geo::Point &point);
    void setSearchCoordinates(const hx::platform::geo::Point &point, const hx::platform::geo::BoundingBox &box);
    hx::platform::places::Coordinates getSearchCoordinates() const { return m_searchCoordinates; }
    void setSearchText(const QString &text);
    void setSearchText(const QSharedPointer<hx::platform::places::Place> &place);
    void startSearch(const QList<FilterCategory::Type> &categories);
    void closeView(bool notify);
    void collapseListView(bool collapse, bool notify);
    void displaysResultsView();
    void closesResultsView();
    bool isResultSheetOpen() const;
    QSharedPointer<hx::platform::places::AbstractPlace> getNext();
    QSharedPointer<hx::platform::places::AbstractPlace> getPrevious();
    QList<QSharedPointer<hx::platform::places::AbstractPlace>> getCurrentSliceData();
    QVariantList currentIndexPath() const { return m_current; }
    void reset();
    void showLoadingSpinner();
    void hideLoadingSpinner();

Q_SIGNALS:
    void searchActivated();
    void searchCanceled();
    void backTapOnSearchField();
    void searchResultsAvailable(QList<QSharedPointer<hx::platform::places::AbstractPlace>> results,
                                hx::platform::places::Error::Type resultCode);
    void placeSelected(QSharedPointer<hx::platform::places::AbstractPlace> place);
    void searchTextFieldCleared();
    void resultsViewClosed();
    void myPlacesButtonClicked();
    void selectContinue(QSharedPointer<hx::platform::places::Place> place);
    void setType(hx::trellan::places::SingleSearchControlDialog::Type type);
    void finish(hx::system::SystemUiResult::Type result);

public Q_SLOTS:
    void onDevShortcutTriggered();
    void onFocusedChanged(bool focused);
    void inputTextChanging();
    void inputTextSubmitted();
    void onSelectContinue(QSharedPointer<hx::platform::places::Place> place);
    void onCancelClicked(bool clearSearchText);
    void onCancelClicked();
    void onSliceDataModelResultsAvailable(hx::platform::places::Error::Type error,
                                          hx::platform::places::SearchResult result, bool done, int searchId);
    void onFirstVisibleItemChanged(const QVariantList &indexPath);
    void onSheetCloseAction();
    void onSheetClosed();
    void dataModelLoaded();
    void dataModelLoadedFinal();
    void onCollapseFooterExpansion();
    void onSuggestionResolved(hx::trellan::places::SuggestionsRunnable::Context context,
                              QSharedPointer<hx::platform::places::Place> place);
    void onSuggestionFailed(hx::trellan::places::SuggestionsRunnable::Context context,
                            hx::platform::places::Error::Type error);
    void onTitleClicked(const QVariantList &indexPath);
    void onRecentSearchClicked(const QVariantList &indexPath);
    void onFooterClicked(const QVariantList &indexPath);
    void onPlaceSelectedFromResultSheet(QSharedPointer<hx::platform::places::Place> place,
                                        const QVariantList &indexPath);
    void onGeocodingFinished(QString text, QList<hx::platform::places::Location> locations, int error);
    void onAllDataModelError(hx::platform::places::Error::Type error);
    void onListButton();
    void onMapCenterChanged(const hx::platform::geo::Point &point, const hx::platform::geo::BoundingBox &box);
    void onMyPlaceButtonFocusChanged(bool focused);

protected:
    void retranslateUI() override;

private:
    void buildSearchBar();
    void loadDataModel();
    void showModel(PlacesDataModel *model);
    void setFieldTextQuietly(const QString &text);
    void openFooter(int searchId, const QString &key, const QVariantList &indexPath);
    void pickPlace(const QSharedPointer<hx::platform::places::Place> &place);
    void selectOnePlace(const QSharedPointer<hx::platform::places::Place> &place);
    void emitSingleSearchResultsAvailable(const QSharedPointer<hx::platform::places::Place> &place);
    void geocode(const QSharedPointer<hx::platform::places::Place> &place);
    bool isValidNextIndex(int next) const;
    QSharedPointer<hx::platform::places::AbstractPlace> step(int by);

    hx::trellan::Container *m_root = nullptr;
    hx::trellan::Container *m_listContainer = nullptr;
    hx::trellan::TextField *m_field = nullptr;
    hx::trellan::Button *m_cancel = nullptr;
    hx::trellan::ImageButton *m_listButton = nullptr;
    hx::trellan::ImageButton *m_myPlaces = nullptr;
    hx::trellan::ActivityIndicator *m_loading = nullptr;
    SingleSearchList *m_list = nullptr;
    QScopedPointer<SearchListItemManager> m_rows;
    QScopedPointer<SingleSearchAllDataModel> m_all;
    QScopedPointer<SingleSearchFilterDataModel> m_filter;
    PlacesDataModel *m_shown = nullptr;
    QScopedPointer<TCSSliceDataModel> m_slice;
    QScopedPointer<ResultSheet> m_sheet;
    QVariantList m_current;
    QVariantList m_next;
    QVariantList m_footerPath;
    hx::platform::geo::Point m_point;
    hx::platform::geo::BoundingBox m_box;
    hx::platform::places::Coordinates m_searchCoordinates;
    QString m_categoryTerms;
    QString m_resultsTitle;
    QSharedPointer<hx::platform::places::Place> m_geocodePlace;
    QPointer<SingleSearchControlDialog> m_dialog;
    SuggestionResolver *m_resolver;
    QDateTime m_lastErrorTime;
    hx::platform::places::Error::Type m_lastError = hx::platform::places::Error::None;
};

} // namespace places
} // namespace trellan
} // namespace hx

#endif

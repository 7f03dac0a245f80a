#ifndef HX_TRELLAN_PLACES_SINGLESEARCHPRIVATE_H
#define HX_TRELLAN_PLACES_SINGLESEARCHPRIVATE_H

#include <hx/platform/places/abstractplace.h>
#include <hx/platform/places/coordinates.h>
#include <hx/platform/places/error.h>
#include <hx/platform/places/location.h>
#include <hx/platform/places/place.h>
#include <hx/trellan/customcontrol.h>
#include <hx/trellan/enums.h>
#include <hx/trellan/places/filtercategory.h>
#include <hx/trellan/places/hxplacesglobal.h>
#include <hx/trellan/places/pickerretrans.h>
#include <hx/trellan/places/placecardreturnmessage.h>
#include <hx/trellan/places/suggestionsrunnable.h>

#include <QtCore/QList>
#include <QtCore/QPointer>
#include <QtCore/QRectF>
#include <QtCore/QScopedPointer>
#include <QtCore/QSharedPointer>
#include <QtCore/QVariantList>

namespace hx {
namespace trellan {
class ActionItem;
class Button;
class Container;
class DropDown;
class Label;
class Page;
class TextField;
namespace places {

class CardsUtils;
class GeocodingHandler;
class MyLocationDialog;
class PlacesDataModel;
class SearchListItemManager;
class SingleSearchAllDataModel;
class SingleSearchFilterDataModel;
class SingleSearchList;
class SuggestionResolver;

// The single search screen behind the place picker: a search field, a filter drop-down and one
// list. Every keystroke, submit, filter change and tap decides which model the list shows and
// what it loads; a pick is resolved (suggestions on a worker), geocoded when it has an address
// but no position, saved as a recent place and reported with placeSelected().
class HXPLACES_EXPORT SingleSearchPrivate : public hx::trellan::CustomControl, public PickerRetrans
{
    Q_OBJECT
public:
    // Where the screen is used; both behave alike today.
    enum Mode { Search = 0, Picker = 1 };
    Q_ENUM(Mode)
    // What the screen lists before the user types.
    enum InitialViewType { Hidden = 0, All = 1, AllRecents = 2, Recents = 3, Favorites = 4, Contacts = 5 };
    Q_ENUM(InitialViewType)

    // withMyLocation: offer the "My Location" action that picks the current position.
    SingleSearchPrivate(bool withMyLocation, Mode mode, InitialViewType initialView, QObject *parent = nullptr);
    ~SingleSearchPrivate() override;

    void addTitleBarAndActions(hx::trellan::Page *page);
    void loadDataModel(const QString &text, const QList<FilterCategory::Type> &filters);
    void selected(const QVariantList &indexPath);
    QSharedPointer<hx::platform::places::Place> getSelectedPlace() const { return m_selectedPlace; }
    bool initiateGeocodeIfNeeded();
    void displayEmpty(bool show);
    void setTextOnSearchInput(int index);
    void initDropDownFilter(int index);
    void saveMyLocation(hx::platform::places::Place *place);

    hx::trellan::TextField *searchField() const { return m_field; }
    hx::trellan::DropDown *filterDropDown() const { return m_dropDown; }
    SingleSearchList *resultList() const { return m_list; }
    PlacesDataModel *currentModel() const { return m_current; }

    static QList<FilterCategory::Type> initRecentSearchFilterSet();

Q_SIGNALS:
    void cancel();
    void placeSelected();
    void searchTextFieldCleared();
    void searchResultsAvailable(QList<QSharedPointer<hx::platform::places::AbstractPlace>> results);
    void showPlaceNotFoundDialog();
    void cancelBlockingSpinner();
    void switchToView(QSharedPointer<hx::platform::places::Place> place);
    void geocodingFinished(QList<hx::platform::places::Location> locations);
    void selectContinue(QSharedPointer<hx::platform::places::Place> place);

public Q_SLOTS:
    void dataModelLoaded();
    void dataModelLoadedFinal();
    void initialView();
    void onSwitchToView(QSharedPointer<hx::platform::places::Place> place);
    void inputTextChanging(const QString &text);
    void inputTextConfirmed();
    void onDropDownIndexChanged(int index);
    void onMyLocation();
    void onCollapseListView();
    void onSuggestionResolved(hx::trellan::places::SuggestionsRunnable::Context context,
                              QSharedPointer<hx::platform::places::Place> place);
    void onShowPlaceNotFoundDialog();
    void onSelectContinue(QSharedPointer<hx::platform::places::Place> place);
    void onViewClosedFromUI(hx::trellan::places::PlaceCardReturnMessage message);
    void onMyLocationSuccess(hx::platform::places::Location location);
    void onGeocodingFinished(QList<hx::platform::places::Location> locations, bool error);
    void onAllDataModelError(hx::platform::places::Error::Type error);
    void onOrientationAboutToChange(hx::trellan::UIOrientation::Type orientation);
    void onExpandedChanged(bool expanded);
    void onDropDownChange(QRectF rect);
    void onVirtualKeyboardDisplayChange(bool shown);
    void onCancelSuggestionsSpinner();
    void onInfoClicked(const QVariantList &indexPath);
    void onTitleClicked(const QVariantList &indexPath);
    void onFooterClicked(const QVariantList &indexPath);
    void onRecentSearchClicked(const QVariantList &indexPath);

protected:
    void retranslateUI() override;

private:
    void buildSearchBar(hx::trellan::Container *root);
    void buildDropDown();
    void connectModel(PlacesDataModel *model);
    void showModel(PlacesDataModel *model);
    void loadFiltered(FilterCategory::Type category, const QString &text,
                      const hx::platform::places::Coordinates &near);
    void openFooter(PlacesDataModel *tapped, int searchId, const QString &key, const QVariantList &indexPath);
    void runCategorySearch(const QSharedPointer<hx::platform::places::Place> &place);
    void resolveSuggestion(const QSharedPointer<hx::platform::places::Place> &place,
                           SuggestionsRunnable::Context context);
    void savePick(const char *where);
    hx::platform::places::Coordinates currentPosition();
    void updateEmptyView(bool landscape);
    void showEmptyView(bool landscape);
    bool isLandscape() const;
    QSharedPointer<hx::platform::places::Place> rowPlace(const QVariantList &indexPath) const;

    bool m_withMyLocation;
    Mode m_mode;
    InitialViewType m_initialViewType;
    hx::trellan::TextField *m_field = nullptr;
    hx::trellan::DropDown *m_dropDown = nullptr;
    hx::trellan::ActionItem *m_cancelAction = nullptr;
    hx::trellan::ActionItem *m_myLocationAction = nullptr;
    SingleSearchList *m_list = nullptr;
    hx::trellan::Container *m_emptyView = nullptr;
    hx::trellan::Label *m_emptyLabel = nullptr;
    QScopedPointer<SingleSearchAllDataModel> m_all;
    QScopedPointer<SingleSearchFilterDataModel> m_filter;
    PlacesDataModel *m_current = nullptr;
    QScopedPointer<SearchListItemManager> m_rows;
    QSharedPointer<hx::platform::places::Place> m_selectedPlace;
    SuggestionResolver *m_resolver = nullptr;
    QVariantList m_infoPath;
    QVariantList m_footerPath;
    bool m_locationUnknownShown = false;
    MyLocationDialog *m_myLocation = nullptr;
    QPointer<GeocodingHandler> m_geocoder;
    CardsUtils *m_cards = nullptr;
};

} // namespace places
} // namespace trellan
} // namespace hx

#endif

#ifndef HX_TRELLAN_PLACES_LOCALSEARCHFULLVIEW_H
#define HX_TRELLAN_PLACES_LOCALSEARCHFULLVIEW_H

#include <hx/trellan/places/hxplacesglobal.h>
#include <hx/trellan/places/pickerretrans.h>
#include <hx/trellan/places/selectorcoordinate.h>

#include <hx/platform/places/error.h>
#include <hx/platform/places/location.h>
#include <hx/platform/places/place.h>

#include <QtCore/QList>
#include <QtCore/QObject>
#include <QtCore/QPointer>
#include <QtCore/QScopedPointer>
#include <QtCore/QSharedPointer>
#include <QtCore/QState>
#include <QtCore/QVariantList>

class QStateMachine;

namespace hx {
namespace trellan {
class Container;
class Header;
class Label;
class ListView;
class QmlDocument;
namespace places {

class CombinedDataModel;
class ContactListItemManager;
class GeolocationFixChecker;
class SelectorListItemManager;
class ZANT_SingleSearchFilterDataModel;

// The full-screen view behind a spoken "find something near somewhere": it finds the
// destination (by a fix, by geocoding a text, or from given coordinates), searches the user's
// contacts and the places around the destination, hands the best results to its owner to read
// aloud (readPlaces), lets the user pick one by touch or by voice, and asks its owner to show
// the picked place's card. The layout comes from the application's
// "qrc:/assets/LocalSearchFullView.qml"; the lists go into its container
// "LocalSearchFullViewMain".
class HXPLACES_EXPORT LocalSearchFullView : public QObject, public PickerRetrans
{
    Q_OBJECT

public:
    // Search terms that ask for something else than a text search.
    static const QString SEARCH_NEARBY;
    static const QString CATEGORY_SEARCH;

    enum SearchKind : int { GeneralSearch = 0, NearbySearch = 1, CategorySearch = 2 };

    // One state of the flow; the view does the work on entry and exit.
    class State : public QState
    {
    public:
        State(LocalSearchFullView *view, QState *parent = nullptr);

    protected:
        LocalSearchFullView *m_view;
    };

    class StateStart : public State
    {
    public:
        using State::State;

    protected:
        void onEntry(QEvent *event) override;
    };

    class StateDestinationSet : public State
    {
    public:
        using State::State;

    protected:
        void onEntry(QEvent *event) override;

    private:
        bool m_entered = false;
    };

    class StateSearchReturned : public State
    {
    public:
        using State::State;

    protected:
        void onEntry(QEvent *event) override;
    };

    class StatePlaceSelected : public State
    {
    public:
        using State::State;

    protected:
        void onEntry(QEvent *event) override;
    };

    class StatePlaceViewShown : public State
    {
    public:
        using State::State;
    };

    class StateBackToList : public State
    {
    public:
        using State::State;

    protected:
        void onEntry(QEvent *event) override;
        void onExit(QEvent *event) override;
    };

    // lookUpDestination false: the destination comes from setCoordinates().
    explicit LocalSearchFullView(bool lookUpDestination, QObject *parent = nullptr);
    ~LocalSearchFullView() override;

    // Stores the texts the first time any is given (later texts are ignored) and raises the
    // flags that are true; destinationSet() follows once texts are stored and both flags are up.
    void setDestination(const QString &searchTerm, const QString &destination, bool flag, bool readyForSignals,
                        bool locationKnown);
    void setCoordinates(double latitude, double longitude);
    // Geocode text as the destination instead of taking the current position.
    void setDoNotGetCurrentFix(bool doNotGetCurrentFix, const QString &text);
    void startStates();

    // The document's root, or null when it is missing or not a Container. Owned by the view.
    hx::trellan::Container *getVisualNodeRoot() const;
    bool hasSingleSearchResult() const;
    bool isSearchResultsReady() const;
    bool readyForSignals() const;
    // Takes the loaded lists off the screen and awaits both again.
    void setReload();
    // Which lists searchReturned() waits for.
    void waitForResult(bool contacts, bool myPlacesAndPois);
    void voiceSelected(const QSharedPointer<hx::platform::places::Place> &place, bool fromVoice);
    void pronounceTopPlaces();
    void showPlaceView(bool fromVoice);
    void displayNoResultContainer();

    // What the view knows; for its owner.
    QString searchTerm() const;
    QString destination() const;
    bool destinationFlag() const;
    SelectorCoordinate destinationCoordinates() const;
    int searchKind() const;
    QSharedPointer<hx::platform::places::Place> chosenPlace() const;
    hx::trellan::ListView *contactList() const;
    hx::trellan::ListView *combinedList() const;
    // The state the machine is in: "StateStart" ... "StateBackToList", or empty before it runs.
    QString currentState() const;

    void retranslateUI() override;

signals:
    void destinationSet();
    void searchReturned();
    void placeSelected(bool fromVoice);
    void placeNotFound();
    void placeViewShown();
    void showPlaceViewWidget(QSharedPointer<hx::platform::places::Place> place, bool fromVoice);
    void readPlaces(QString searchTerm, QList<QSharedPointer<hx::platform::places::Place>> contacts,
                    QList<QSharedPointer<hx::platform::places::Place>> myplacesAndPois);
    void done();
    void favoriteChanged(bool favorite);
    void physicalInteraction();
    void backToList(bool waiting);
    void backFromView();

public slots:
    void onContactSelected(QVariantList indexPath);
    void onMyPlaceSelected(QVariantList indexPath);
    void emitDestinationSet();
    void onGeolocationFixCheckerDone(hx::trellan::places::SelectorCoordinate coordinate);
    void onGeocodingFinished(QString label, QList<hx::platform::places::Location> locations, int id);
    void onContactsLoadedFinal(QList<QSharedPointer<hx::platform::places::Place>> places);
    void onMyPlacesLoadedFinal(QList<QSharedPointer<hx::platform::places::Place>> places);
    void onHighlightFirstListItem();
    void onAllDataModelError(hx::platform::places::Error::Type error);

private:
    void findDestination();
    void searchAtDestination(bool firstEntry);
    void onSearchReturned();
    bool createListViews();
    void createContactList();
    void createCombinedList();
    void loadContacts();
    void loadCombined();
    bool selectHomeOrWork(bool home);
    QSharedPointer<hx::platform::places::Place> exactMatch() const;
    hx::trellan::Container *mainContainer(const char *function) const;

    bool m_lookUpDestination;
    QString m_destination;
    QString m_searchTerm;
    bool m_flag;
    SelectorCoordinate m_coordinates;
    int m_searchKind;
    bool m_readyForSignals;
    bool m_locationKnown;
    bool m_destinationPosted;
    bool m_doNotGetCurrentFix;
    QString m_doNotGetCurrentFixText;
    QList<hx::platform::places::Location> m_geocoded;

    QPointer<hx::trellan::ListView> m_contactList;
    ZANT_SingleSearchFilterDataModel *m_contactModel;
    ContactListItemManager *m_contactItems;
    QPointer<hx::trellan::ListView> m_combinedList;
    CombinedDataModel *m_combinedModel;
    SelectorListItemManager *m_combinedItems;
    QPointer<hx::trellan::Container> m_contactSection;
    QPointer<hx::trellan::Container> m_combinedSection;
    QPointer<hx::trellan::Header> m_contactHeader;
    QPointer<hx::trellan::Container> m_noResult;
    QPointer<hx::trellan::Label> m_noResultLabel;

    QList<QSharedPointer<hx::platform::places::Place>> m_contacts;
    QList<QSharedPointer<hx::platform::places::Place>> m_myPlacesAndPois;
    bool m_contactsLoaded;
    bool m_myPlacesLoaded;
    bool m_highlightFirstItem;
    QSharedPointer<hx::platform::places::Place> m_chosen;

    QScopedPointer<hx::trellan::QmlDocument> m_document;
    hx::trellan::Container *m_root;
    QStateMachine *m_machine;
    QPointer<GeolocationFixChecker> m_fixChecker;
};

} // namespace places
} // namespace trellan
} // namespace hx

#endif

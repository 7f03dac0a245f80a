#include <hx/trellan/places/localsearchfullview.h>

#include <hx/trellan/places/combineddatamodel.h>
#include <hx/trellan/places/contactlistitemmanager.h>
#include <hx/trellan/places/filtercategory.h>
#include <hx/trellan/places/geolocationfixchecker.h>
#include <hx/trellan/places/homeworkcache.h>
#include <hx/trellan/places/log.h>
#include <hx/trellan/places/placemanagerui.h>
#include <hx/trellan/places/placeutils.h>
#include <hx/trellan/places/selectorlistitemmanager.h>
#include <hx/trellan/places/threadgeocode.h>
#include <hx/trellan/places/zant_singlesearchfilterdatamodel.h>

#include <hx/device/displayinfo.h>
#include <hx/platform/places/address.h>
#include <hx/platform/places/coordinates.h>
#include <hx/platform/places/tags.h>
#include <hx/trellan/container.h>
#include <hx/trellan/enums.h>
#include <hx/trellan/header.h>
#include <hx/trellan/label.h>
#include <hx/trellan/listview.h>
#include <hx/trellan/qmldocument.h>
#include <hx/trellan/stacklayout.h>
#include <hx/trellan/uiconfig.h>

#include <QtCore/QCoreApplication>
#include <QtCore/QDateTime>
#include <QtCore/QStateMachine>
#include <QtCore/QTimer>

#include <cmath>

namespace hx {
namespace trellan {
namespace places {

using hx::platform::places::Address;
using hx::platform::places::Coordinates;
using hx::platform::places::Error;
using hx::platform::places::Location;
using hx::platform::places::Place;
using hx::platform::places::Tags;

namespace {

const char DOCUMENT_URL[] = "qrc:/assets/LocalSearchFullView.qml";
const char MAIN_CONTAINER[] = "LocalSearchFullViewMain";
const char CONTEXT[] = "Places";
const char CONTACTS_TEXT[] = QT_TRANSLATE_NOOP("Places", "Contacts");
const char NO_RESULTS_TEXT[] = QT_TRANSLATE_NOOP("Places", "No Results Found");
// The certainty of a place whose position was found for it, not guessed.
const int CERTAIN = 4;

// The fromVoice argument of the placeSelected(bool) that entered a state.
bool fromVoiceOf(QEvent *event)
{
    if (!event || event->type() != QEvent::StateMachineSignal)
        return true;
    const QList<QVariant> arguments = static_cast<QStateMachine::SignalEvent *>(event)->arguments();
    return arguments.isEmpty() || arguments.first().toBool();
}

} // namespace

const QString LocalSearchFullView::SEARCH_NEARBY = QStringLiteral("SearchNearbyPlaces");
const QString LocalSearchFullView::CATEGORY_SEARCH = QStringLiteral("CategorySearch");

LocalSearchFullView::State::State(LocalSearchFullView *view, QState *parent) : QState(parent), m_view(view) { }

void LocalSearchFullView::StateStart::onEntry(QEvent *event)
{
    QState::onEntry(event);
    m_view->setDestination(QString(), QString(), false, true, false);
    m_view->findDestination();
}

void LocalSearchFullView::StateDestinationSet::onEntry(QEvent *event)
{
    QState::onEntry(event);
    const bool first = !m_entered;
    m_entered = true;
    m_view->searchAtDestination(first);
}

void LocalSearchFullView::StateSearchReturned::onEntry(QEvent *event)
{
    QState::onEntry(event);
    m_view->onSearchReturned();
}

void LocalSearchFullView::StatePlaceSelected::onEntry(QEvent *event)
{
    QState::onEntry(event);
    m_view->showPlaceView(fromVoiceOf(event));
}

void LocalSearchFullView::StateBackToList::onEntry(QEvent *event)
{
    QState::onEntry(event);
    emit m_view->backToList(true);
}

void LocalSearchFullView::StateBackToList::onExit(QEvent *event)
{
    QState::onExit(event);
    emit m_view->backToList(false);
}

LocalSearchFullView::LocalSearchFullView(bool lookUpDestination, QObject *parent)
    : QObject(parent),
      PickerRetrans(true),
      m_lookUpDestination(lookUpDestination),
      m_flag(false),
      m_searchKind(GeneralSearch),
      m_readyForSignals(false),
      m_locationKnown(false),
      m_destinationPosted(false),
      m_doNotGetCurrentFix(false),
      m_contactModel(nullptr),
      m_contactItems(nullptr),
      m_combinedModel(nullptr),
      m_combinedItems(nullptr),
      m_contactsLoaded(false),
      m_myPlacesLoaded(false),
      m_highlightFirstItem(false),
      m_document(hx::trellan::QmlDocument::create(QLatin1String(DOCUMENT_URL))),
      m_root(nullptr),
      m_machine(nullptr)
{
    qRegisterMetaType<SelectorCoordinate>("hx::trellan::places::SelectorCoordinate");
    qRegisterMetaType<QList<Location>>("QList<hx::platform::places::Location>");
    qRegisterMetaType<QList<QSharedPointer<Place>>>();
    hx::device::DisplayInfo::registerQmlType();
    m_root = m_document->createRootObject<hx::trellan::Container>();
    if (m_root)
        m_root->setParent(this);
    else
        Log::warning() << "hx::trellan::places::LocalSearchFullView::LocalSearchFullView(): can't load "
                       << DOCUMENT_URL;
}

LocalSearchFullView::~LocalSearchFullView()
{
    // The checker has no parent: a view closed while locating takes its checker with it.
    delete m_fixChecker;
    // The lists may sit in the document's tree; they go before the models they read.
    delete m_contactList;
    delete m_combinedList;
    delete m_contactModel;
    delete m_combinedModel;
}

void LocalSearchFullView::setDestination(const QString &searchTerm, const QString &destination, bool flag,
                                         bool readyForSignals, bool locationKnown)
{
    if (locationKnown)
        m_locationKnown = true;
    if (m_searchTerm.isEmpty() && m_destination.isEmpty() && (!searchTerm.isEmpty() || !destination.isEmpty())) {
        m_searchTerm = searchTerm;
        m_destination = destination;
        m_flag = flag;
    }
    if (readyForSignals)
        m_readyForSignals = true;
    // Once only: the machine leaves StateStart on the first destinationSet() and never waits
    // for another.
    if ((!m_searchTerm.isEmpty() || !m_destination.isEmpty()) && m_readyForSignals && m_locationKnown
        && !m_destinationPosted) {
        m_destinationPosted = true;
        QTimer::singleShot(0, this, &LocalSearchFullView::emitDestinationSet);
    }
}

void LocalSearchFullView::setCoordinates(double latitude, double longitude)
{
    m_coordinates = SelectorCoordinate(latitude, longitude, 0, qQNaN(), qQNaN());
    setDestination(m_searchTerm, m_destination, m_flag, false, true);
}

void LocalSearchFullView::setDoNotGetCurrentFix(bool doNotGetCurrentFix, const QString &text)
{
    m_doNotGetCurrentFix = doNotGetCurrentFix;
    m_doNotGetCurrentFixText = text;
}

void LocalSearchFullView::startStates()
{
    if (m_machine)
        return;
    m_machine = new QStateMachine(this);
    auto *start = new StateStart(this);
    auto *destinationSet = new StateDestinationSet(this);
    auto *searchReturned = new StateSearchReturned(this);
    auto *placeSelected = new StatePlaceSelected(this);
    auto *placeViewShown = new StatePlaceViewShown(this);
    auto *backToList = new StateBackToList(this);
    start->setObjectName(QStringLiteral("StateStart"));
    destinationSet->setObjectName(QStringLiteral("StateDestinationSet"));
    searchReturned->setObjectName(QStringLiteral("StateSearchReturned"));
    placeSelected->setObjectName(QStringLiteral("StatePlaceSelected"));
    placeViewShown->setObjectName(QStringLiteral("StatePlaceViewShown"));
    backToList->setObjectName(QStringLiteral("StateBackToList"));
    for (QState *state : { static_cast<QState *>(start), static_cast<QState *>(destinationSet),
                           static_cast<QState *>(searchReturned), static_cast<QState *>(placeSelected),
                           static_cast<QState *>(placeViewShown), static_cast<QState *>(backToList) })
        m_machine->addState(state);

    start->addTransition(this, &LocalSearchFullView::destinationSet, destinationSet);
    destinationSet->addTransition(this, &LocalSearchFullView::searchReturned, searchReturned);
    destinationSet->addTransition(this, &LocalSearchFullView::placeSelected, placeSelected);
    searchReturned->addTransition(this, &LocalSearchFullView::placeSelected, placeSelected);
    placeSelected->addTransition(this, &LocalSearchFullView::placeViewShown, placeViewShown);
    placeViewShown->addTransition(placeViewShown, &QState::entered, backToList);
    backToList->addTransition(this, &LocalSearchFullView::backFromView, destinationSet);

    m_machine->setInitialState(start);
    m_machine->start();
}

hx::trellan::Container *LocalSearchFullView::getVisualNodeRoot() const
{
    return m_root;
}

bool LocalSearchFullView::hasSingleSearchResult() const
{
    return m_contacts.size() + m_myPlacesAndPois.size() == 1;
}

bool LocalSearchFullView::isSearchResultsReady() const
{
    return m_contactsLoaded && m_myPlacesLoaded;
}

bool LocalSearchFullView::readyForSignals() const
{
    return m_readyForSignals;
}

void LocalSearchFullView::setReload()
{
    // The lists stay (their models reload); only their sections leave the screen.
    for (hx::trellan::ListView *list : { m_contactList.data(), m_combinedList.data() }) {
        if (list && list->parent() != this) {
            if (auto *section = qobject_cast<hx::trellan::Container *>(list->parent()))
                section->remove(list);
            list->setParent(this);
        }
    }
    delete m_contactSection;
    delete m_combinedSection;
    delete m_noResult;
    m_contacts.clear();
    m_myPlacesAndPois.clear();
    m_chosen.clear();
    waitForResult(m_contactList != nullptr, m_combinedList != nullptr);
}

void LocalSearchFullView::waitForResult(bool contacts, bool myPlacesAndPois)
{
    m_contactsLoaded = !contacts;
    m_myPlacesLoaded = !myPlacesAndPois;
}

void LocalSearchFullView::voiceSelected(const QSharedPointer<Place> &place, bool fromVoice)
{
    m_chosen = place;
    emit placeSelected(fromVoice);
}

void LocalSearchFullView::pronounceTopPlaces()
{
    QString term = m_searchTerm;
    if (m_searchKind == CategorySearch) {
        const QByteArray name = PlaceUtils::SUB_CATEGORIES.value(m_searchTerm).toString().toUtf8();
        if (!name.isEmpty())
            term = QCoreApplication::translate("PlacesDetail::Subcategory", name.constData());
    }
    emit readPlaces(term, m_contacts, m_myPlacesAndPois);
}

void LocalSearchFullView::showPlaceView(bool fromVoice)
{
    if (!m_chosen) {
        emit placeNotFound();
        return;
    }
    emit showPlaceViewWidget(m_chosen, fromVoice);
    emit placeViewShown();
}

void LocalSearchFullView::displayNoResultContainer()
{
    hx::trellan::Container *main = mainContainer("displayNoResultContainer");
    if (!main || m_noResult)
        return;
    m_noResult = new hx::trellan::Container;
    m_noResult->setObjectName(QStringLiteral("LocalSearchNoResult"));
    m_noResult->setHorizontalAlignment(hx::trellan::HorizontalAlignment::Fill);
    m_noResultLabel = new hx::trellan::Label;
    m_noResultLabel->setObjectName(QStringLiteral("LocalSearchNoResultLabel"));
    m_noResultLabel->setHorizontalAlignment(hx::trellan::HorizontalAlignment::Center);
    m_noResult->add(m_noResultLabel);
    main->add(m_noResult);
    retranslateUI();
}

QString LocalSearchFullView::searchTerm() const
{
    return m_searchTerm;
}

QString LocalSearchFullView::destination() const
{
    return m_destination;
}

bool LocalSearchFullView::destinationFlag() const
{
    return m_flag;
}

SelectorCoordinate LocalSearchFullView::destinationCoordinates() const
{
    return m_coordinates;
}

int LocalSearchFullView::searchKind() const
{
    return m_searchKind;
}

QSharedPointer<Place> LocalSearchFullView::chosenPlace() const
{
    return m_chosen;
}

hx::trellan::ListView *LocalSearchFullView::contactList() const
{
    return m_contactList;
}

hx::trellan::ListView *LocalSearchFullView::combinedList() const
{
    return m_combinedList;
}

QString LocalSearchFullView::currentState() const
{
    if (!m_machine)
        return QString();
    for (QAbstractState *state : m_machine->configuration())
        return state->objectName();
    return QString();
}

void LocalSearchFullView::retranslateUI()
{
    if (m_contactHeader)
        m_contactHeader->setTitle(QCoreApplication::translate(CONTEXT, CONTACTS_TEXT));
    if (m_noResultLabel)
        m_noResultLabel->setText(QCoreApplication::translate(CONTEXT, NO_RESULTS_TEXT));
}

void LocalSearchFullView::onContactSelected(QVariantList indexPath)
{
    if (!m_contactModel)
        return;
    const QSharedPointer<Place> place = m_contactModel->fullPlace(indexPath).dynamicCast<Place>();
    if (!place)
        return;
    m_chosen = place;
    emit physicalInteraction();
    emit placeSelected(false);
}

void LocalSearchFullView::onMyPlaceSelected(QVariantList indexPath)
{
    if (!m_combinedModel)
        return;
    const QSharedPointer<Place> place = m_combinedModel->fullPlace(indexPath).dynamicCast<Place>();
    if (!place)
        return;
    m_chosen = place;
    emit physicalInteraction();
    emit placeSelected(false);
}

void LocalSearchFullView::emitDestinationSet()
{
    emit destinationSet();
}

void LocalSearchFullView::onGeolocationFixCheckerDone(SelectorCoordinate coordinate)
{
    if (m_fixChecker)
        m_fixChecker->deleteLater();
    m_fixChecker.clear();
    // No usable fix: the destination stays unknown and the machine waits in StateStart.
    if (std::isnan(coordinate.accuracy())) {
        Log::debug() << "hx::trellan::places::LocalSearchFullView::onGeolocationFixCheckerDone(): no fix";
        return;
    }
    m_coordinates = coordinate;
    setDestination(m_searchTerm, m_destination, m_flag, false, true);
}

void LocalSearchFullView::onGeocodingFinished(QString label, QList<Location> locations, int id)
{
    Q_UNUSED(label)
    Q_UNUSED(id)
    for (const Location &location : qAsConst(locations)) {
        const Coordinates coordinates = location.coordinates();
        if (!coordinates.isValid())
            continue;
        m_coordinates = SelectorCoordinate(coordinates.latitude(), coordinates.longitude(), 0, qQNaN(), qQNaN());
        setDestination(m_searchTerm, m_destination, m_flag, false, true);
        return;
    }
    Log::debug() << "hx::trellan::places::LocalSearchFullView::onGeocodingFinished(): nothing found for " << label;
}

void LocalSearchFullView::onContactsLoadedFinal(QList<QSharedPointer<Place>> places)
{
    m_contacts = places;
    m_contactsLoaded = true;
    if (hx::trellan::Container *main = mainContainer("onContactsLoadedFinal")) {
        delete m_contactSection;
        m_contactSection = new hx::trellan::Container;
        m_contactSection->setObjectName(QStringLiteral("LocalSearchContacts"));
        if (!places.isEmpty() && m_contactList) {
            m_contactHeader = new hx::trellan::Header;
            m_contactHeader->setObjectName(QStringLiteral("LocalSearchContactsHeader"));
            m_contactSection->add(m_contactHeader);
            m_contactSection->add(m_contactList);
            connect(m_contactList.data(), &hx::trellan::ListView::triggered, this,
                    &LocalSearchFullView::onContactSelected,
                    Qt::ConnectionType(Qt::UniqueConnection | Qt::QueuedConnection));
            retranslateUI();
        } else {
            m_contactSection->setVisible(false);
        }
        main->insert(0, m_contactSection);
    }
    if (isSearchResultsReady())
        emit searchReturned();
}

void LocalSearchFullView::onMyPlacesLoadedFinal(QList<QSharedPointer<Place>> places)
{
    m_myPlacesAndPois = places;
    m_myPlacesLoaded = true;
    if (hx::trellan::Container *main = mainContainer("onMyPlacesLoadedFinal")) {
        delete m_combinedSection;
        m_combinedSection = new hx::trellan::Container;
        m_combinedSection->setObjectName(QStringLiteral("LocalSearchPlaces"));
        if (!places.isEmpty() && m_combinedList) {
            m_combinedSection->add(m_combinedList);
            connect(m_combinedList.data(), &hx::trellan::ListView::triggered, this,
                    &LocalSearchFullView::onMyPlaceSelected,
                    Qt::ConnectionType(Qt::UniqueConnection | Qt::QueuedConnection));
        } else {
            m_combinedSection->setVisible(false);
        }
        main->insert(1, m_combinedSection);
    }
    if (isSearchResultsReady())
        emit searchReturned();
}

void LocalSearchFullView::onHighlightFirstListItem()
{
    m_highlightFirstItem = true;
    if (m_combinedItems)
        m_combinedItems->setHighlightOnFirstListItem();
}

void LocalSearchFullView::onAllDataModelError(Error::Type error)
{
    Log::warning() << "hx::trellan::places::LocalSearchFullView::onAllDataModelError(): error = " << int(error);
    static QDateTime lastTime = QDateTime::fromMSecsSinceEpoch(0);
    static Error::Type lastError = Error::None;
    PlaceUtils::showErrorMessageOnCondition(error, lastTime, lastError);
}

void LocalSearchFullView::findDestination()
{
    if (!m_lookUpDestination)
        return;
    if (!m_doNotGetCurrentFix) {
        if (m_fixChecker)
            m_fixChecker->deleteLater();
        m_fixChecker = new GeolocationFixChecker(PlaceUtils::searchRequest_zant);
        connect(m_fixChecker, &GeolocationFixChecker::done, this, &LocalSearchFullView::onGeolocationFixCheckerDone,
                Qt::QueuedConnection);
        m_fixChecker->start();
        return;
    }
    Address address;
    address.setLabel(m_doNotGetCurrentFixText);
    auto *thread = new ThreadGeocode(address, 0);
    connect(thread, &ThreadGeocode::geocodingFinished, this, &LocalSearchFullView::onGeocodingFinished,
            Qt::QueuedConnection);
    thread->start();
}

void LocalSearchFullView::searchAtDestination(bool firstEntry)
{
    if (!firstEntry) {
        // Back from a card: a general search shows fresh lists, the others keep theirs.
        if (m_searchKind != GeneralSearch)
            return;
        setReload();
        loadContacts();
        loadCombined();
        return;
    }
    if (!createListViews())
        return;
    waitForResult(m_contactList != nullptr, m_combinedList != nullptr);
    if (m_searchKind == GeneralSearch)
        loadContacts();
    loadCombined();
}

void LocalSearchFullView::onSearchReturned()
{
    if (m_contacts.isEmpty() && m_myPlacesAndPois.isEmpty()) {
        displayNoResultContainer();
        emit placeNotFound();
        return;
    }
    if (hasSingleSearchResult()) {
        const QSharedPointer<Place> only = m_contacts.isEmpty() ? m_myPlacesAndPois.first() : m_contacts.first();
        if (only->certainty() == CERTAIN) {
            m_chosen = only;
            emit placeSelected(true);
            return;
        }
    }
    const QSharedPointer<Place> match = exactMatch();
    if (match) {
        m_chosen = match;
        emit placeSelected(true);
        return;
    }
    pronounceTopPlaces();
}

bool LocalSearchFullView::createListViews()
{
    if (m_searchTerm == QLatin1String(Tags::MyHome))
        return selectHomeOrWork(true);
    if (m_searchTerm == QLatin1String(Tags::MyWork))
        return selectHomeOrWork(false);
    if (m_searchTerm == SEARCH_NEARBY) {
        // What is sought rides in the destination text; the destination itself is the position.
        m_searchTerm = m_destination;
        m_destination.clear();
        createCombinedList();
        m_searchKind = NearbySearch;
    } else if (m_searchTerm == CATEGORY_SEARCH) {
        m_searchTerm = m_destination;
        createCombinedList();
        m_searchKind = CategorySearch;
    } else {
        createContactList();
        createCombinedList();
        m_searchKind = GeneralSearch;
    }
    return true;
}

void LocalSearchFullView::createContactList()
{
    if (m_contactList)
        return;
    m_contactModel = new ZANT_SingleSearchFilterDataModel;
    m_contactList = new hx::trellan::ListView(this);
    m_contactList->setObjectName(QStringLiteral("LocalSearchContactList"));
    m_contactList->setPreferredHeight(hx::trellan::UIConfig::du(PlaceUtils::ZANT_CONTACTS_LIST_ITEM_HEIGHT));
    auto *layout = new hx::trellan::StackLayout(m_contactList);
    layout->setOrientation(hx::trellan::LayoutOrientation::LeftToRight);
    m_contactList->setLayout(layout);
    m_contactList->setStickToEdgePolicy(1); // stuck to the edge
    m_contactItems = new ContactListItemManager(this);
    m_contactList->setListItemProvider(m_contactItems);
    m_contactList->setDataModel(m_contactModel);
    connect(m_contactModel, &ZANT_SingleSearchFilterDataModel::modelLoadedFinal, this,
            &LocalSearchFullView::onContactsLoadedFinal, Qt::QueuedConnection);
}

void LocalSearchFullView::createCombinedList()
{
    if (m_combinedList)
        return;
    m_combinedModel = new CombinedDataModel;
    m_combinedList = new hx::trellan::ListView(this);
    m_combinedList->setObjectName(QStringLiteral("LocalSearchPlaceList"));
    m_combinedItems = new SelectorListItemManager(TitleBarTab::None, m_highlightFirstItem, this);
    m_combinedList->setListItemProvider(m_combinedItems);
    m_combinedList->setDataModel(m_combinedModel);
    connect(m_combinedModel, &CombinedDataModel::modelLoadedWithPlaces, this,
            &LocalSearchFullView::onMyPlacesLoadedFinal, Qt::QueuedConnection);
    connect(m_combinedModel, &CombinedDataModel::errorEvent, this, &LocalSearchFullView::onAllDataModelError,
            Qt::QueuedConnection);
}

void LocalSearchFullView::loadContacts()
{
    if (!m_contactModel)
        return;
    m_contactModel->load(FilterCategory::Contacts, m_searchTerm,
                         Coordinates(m_coordinates.latitude(), m_coordinates.longitude()), false);
}

void LocalSearchFullView::loadCombined()
{
    if (!m_combinedModel)
        return;
    QList<FilterCategory::Type> categories;
    switch (m_searchKind) {
    case NearbySearch:
        categories = { FilterCategory::Pois };
        break;
    case CategorySearch:
        categories = { FilterCategory::PoiGroup12 };
        break;
    default:
        categories = { FilterCategory::MyPlacesGroup14, FilterCategory::PoiGroup16 };
        break;
    }
    m_combinedModel->load(m_searchTerm, Coordinates(m_coordinates.latitude(), m_coordinates.longitude()), categories,
                          true);
}

bool LocalSearchFullView::selectHomeOrWork(bool home)
{
    HomeWorkCache::setDirty(home ? HomeWorkCache::Home : HomeWorkCache::Work);
    const QSharedPointer<hx::platform::places::PlaceHeader> header
        = home ? HomeWorkCache::myHome() : HomeWorkCache::myWork();
    if (header) {
        Error::Type error = Error::None;
        m_chosen = QSharedPointer<Place>(PlaceManagerUI::getPlace(header.data(), error, false));
    }
    // Without a place this ends in placeNotFound(); with one the card opens at once.
    emit placeSelected(true);
    return false;
}

QSharedPointer<Place> LocalSearchFullView::exactMatch() const
{
    const QString term = m_searchTerm.trimmed();
    if (term.isEmpty())
        return QSharedPointer<Place>();
    QSharedPointer<Place> match;
    for (const QList<QSharedPointer<Place>> *list : { &m_contacts, &m_myPlacesAndPois }) {
        for (const QSharedPointer<Place> &place : *list) {
            if (place->name().trimmed().compare(term, Qt::CaseInsensitive) != 0)
                continue;
            // Two places of that name: the user has to choose.
            if (match)
                return QSharedPointer<Place>();
            match = place;
        }
    }
    return match && match->certainty() == CERTAIN ? match : QSharedPointer<Place>();
}

hx::trellan::Container *LocalSearchFullView::mainContainer(const char *function) const
{
    hx::trellan::Container *main
        = m_root ? m_root->findChild<hx::trellan::Container *>(QLatin1String(MAIN_CONTAINER)) : nullptr;
    if (!main)
        Log::warning() << "hx::trellan::places::LocalSearchFullView::" << function
                       << "(): can't find object name LocalSearchFullViewMain";
    return main;
}

} // namespace places
} // namespace trellan
} // namespace hx

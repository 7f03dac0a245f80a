#include "placeviewpage_p.h"

#include <hx/device/displayinfo.h>
#include <hx/pim/contacts/contactservice.h>
#include <hx/platform/places/contactauxiliarydata.h>
#include <hx/platform/places/tags.h>
#include <hx/system/invokemanager.h>
#include <hx/system/invokerequest.h>
#include <hx/system/systemdialog.h>
#include <hx/system/systemtoast.h>
#include <hx/system/systemuibutton.h>
#include <hx/trellan/actionbarproperties.h>
#include <hx/trellan/focusrequester.h>
#include <hx/trellan/freeformtitlebarkindproperties.h>
#include <hx/trellan/label.h>
#include <hx/trellan/navigationpane.h>
#include <hx/trellan/navigationpaneproperties.h>
#include <hx/trellan/orientationsupport.h>
#include <hx/trellan/page.h>
#include <hx/trellan/places/addfieldaction.h>
#include <hx/trellan/places/cclutils.h>
#include <hx/trellan/places/customdialog.h>
#include <hx/trellan/places/customradiogroup.h>
#include <hx/trellan/places/deletehomeaction.h>
#include <hx/trellan/places/deleteworkaction.h>
#include <hx/trellan/places/editaction.h>
#include <hx/trellan/places/editplacecontent.h>
#include <hx/trellan/places/favaction.h>
#include <hx/trellan/places/homeworkcache.h>
#include <hx/trellan/places/iconitemtype.h>
#include <hx/trellan/places/log.h>
#include <hx/trellan/places/mapaction.h>
#include <hx/trellan/places/navigateaction.h>
#include <hx/trellan/places/placemanagerui.h>
#include <hx/trellan/places/placeviewpage.h>
#include <hx/trellan/places/planaction.h>
#include <hx/trellan/places/retranslatehelper.h>
#include <hx/trellan/places/shareaction.h>
#include <hx/trellan/places/titlebarnew.h>
#include <hx/trellan/places/titlebarview.h>
#include <hx/trellan/places/viewplacecontent.h>
#include <hx/trellan/titlebar.h>

#include <QtCore/QCoreApplication>
#include <QtCore/QLocale>

using namespace hx::platform::places;
using hx::pim::contacts::Contact;
using hx::pim::contacts::ContactPostalAddress;
using hx::pim::contacts::ContactService;

namespace hx {
namespace trellan {
namespace places {

namespace {

const char contactsEditorTarget[] = "sys.pim.contacts.card.composer";
const char contactsMimeType[] = "application/vnd.korvane.string.contact,application/contact";

QString addressText(const ContactPostalAddress &address)
{
    if (!address.label().isEmpty())
        return address.label();
    return QStringLiteral("%1 %2 %3 %4 %5")
        .arg(address.line1(), address.line2(), address.city(), address.region(), address.country())
        .trimmed();
}

} // namespace

PlaceViewPagePrivate::PlaceViewPagePrivate(Page *page, const PlacePtr &place, PlaceViewMode::Type mode)
    : QObject(page), m_page(page), m_place(place), m_viewMode(mode), m_previousViewMode(mode)
{
    init();
    connect(this, &PlaceViewPagePrivate::favorite, this, &PlaceViewPagePrivate::favoriteChanged);
    showViewContent(mode, true, EntryPath::GivenPlace);
    if (m_place)
        PlaceManagerUI::addRecentlyPickedPlace(*m_place, false);
    finishInit();
}

PlaceViewPagePrivate::PlaceViewPagePrivate(Page *page, qint64 placeId, PlaceViewMode::Type mode)
    : QObject(page), m_page(page), m_viewMode(mode), m_previousViewMode(mode)
{
    init();
    loadById(placeId);
    finishInit();
}

PlaceViewPagePrivate::PlaceViewPagePrivate(Page *page, const QString &searchTerm, PlaceViewMode::Type mode)
    : QObject(page), m_page(page), m_viewMode(mode), m_previousViewMode(mode)
{
    init();
    loadBySearchTerm(searchTerm);
    finishInit();
}

PlaceViewPagePrivate::PlaceViewPagePrivate(Page *page, const PlacePtr &place)
    : QObject(page),
      m_page(page),
      m_place(place),
      m_viewMode(PlaceViewMode::Edit),
      m_previousViewMode(PlaceViewMode::ViewEditable)
{
    init();
    if (m_place && isContactPlace()) {
        openContactsEditor();
    } else if (m_place) {
        EditPlaceContent *content = startEditContent(new EditPlaceContent(m_place, PlaceViewMode::Edit));
        connect(content, &EditPlaceContent::saved, this, &PlaceViewPagePrivate::onReturn);
        connect(content, &EditPlaceContent::canceled, this, &PlaceViewPagePrivate::back);
        CCLUtils::logPlaceManagerAction(QStringLiteral("edit"));
        PlaceManagerUI::addRecentlyPickedPlace(*m_place, false);
        initTitleBarEdit();
    }
    finishInit();
}

PlaceViewPagePrivate::PlaceViewPagePrivate(Page *page, int placeType, const PlacePtr &place, bool showAllFields)
    : QObject(page),
      m_page(page),
      m_place(place ? place : PlacePtr(new Place)),
      m_viewMode(PlaceViewMode::NewPlace),
      m_previousViewMode(PlaceViewMode::NewPlace)
{
    init();
    m_place->setSource(AbstractPlace::SourceManualInput);
    if (placeType == PlaceViewPage::Home)
        m_place->addTag(QLatin1String(Tags::MyHome));
    else if (placeType == PlaceViewPage::Work)
        m_place->addTag(QLatin1String(Tags::MyWork));
    EditPlaceContent *content = startEditContent(new EditPlaceContent(m_place, PlaceViewMode::NewPlace));
    if (showAllFields)
        emit content->showAllFields();
    else
        addAddFieldAction();
    connect(content, &EditPlaceContent::saved, this, &PlaceViewPagePrivate::onReturn);
    connect(content, &EditPlaceContent::canceled, this, &PlaceViewPagePrivate::back);
    content->enableSave();
    m_previousViewMode = PlaceViewMode::ViewEditable;
    CCLUtils::logPlaceManagerAction(QStringLiteral("new"));
    initTitleBarNew(placeType);
    finishInit();
}

PlaceViewPagePrivate::PlaceViewPagePrivate(Page *page, const QString &text)
    : QObject(page),
      m_page(page),
      m_place(new Place),
      m_viewMode(PlaceViewMode::Compose),
      m_previousViewMode(PlaceViewMode::Compose)
{
    init();
    m_place->setSource(AbstractPlace::SourceManualInput);
    EditPlaceContent *content = startEditContent(new EditPlaceContent(m_place, text));
    connect(content, &EditPlaceContent::saved, this, &PlaceViewPagePrivate::back);
    connect(content, &EditPlaceContent::canceled, this, &PlaceViewPagePrivate::back);
    initTitleBarEdit();
    m_page->removeAllActions();
    addAddFieldAction();
    finishInit();
}

PlaceViewPagePrivate::~PlaceViewPagePrivate() = default;

void PlaceViewPagePrivate::init()
{
    m_page->setResizeBehavior(1);
    m_contactService = new ContactService(this);
}

void PlaceViewPagePrivate::finishInit()
{
    m_retranslateHelper = new RetranslateHelper(this);
    connect(m_retranslateHelper, &RetranslateHelper::retranslate, this, &PlaceViewPagePrivate::retranslateUI);
    retranslateUI();
}

void PlaceViewPagePrivate::loadById(qint64 placeId)
{
    Error::Type error = Error::None;
    Place *found = PlaceManagerUI::getPlace(placeId, error, true);
    if (found) {
        m_place = PlacePtr(found);
        showViewContent(m_viewMode, true, EntryPath::Loaded);
        return;
    }
    if (error != Error::NotFound)
        return;
    auto *dialog = new hx::system::SystemDialog(QCoreApplication::translate("Places", "OK"), QString(), this);
    dialog->setObjectName(QStringLiteral("PlaceNotFoundDialog"));
    dialog->setTitle(QCoreApplication::translate("Places", "The place can't be found, id = %1").arg(placeId));
    connect(dialog, &hx::system::SystemDialog::finished, dialog, &QObject::deleteLater);
    dialog->show();
}

void PlaceViewPagePrivate::loadBySearchTerm(const QString &searchTerm)
{
    Error::Type error = Error::None;
    SearchHandle handle;
    QList<AbstractPlace *> found
        = PlaceManagerUI::findPlaces(searchTerm, error, handle, SortRule(), 0, 100, false, Coordinates(), true);
    if (error != Error::None) {
        Log::warning() << "hx::trellan::places::PlaceViewPagePrivate::PlaceViewPagePrivate(searchTerm) - place manager "
                          "error "
                       << int(error);
    }
    AbstractPlace *first = error == Error::None && !found.isEmpty() ? found.takeFirst() : nullptr;
    qDeleteAll(found);
    if (!first) {
        showNotFoundLabel(searchTerm);
        return;
    }
    if (auto *full = dynamic_cast<Place *>(first)) {
        m_place = PlacePtr(full);
    } else {
        QScopedPointer<AbstractPlace> header(first);
        auto *asHeader = dynamic_cast<PlaceHeader *>(first);
        Place *fetched = asHeader ? PlaceManagerUI::getPlace(asHeader, error, true) : nullptr;
        if (!fetched) {
            showNotFoundLabel(searchTerm);
            return;
        }
        m_place = PlacePtr(fetched);
    }
    showViewContent(m_viewMode, true, EntryPath::Loaded);
}

void PlaceViewPagePrivate::showNotFoundLabel(const QString &searchTerm)
{
    auto *label = new Label(QStringLiteral("No places found for <") + searchTerm + QStringLiteral(">"));
    label->setObjectName(QStringLiteral("NoPlacesFoundLabel"));
    // The term is shown as typed, angle brackets and all.
    label->setTextFormat(TextFormat::Plain);
    m_page->setContent(label);
}

void PlaceViewPagePrivate::showViewContent(PlaceViewMode::Type mode, bool geocode, EntryPath path)
{
    auto *content = new ViewPlaceContent(m_place, mode, geocode);
    if (path != EntryPath::Refresh) {
        connect(this, &PlaceViewPagePrivate::favorite, content, &ViewPlaceContent::favorite);
        connect(content, &ViewPlaceContent::mapTouched, this, &PlaceViewPagePrivate::mapItAction);
        connect(content, &ViewPlaceContent::mapTouched, this, &PlaceViewPagePrivate::onMapAction);
        if (mode == PlaceViewMode::Preview) {
            connect(content, &ViewPlaceContent::selected, this, &PlaceViewPagePrivate::onSelect);
            connect(content, &ViewPlaceContent::canceled, this, &PlaceViewPagePrivate::onCancel);
        }
    }
    if (path == EntryPath::ReturnFromEditor)
        connect(this, &PlaceViewPagePrivate::favorite, this, &PlaceViewPagePrivate::favoriteChanged,
                Qt::UniqueConnection);
    // Whatever way the place came, once it is located its map, go and route actions work.
    connect(content, &ViewPlaceContent::locationChanged, this, &PlaceViewPagePrivate::locationChanged);
    if (path == EntryPath::GivenPlace) {
        connect(content, &ViewPlaceContent::locationValid, this, &PlaceViewPagePrivate::placeUpdated);
        connect(content, &ViewPlaceContent::locationChanged, this, &PlaceViewPagePrivate::placeUpdated);
    }
    initTitleBarView();
    cleanContent();
    m_page->setContent(content);
    if (path != EntryPath::Refresh)
        addActions(mode);
}

EditPlaceContent *PlaceViewPagePrivate::startEditContent(EditPlaceContent *content)
{
    cleanContent();
    m_editContent = content;
    connect(content, &EditPlaceContent::placeUpdated, this, &PlaceViewPagePrivate::placeUpdated);
    connectEditSignals();
    m_page->setContent(content);
    return content;
}

void PlaceViewPagePrivate::connectEditSignals()
{
    connect(m_editContent, &EditPlaceContent::viewModeChanged, this, &PlaceViewPagePrivate::onViewModeChanged);
    connect(this, &PlaceViewPagePrivate::onMyLocation, m_editContent, &EditPlaceContent::onMyLocation);
    connect(this, &PlaceViewPagePrivate::onContactAddress, m_editContent, &EditPlaceContent::onContactAddress);
}

void PlaceViewPagePrivate::addAddFieldAction()
{
    auto *addField = new AddFieldAction;
    connect(addField, &ActionItem::triggered, this, &PlaceViewPagePrivate::onAddFieldActionTriggered);
    if (m_editContent) {
        connect(m_editContent, &EditPlaceContent::updateAddFieldActionState, addField, &ActionItem::setEnabled);
        addField->setEnabled(!m_editContent->isFieldsListEmpty());
    }
    m_page->addAction(addField, ActionBarPlacement::OnBar);
}

void PlaceViewPagePrivate::onAddFieldActionTriggered()
{
    if (m_editContent)
        emit m_editContent->addFieldAction();
}

void PlaceViewPagePrivate::replaceTitleBar(TitleBar *bar)
{
    TitleBar *old = m_page->titleBar();
    m_page->setTitleBar(bar);
    if (old && old != bar && old != m_editTitleBar)
        old->deleteLater();
}

void PlaceViewPagePrivate::initTitleBarEdit()
{
    if (!m_editTitleBar) {
        m_cancelAction = new ActionItem;
        m_cancelAction->setObjectName(QStringLiteral("CancelEditAction"));
        m_saveAction = new ActionItem;
        m_saveAction->setObjectName(QStringLiteral("SaveEditAction"));
        m_saveAction->setEnabled(false);
        m_editTitleBar = new TitleBar(this);
        m_editTitleBar->setObjectName(QStringLiteral("EditTitleBar"));
        m_editTitleBar->setDismissAction(m_cancelAction);
        m_editTitleBar->setAcceptAction(m_saveAction);
    }
    if (m_editContent) {
        connect(m_editContent, &EditPlaceContent::enableSaveState, this, &PlaceViewPagePrivate::enableSaveState,
                Qt::UniqueConnection);
        connect(m_cancelAction, &ActionItem::triggered, m_editContent, &EditPlaceContent::canceled);
        connect(m_saveAction, &ActionItem::triggered, m_editContent, &EditPlaceContent::onSaveButtonClicked);
    }
    retranslateTitleBarEdit();
    replaceTitleBar(m_editTitleBar);
}

void PlaceViewPagePrivate::initTitleBarNew(int placeType)
{
    auto *bar = new TitleBarNew(placeType);
    ActionItem *accept = bar->acceptAction();
    accept->setEnabled(false);
    connect(m_editContent, &EditPlaceContent::enableSaveState, accept, &ActionItem::setEnabled);
    connect(m_editContent, &EditPlaceContent::selectedIndexChanged, bar, &TitleBarNew::onSelectedIndexChanged);
    connect(bar->dismissAction(), &ActionItem::triggered, m_editContent, &EditPlaceContent::canceled);
    connect(accept, &ActionItem::triggered, m_editContent, &EditPlaceContent::onSaveButtonClicked);
    replaceTitleBar(bar);
}

void PlaceViewPagePrivate::retranslateTitleBarEdit()
{
    if (!m_editTitleBar)
        return;
    m_editTitleBar->setTitle(m_viewMode == PlaceViewMode::Edit
                                 ? QCoreApplication::translate("hx::trellan::places::TCSItemIconCommon", "Edit")
                                 : QCoreApplication::translate("Places", "Add Favorite"));
    m_cancelAction->setTitle(QCoreApplication::translate("Places", "Cancel"));
    m_saveAction->setTitle(QCoreApplication::translate("hx::trellan::places::TitleBarEdit", "Save"));
}

void PlaceViewPagePrivate::enableSaveState(bool state)
{
    if (m_saveAction)
        m_saveAction->setEnabled(state);
}

void PlaceViewPagePrivate::onReturn()
{
    returnToView();
    CCLUtils::logPlaceManagerAction(QStringLiteral("save"));
}

void PlaceViewPagePrivate::onEditCanceled()
{
    returnToView();
}

void PlaceViewPagePrivate::returnToView()
{
    const PlaceViewMode::Type previous = m_previousViewMode;
    showViewContent(previous, false, EntryPath::ReturnFromEditor);
    m_viewMode = previous;
}

void PlaceViewPagePrivate::initTitleBarView()
{
    auto *bar = new TitleBar(int(TitleBarKind::FreeForm));
    bar->setObjectName(QStringLiteral("PlaceViewTitleBar"));
    bar->setScrollBehavior(1);
    auto *kind = new FreeFormTitleBarKindProperties(bar);
    if (m_place)
        kind->setContent(new TitleBarView(*m_place, PlaceViewMode::View));
    else
        Log::warning() << "hx::trellan::places::PlaceViewPagePrivate::initTitleBarView(): invalid place";
    bar->setKindProperties(kind);
    replaceTitleBar(bar);
}

void PlaceViewPagePrivate::cleanContent()
{
    Control *old = m_page->content();
    if (!old)
        return;
    m_page->setContent(nullptr);
    old->setParent(nullptr);
    if (old == m_editContent)
        m_editContent = nullptr;
    old->deleteLater();
}

void PlaceViewPagePrivate::setActions()
{
    addActions(m_viewMode);
}

void PlaceViewPagePrivate::addActions(PlaceViewMode::Type mode)
{
    if (!m_place)
        return;
    m_page->removeAllActions();
    if (mode == PlaceViewMode::Edit)
        addEditActions();
    else if (mode == PlaceViewMode::View || mode == PlaceViewMode::ViewEditable)
        addViewActions(mode);
}

void PlaceViewPagePrivate::addEditActions()
{
    setPaneBackButtonVisible(false);
    addAddFieldAction();
    if (!m_actionBarProperties) {
        m_actionBarProperties = new ActionBarProperties;
        m_page->setActionBarProperties(m_actionBarProperties);
        connect(OrientationSupport::instance(), &OrientationSupport::orientationAboutToChange, this,
                &PlaceViewPagePrivate::onOrientationAboutToChange);
    }
    const int aspect = int(hx::device::DisplayInfo().aspectType());
    if (aspect == 1 || aspect == 2)
        m_actionBarProperties->setProperty("docking", 2);
}

void PlaceViewPagePrivate::addViewActions(PlaceViewMode::Type mode)
{
    setPaneBackButtonVisible(true);
    m_shareAction = new ShareAction(m_place);
    connect(this, &PlaceViewPagePrivate::locationChanged, this, &PlaceViewPagePrivate::updateShareAction,
            Qt::UniqueConnection);

    const bool home = IconItemType::isMyHome(m_place.data());
    const bool work = IconItemType::isMyWork(m_place.data());
    if (home || work) {
        ActionItem *remove = home ? static_cast<ActionItem *>(new DeleteHomeAction) : new DeleteWorkAction;
        connect(remove, &ActionItem::triggered, this, &PlaceViewPagePrivate::onDeleteActionTriggered);
        m_page->addAction(remove, ActionBarPlacement::OnBar);
        m_page->addAction(m_shareAction, ActionBarPlacement::InOverflow);
    } else {
        m_favAction = new FavAction(m_place->isFavorite());
        connect(m_favAction, &ActionItem::triggered, this, &PlaceViewPagePrivate::onFavActionTriggered,
                Qt::QueuedConnection);
        connect(m_favAction, &FavAction::favorite, this, &PlaceViewPagePrivate::favorite);
        m_page->addAction(m_favAction, ActionBarPlacement::InOverflow);
    }

    const bool located = m_place->hasCoordinates();
    auto *map = new MapAction;
    connect(map, &ActionItem::triggered, this, qOverload<>(&PlaceViewPagePrivate::mapItAction));
    connect(map, &ActionItem::triggered, this, &PlaceViewPagePrivate::onMapAction);
    auto *go = new NavigateAction;
    connect(go, &ActionItem::triggered, this, qOverload<>(&PlaceViewPagePrivate::goAction));
    connect(go, &ActionItem::triggered, this, &PlaceViewPagePrivate::onGoAction);
    auto *plan = new PlanAction;
    connect(plan, &ActionItem::triggered, this, qOverload<>(&PlaceViewPagePrivate::planRouteAction));
    connect(plan, &ActionItem::triggered, this, &PlaceViewPagePrivate::onPlanRouteAction);
    for (ActionItem *action :
         { static_cast<ActionItem *>(map), static_cast<ActionItem *>(go), static_cast<ActionItem *>(plan) }) {
        connect(this, &PlaceViewPagePrivate::locationChanged, action, &ActionItem::resetEnabled);
        action->setEnabled(located);
    }
    m_page->addAction(map, ActionBarPlacement::InOverflow);
    m_page->addAction(go, ActionBarPlacement::Signature);
    m_page->addAction(plan, ActionBarPlacement::OnBar);
    FocusRequester::requestFocus(go);

    if (mode == PlaceViewMode::ViewEditable && m_place->isFavorite()) {
        auto *edit = new EditAction;
        connect(edit, &ActionItem::triggered, this, &PlaceViewPagePrivate::onEditActionTriggered);
        m_page->addAction(edit, ActionBarPlacement::OnBar);
    }
    if (!home && !work)
        m_page->addAction(m_shareAction, ActionBarPlacement::OnBar);
}

void PlaceViewPagePrivate::setPaneBackButtonVisible(bool visible)
{
    auto *pane = qobject_cast<NavigationPane *>(m_page->parent());
    if (!pane)
        return;
    pane->setBackButtonsVisible(visible);
    if (!visible || m_backState != BackNone)
        return;
    auto *properties = new NavigationPaneProperties;
    auto *backAction = new ActionItem;
    backAction->setObjectName(QStringLiteral("BackAction"));
    if (m_previousViewMode == PlaceViewMode::ViewEditable && m_viewMode == PlaceViewMode::NewPlace) {
        connect(backAction, &ActionItem::triggered, this, &PlaceViewPagePrivate::back);
        m_backState = BackEmits;
    } else {
        connect(backAction, &ActionItem::triggered, pane, &NavigationPane::pop);
        m_backState = BackPops;
    }
    properties->setBackButton(backAction);
    m_page->setPaneProperties(properties);
}

void PlaceViewPagePrivate::onOrientationAboutToChange(UIOrientation::Type orientation)
{
    if (!m_actionBarProperties)
        return;
    if (orientation == UIOrientation::Landscape)
        m_actionBarProperties->setDocking(1);
    else if (orientation == UIOrientation::Portrait)
        m_actionBarProperties->setDocking(2);
}

void PlaceViewPagePrivate::onFavActionTriggered()
{
    if (!m_place || !m_favAction)
        return;
    m_favAction->handle(m_place);
    addActions(m_viewMode);
}

void PlaceViewPagePrivate::onDeleteActionTriggered()
{
    if (!m_place || m_place->id() < 1)
        return;
    CCLUtils::logMyPlacesCrosscutAction(QStringLiteral("delete"));
    if (m_place->hasTag(QLatin1String(Tags::MyHome)))
        HomeWorkCache::setDirty(HomeWorkCache::Home);
    if (m_place->hasTag(QLatin1String(Tags::MyWork)))
        HomeWorkCache::setDirty(HomeWorkCache::Work);
    const qint64 id = m_place->id();
    if (PlaceManagerUI::removePlace(id, true) != Error::None)
        return;
    showDeleteToast();
    emit deletePlace(id);
    emit placeUpdated();
}

void PlaceViewPagePrivate::showDeleteToast()
{
    auto *toast = new hx::system::SystemToast;
    toast->setObjectName(QStringLiteral("DeleteToast"));
    toast->setPosition(hx::system::SystemUiPosition::Type(2));
    if (m_place && IconItemType::isMyHome(m_place.data()))
        toast->setBody(m_homeDeletedText);
    else if (m_place && IconItemType::isMyWork(m_place.data()))
        toast->setBody(m_workDeletedText);
    else if (m_place && isContactPlace())
        toast->setBody(QStringLiteral("'") + m_place->name() + QStringLiteral("' ") + m_contactRemovedText);
    connect(toast, &hx::system::SystemToast::finished, toast, &QObject::deleteLater);
    toast->show();
}

bool PlaceViewPagePrivate::isContactPlace() const
{
    return IconItemType::isContact(m_place.data());
}

qint64 PlaceViewPagePrivate::contactIdOfPlace(const QList<int> &among) const
{
    if (!m_place)
        return 0;
    for (const AuxiliaryData &data : m_place->auxiliaryData()) {
        if (data.type() != QLatin1String(AuxiliaryData::TypeContact))
            continue;
        const qint64 id = ContactAuxiliaryData(data).contactId();
        if (among.isEmpty() || among.contains(int(id)))
            return id;
    }
    return 0;
}

void PlaceViewPagePrivate::onEditActionTriggered()
{
    CCLUtils::logPlaceViewAction(QStringLiteral("edit"));
    if (!m_place)
        return;
    if (isContactPlace() && contactIdOfPlace() != 0) {
        openContactsEditor();
        return;
    }
    m_previousViewMode = m_viewMode;
    m_viewMode = PlaceViewMode::Edit;
    EditPlaceContent *content = startEditContent(new EditPlaceContent(m_place, PlaceViewMode::Edit));
    connect(content, &EditPlaceContent::saved, this, &PlaceViewPagePrivate::onReturn);
    connect(content, &EditPlaceContent::canceled, this, &PlaceViewPagePrivate::onEditCanceled);
    connect(this, &PlaceViewPagePrivate::favorite, content, &EditPlaceContent::setFavorite);
    initTitleBarEdit();
    addActions(PlaceViewMode::Edit);
}

void PlaceViewPagePrivate::openContactsEditor()
{
    const qint64 contactId = contactIdOfPlace();
    if (contactId == 0)
        return;
    connect(m_contactService, &ContactService::contactsChanged, this, &PlaceViewPagePrivate::onContactsChanged,
            Qt::UniqueConnection);
    hx::system::InvokeRequest request;
    request.setAction(QStringLiteral("hx.action.EDIT"));
    request.setTarget(QLatin1String(contactsEditorTarget));
    request.setData(QByteArray::number(contactId));
    request.setMimeType(QLatin1String(contactsMimeType));
    auto *invoker = new hx::system::InvokeManager(this);
    invoker->invoke(request);
}

void PlaceViewPagePrivate::onContactsChanged(const QList<int> &listOfIDs)
{
    disconnect(m_contactService, &ContactService::contactsChanged, this, &PlaceViewPagePrivate::onContactsChanged);
    const qint64 contactId = contactIdOfPlace(listOfIDs);
    if (contactId == 0)
        return;
    const Contact contact = m_contactService->contactDetails(contactId);
    const QList<ContactPostalAddress> addresses = contact.postalAddresses();
    const bool anyValid = std::any_of(addresses.cbegin(), addresses.cend(),
                                      [](const ContactPostalAddress &address) { return address.isValid(); });
    if (!anyValid) {
        showDeleteToast();
        return;
    }
    Error::Type error = Error::None;
    Place *reloaded = PlaceManagerUI::getPlace(m_place->id(), error, true);
    if (!reloaded || error != Error::None) {
        delete reloaded;
        return;
    }
    m_place = PlacePtr(reloaded);
    showViewContent(m_viewMode, true, EntryPath::Refresh);
}

void PlaceViewPagePrivate::onContactSelected(int contactId)
{
    ContactService service;
    const Contact contact = service.contactDetails(contactId);
    auto *choices = new CustomRadioGroup;
    int count = 0;
    ContactPostalAddress only;
    for (const ContactPostalAddress &address : contact.postalAddresses()) {
        const QString text = addressText(address);
        if (text.isEmpty())
            continue;
        choices->addOption(text, QVariant::fromValue(address));
        only = address;
        ++count;
    }
    if (count < 2) {
        delete choices;
        if (count == 0)
            emit onMyLocation(Location());
        else
            emit onContactAddress(contact, only);
        return;
    }
    if (!m_addressDialog) {
        m_addressDialog = new CustomDialog(this);
        m_addressDialog->setObjectName(QStringLiteral("AddressSelectionDialog"));
    } else {
        m_addressDialog->reset();
    }
    connect(m_addressDialog, &CustomDialog::dialogResult, this, &PlaceViewPagePrivate::onAddressSelectionResult,
            Qt::UniqueConnection);
    m_addressDialog->setTitle(
        QCoreApplication::translate("Places", "%1 Addresses Found", nullptr, count).arg(QLocale().toString(count)));
    m_addressDialog->setContent(choices);
    m_addressDialog->setUserData(QVariant::fromValue(contact));
    m_addressDialog->show();
}

void PlaceViewPagePrivate::onContactsPickerCanceled() { }

void PlaceViewPagePrivate::onAddressSelectionResult(Control *control, const QVariant &userData)
{
    auto *choices = qobject_cast<CustomRadioGroup *>(control);
    if (!m_addressDialog || m_addressDialog->getResult() != 0 || !choices)
        return;
    emit onContactAddress(userData.value<Contact>(), choices->selectedValue().value<ContactPostalAddress>());
}

void PlaceViewPagePrivate::onViewModeChanged(PlaceViewMode::Type viewMode, const PlacePtr &place)
{
    m_viewMode = viewMode;
    m_place = place;
    emit placeUpdated();
}

void PlaceViewPagePrivate::retranslateUI()
{
    m_homeDeletedText = QCoreApplication::translate("hx::trellan::places::MyPlaceSelectorPrivate", "Home Deleted!");
    m_workDeletedText = QCoreApplication::translate("hx::trellan::places::MyPlaceSelectorPrivate", "Work Deleted!");
    m_contactRemovedText = QCoreApplication::translate(
        "hx::trellan::places::MyPlaceSelectorPrivate",
        "was removed from My Places because the contact entry no longer includes an address.");
    retranslateTitleBarEdit();
}

void PlaceViewPagePrivate::onCancel()
{
    emit back();
}

void PlaceViewPagePrivate::onSelect()
{
    emit selected(m_place);
}

void PlaceViewPagePrivate::onGoAction()
{
    emit goAction(m_place);
}

void PlaceViewPagePrivate::onMapAction()
{
    emit mapAction(m_place);
}

void PlaceViewPagePrivate::onPlanRouteAction()
{
    emit planRouteAction(m_place);
}

void PlaceViewPagePrivate::updateShareAction()
{
    if (m_place && m_place->primaryCoordinates().isValid() && m_shareAction)
        m_shareAction->update(m_place);
}

} // namespace places
} // namespace trellan
} // namespace hx

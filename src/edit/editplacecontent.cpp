#include <hx/trellan/places/editplacecontent.h>

#include <hx/trellan/places/dataedit.h>
#include <hx/trellan/places/mapdock.h>
#include <hx/trellan/places/namefield.h>
#include <hx/trellan/places/placemanagerui.h>
#include <hx/trellan/places/placeutils.h>

#include <hx/trellan/docklayout.h>
#include <hx/trellan/enums.h>
#include <hx/trellan/scrollview.h>

namespace hx {
namespace trellan {
namespace places {

using hx::platform::places::Error;
using hx::platform::places::Location;
using hx::platform::places::Place;

EditPlaceContent::EditPlaceContent(const QSharedPointer<Place> &place, PlaceViewMode::Type mode, QObject *parent)
    : Container(parent), m_place(place), m_mode(mode), m_form(nullptr), m_dock(nullptr), m_inner(nullptr)
{
    init(QString());
}

EditPlaceContent::EditPlaceContent(const QSharedPointer<Place> &place, const QString &text, QObject *parent)
    : Container(parent),
      m_place(place),
      m_mode(PlaceViewMode::Compose),
      m_form(nullptr),
      m_dock(nullptr),
      m_inner(nullptr)
{
    init(text);
}

EditPlaceContent::~EditPlaceContent() = default;

void EditPlaceContent::init(const QString &text)
{
    setObjectName(QStringLiteral("EditPlaceContent"));
    if (!m_place)
        m_place.reset(new Place);
    setBackground(PlaceUtils::BACKGROUND_COLOR);
    auto *scroll = new hx::trellan::ScrollView;
    scroll->setScrollMode(1);
    auto *dockContainer = new hx::trellan::Container;
    dockContainer->setLayout(new hx::trellan::DockLayout);
    m_inner = new hx::trellan::Container;
    dockContainer->add(m_inner);
    scroll->setContent(dockContainer);
    add(scroll);

    buildFormAndDock(text, false);
    m_inner->add(m_dock);
    m_inner->add(m_form);
    connectSignals();
    if (m_mode == PlaceViewMode::Compose)
        m_dock->onAddressLabelChanged(text);
    emit m_form->changed();
}

void EditPlaceContent::buildFormAndDock(const QString &text, bool modified)
{
    m_dock = new MapDock(m_place, m_mode != PlaceViewMode::NewPlace, m_mode, true);
    m_form = new DataEdit(*m_place, text, modified);
}

void EditPlaceContent::connectSignals()
{
    connect(m_form, &DataEdit::enableSave, this, &EditPlaceContent::enableSaveState);
    connect(m_form, &DataEdit::saved, this, &EditPlaceContent::saved);
    connect(m_form, &DataEdit::placeUpdated, this, &EditPlaceContent::placeUpdated);
    connect(this, &EditPlaceContent::favorite, m_dock, &MapDock::setFavorite);
    connect(m_dock, &MapDock::geocodingResult, m_form, &DataEdit::onGeocodingResult);
    connect(m_form, &DataEdit::addressChanging, m_dock, &MapDock::onAddressChanging);
    connect(m_form, &DataEdit::addressChanged, m_dock, &MapDock::onAddressLabelChanged, Qt::QueuedConnection);
    connect(m_form, &DataEdit::loading, this, &EditPlaceContent::disableSave);
    connect(m_dock, &MapDock::imageLoaded, m_form, &DataEdit::checkEnableSave);
    connect(m_form, &DataEdit::locationCoordinates, m_dock, &MapDock::locationCoordinates);
    connect(this, &EditPlaceContent::addFieldAction, m_form, &DataEdit::addFieldAction);
    connect(m_form, &DataEdit::updateAddFieldActionState, this, &EditPlaceContent::updateAddFieldActionState);
    connect(this, &EditPlaceContent::showAllFields, m_form, &DataEdit::showAllFields);
    connect(m_dock, &MapDock::touchedFocused, m_form, &DataEdit::onFocusedChanged);
    connect(m_form, &DataEdit::selectedIndexChanged, this, &EditPlaceContent::selectedIndexChanged);
}

void EditPlaceContent::disconnectSignals()
{
    // The first and the last connection go with the form itself.
    disconnect(m_form, &DataEdit::saved, this, &EditPlaceContent::saved);
    disconnect(m_form, &DataEdit::placeUpdated, this, &EditPlaceContent::placeUpdated);
    disconnect(this, &EditPlaceContent::favorite, m_dock, &MapDock::setFavorite);
    disconnect(m_dock, &MapDock::geocodingResult, m_form, &DataEdit::onGeocodingResult);
    disconnect(m_form, &DataEdit::addressChanging, m_dock, &MapDock::onAddressChanging);
    disconnect(m_form, &DataEdit::addressChanged, m_dock, &MapDock::onAddressLabelChanged);
    disconnect(m_form, &DataEdit::loading, this, &EditPlaceContent::disableSave);
    disconnect(m_dock, &MapDock::imageLoaded, m_form, &DataEdit::checkEnableSave);
    disconnect(m_form, &DataEdit::locationCoordinates, m_dock, &MapDock::locationCoordinates);
    disconnect(this, &EditPlaceContent::addFieldAction, m_form, &DataEdit::addFieldAction);
    disconnect(m_form, &DataEdit::updateAddFieldActionState, this, &EditPlaceContent::updateAddFieldActionState);
    disconnect(this, &EditPlaceContent::showAllFields, m_form, &DataEdit::showAllFields);
    disconnect(m_dock, &MapDock::touchedFocused, m_form, &DataEdit::onFocusedChanged);
}

void EditPlaceContent::updatePlace(const QSharedPointer<Place> &place, const QString &text, PlaceViewMode::Type mode)
{
    if (!place)
        return;
    disconnectSignals();
    m_inner->remove(m_form);
    m_inner->remove(m_dock);
    // The old form refers to the old place: both go before that place may be released.
    delete m_form;
    delete m_dock;
    m_place = place;
    m_mode = mode;
    buildFormAndDock(text, true);
    connectSignals();
    emit m_form->changed();
    m_inner->insert(1, m_dock);
    m_inner->insert(4, m_form);
    emit viewModeChanged(mode, place);
}

void EditPlaceContent::enableSave()
{
    m_form->fieldChanged();
}

bool EditPlaceContent::isFieldsListEmpty() const
{
    return m_form->isFieldsListEmpty();
}

DataEdit *EditPlaceContent::form() const
{
    return m_form;
}

MapDock *EditPlaceContent::mapDock() const
{
    return m_dock;
}

void EditPlaceContent::setFavorite(bool favorite)
{
    emit this->favorite(favorite);
}

void EditPlaceContent::onMyLocation(Location location)
{
    if (m_mode != PlaceViewMode::NewPlace)
        updatePlace(QSharedPointer<Place>(new Place), QString(), PlaceViewMode::NewPlace);
    m_form->setLocation(location);
}

void EditPlaceContent::onContactAddress(hx::pim::contacts::Contact contact,
                                        hx::pim::contacts::ContactPostalAddress address)
{
    Error::Type error = Error::None;
    QSharedPointer<Place> place(
        PlaceManagerUI::getPlaceFromContact(contact.accountId(), contact.id(), address.id(), error, true));
    if (!place || error != Error::None)
        return;
    place->addTag(NameField::MARKER_TAG_PATTERN.arg(m_form->getNameField()->selectedIndex()));
    updatePlace(place, QString(), PlaceViewMode::Edit);
}

void EditPlaceContent::onSaveButtonClicked()
{
    m_form->geocodeOnSave();
}

void EditPlaceContent::disableSave()
{
    emit enableSaveState(false);
}

} // namespace places
} // namespace trellan
} // namespace hx

#include <hx/trellan/places/dataedit.h>

#include <hx/trellan/places/duplicateplacedialog.h>
#include <hx/trellan/places/fieldtypessheet.h>
#include <hx/trellan/places/homeworkcache.h>
#include <hx/trellan/places/iconitemtype.h>
#include <hx/trellan/places/log.h>
#include <hx/trellan/places/namefield.h>
#include <hx/trellan/places/placemanagerui.h>
#include <hx/trellan/places/placeutils.h>
#include <hx/trellan/places/placeviewutils.h>
#include <hx/trellan/places/sharedlink.h>

#include <hx/device/displayinfo.h>
#include <hx/platform/places/contactauxiliarydata.h>
#include <hx/platform/places/pointofinterestauxiliarydata.h>
#include <hx/platform/places/tags.h>
#include <hx/trellan/enums.h>
#include <hx/trellan/label.h>
#include <hx/trellan/stacklayout.h>
#include <hx/trellan/textarea.h>
#include <hx/trellan/textfield.h>
#include <hx/trellan/validator.h>

#include <QtCore/QCoreApplication>
#include <QtCore/QSignalBlocker>
#include <QtCore/QUrl>

#include <algorithm>

#include "records/linkparts_p.h"

namespace hx {
namespace trellan {
namespace places {

using hx::platform::places::AbstractPlace;
using hx::platform::places::Address;
using hx::platform::places::AuxiliaryData;
using hx::platform::places::ContactAuxiliaryData;
using hx::platform::places::Error;
using hx::platform::places::Location;
using hx::platform::places::Place;
using hx::platform::places::PlaceHeader;
using hx::platform::places::PointOfInterestAuxiliaryData;
using hx::platform::places::Tags;

namespace {

const char NAME_REQUIRED[] = QT_TRANSLATE_NOOP("Places", "A place name is required to save this as a favorite");
const char ADDRESS_NOT_FOUND[] = QT_TRANSLATE_NOOP("Places", "Address not found");
const char EMAIL_NOT_RECOGNIZED[] = QT_TRANSLATE_NOOP("Places", "Email not recognized");
const char REQUIRED_FIELDS[] = QT_TRANSLATE_NOOP("Places", "* Required Fields");

// The lengths import and links keep: a longer text is no name or address a row, a card or a
// link could show. A description is read on the card alone, so it may be longer.
const int TEXT_LENGTH = SharedLink::MAX_TEXT_LENGTH;
const int URL_LENGTH = 2048;
const int DESCRIPTION_LENGTH = 4096;

QString placesText(const char *text)
{
    return QCoreApplication::translate("Places", text);
}

QString addressText(const Address &address)
{
    const QString label = address.label().trimmed();
    if (!label.isEmpty())
        return label;
    return QStringLiteral("%1 %2 %3 %4")
        .arg(address.street(), address.city(), address.region(), address.country())
        .simplified();
}

bool hasValidCoordinates(const Place &place)
{
    return place.locationCount() > 0 && place.location(0).coordinates().isValid();
}

// Replaces the coordinates and address of the first location, or adds the location.
void updateLocation(Place &place, const Location &location)
{
    if (place.locationCount() == 0) {
        place.addLocation(location);
        return;
    }
    Location first = place.location(0);
    first.setCoordinates(location.coordinates());
    first.setAddress(location.address());
    place.setLocation(0, first);
}

bool isWideDisplay()
{
    hx::device::DisplayInfo display;
    return display.width() >= PlaceUtils::VELMORA_WIDTH
        && display.aspectType() == hx::device::DisplayAspectType::Square;
}

} // namespace

DataEdit::DataEdit(Place &place, const QString &text, bool modified, QObject *parent)
    : Container(parent),
      m_nameField(nullptr),
      m_address(nullptr),
      m_phone(nullptr),
      m_webSite(nullptr),
      m_email(nullptr),
      m_description(nullptr),
      m_mainColumn(new hx::trellan::Container),
      m_optionalColumn(new hx::trellan::Container),
      m_required(new hx::trellan::Label),
      m_nameValidator(new hx::trellan::Validator(this)),
      m_addressValidator(new hx::trellan::Validator(this)),
      m_emailValidator(new hx::trellan::Validator(this)),
      m_modified(modified),
      m_savePending(false),
      m_duplicateId(-1),
      m_duplicateDialog(nullptr),
      m_place(place)
{
    setObjectName(QStringLiteral("DataEdit"));
    readInitialValues(text);
    buildRows(text);
    populateFieldTypesList();
    retranslateUI();

    connect(this, &DataEdit::changed, this, &DataEdit::checkEnableSave);
    connect(this, &DataEdit::saveContinue, this, &DataEdit::onSaveContinue, Qt::QueuedConnection);
    connect(this, &DataEdit::addFieldAction, this, &DataEdit::onAddFieldAction);
    connect(this, &DataEdit::showAllFields, this, &DataEdit::onShowAllFields);
}

DataEdit::~DataEdit() = default;

void DataEdit::readInitialValues(const QString &text)
{
    m_initialName = m_place.name();
    m_initialAddress = text.isEmpty() ? addressText(m_place.primaryAddress()) : text;
    m_initialDescription = m_place.description();
    if (m_place.hasAuxiliaryData()) {
        const AuxiliaryData first = m_place.auxiliaryData().first();
        if (first.type() == QLatin1String(AuxiliaryData::TypeContact)) {
            const ContactAuxiliaryData contact(first);
            m_initialPhone = contact.mobilePhone();
            m_initialEmail = contact.emailAddress();
            m_initialWebSite = contact.url().toString();
        } else if (first.type() == QLatin1String(AuxiliaryData::TypePointOfInterest)) {
            const PointOfInterestAuxiliaryData poi(first);
            m_initialPhone = poi.phoneNumber();
            m_initialEmail = poi.emailAddress();
            m_initialWebSite = poi.url().toString();
        }
    }
    if (m_place.locationCount() > 0)
        m_location = m_place.location(0);
    // An address that already has its position needs no geocoding; any other is geocoded before
    // the save.
    if (hasValidCoordinates(m_place) && text.isEmpty())
        m_lastGeocoded = m_initialAddress;
}

void DataEdit::addCaption(hx::trellan::Container *column, const char *objectName, const char *text)
{
    auto *caption = new hx::trellan::Label;
    caption->setObjectName(QLatin1String(objectName));
    m_captions.append(qMakePair(caption, text));
    caption->setText(placesText(text));
    column->add(caption);
}

hx::trellan::TextField *DataEdit::addTextField(hx::trellan::Container *column, const char *fieldName, int inputMode,
                                               const QString &value)
{
    auto *field = new hx::trellan::TextField;
    field->setObjectName(QLatin1String(fieldName));
    field->setInputMode(inputMode);
    field->setTextStyle(PlaceViewUtils::editDataTextStyle());
    field->setMaximumLength(fieldName == QLatin1String("WebSiteField") ? URL_LENGTH : TEXT_LENGTH);
    field->setText(value);
    column->add(field);
    return field;
}

void DataEdit::buildRows(const QString &text)
{
    Q_UNUSED(text)
    addCaption(m_mainColumn, "PlaceNameCaption", QT_TRANSLATE_NOOP("Places", "Place Name*"));
    m_nameField = new NameField(m_place);
    m_nameField->name()->setMaximumLength(TEXT_LENGTH);
    m_mainColumn->add(m_nameField);
    m_nameValidator->setDelay(0);
    m_nameValidator->setValid(!m_initialName.isEmpty() || !m_nameField->name()->text().isEmpty());
    m_nameField->name()->setValidator(m_nameValidator);
    connect(m_nameValidator, &hx::trellan::Validator::validate, this, &DataEdit::validateName);
    connect(m_nameField->name(), &hx::trellan::TextField::textChanging, this, &DataEdit::onNameTextChanged);
    connect(m_nameField, &NameField::selectedIndexChanged, this, [this](int index) {
        // A new Home or Work choice is a change worth saving, even with the same name.
        m_modified = true;
        checkEnableSave();
        emit selectedIndexChanged(index);
    });
    connect(m_nameField, &NameField::updateMyHome, this, &DataEdit::updateMyHome);
    connect(m_nameField, &NameField::updateMyWork, this, &DataEdit::updateMyWork);

    addCaption(m_mainColumn, "AddressCaption", QT_TRANSLATE_NOOP("Places", "Address*"));
    m_address = addTextField(m_mainColumn, "AddressField", hx::trellan::TextInputMode::Text, m_initialAddress);
    m_addressValidator->setValid(true);
    m_address->setValidator(m_addressValidator);
    connect(m_address, &hx::trellan::TextField::textChanging, this, &DataEdit::onAddressTextChanging);
    connect(m_address, &hx::trellan::TextField::textChanged, this, &DataEdit::onAddressTextChanged);

    addCaption(m_mainColumn, "PhoneNumberCaption", QT_TRANSLATE_NOOP("Places", "Phone Number"));
    m_phone = addTextField(m_mainColumn, "PhoneNumberField", hx::trellan::TextInputMode::PhoneNumber, m_initialPhone);
    connect(m_phone, &hx::trellan::TextField::textChanging, this, &DataEdit::fieldChanged);
    connect(m_phone, &hx::trellan::TextField::textChanged, this, &DataEdit::onPhoneTextChanged);

    m_emailValidator->setValid(true);
    if (!m_initialEmail.isEmpty())
        createEmailField(m_initialEmail, false);
    if (!m_initialWebSite.isEmpty())
        createWebSiteField(m_initialWebSite, false);
    if (!m_initialDescription.isEmpty())
        createDescriptionField(m_initialDescription, false);

    m_required->setObjectName(QStringLiteral("RequiredFieldsLabel"));
    if (isWideDisplay()) {
        // Two columns: the required rows on the left, the optional ones on the right.
        auto *columns = new hx::trellan::Container;
        auto *layout = new hx::trellan::StackLayout;
        layout->setOrientation(hx::trellan::LayoutOrientation::LeftToRight);
        columns->setLayout(layout);
        columns->add(m_mainColumn);
        columns->add(m_optionalColumn);
        add(columns);
    } else {
        add(m_mainColumn);
        add(m_optionalColumn);
    }
    add(m_required);
}

void DataEdit::createWebSiteField(const QString &value, bool focus)
{
    if (m_webSite)
        return;
    addCaption(m_optionalColumn, "WebSiteCaption", QT_TRANSLATE_NOOP("Places", "Website"));
    m_webSite = addTextField(m_optionalColumn, "WebSiteField", hx::trellan::TextInputMode::Url, value);
    connect(m_webSite, &hx::trellan::TextField::textChanging, this, &DataEdit::fieldChanged);
    connect(m_webSite, &hx::trellan::TextField::textChanged, this, &DataEdit::onUrlTextChanged);
    if (focus)
        m_webSite->requestFocus();
}

void DataEdit::createEmailField(const QString &value, bool focus)
{
    if (m_email)
        return;
    addCaption(m_optionalColumn, "EMailCaption", QT_TRANSLATE_NOOP("Places", "Email"));
    m_email = addTextField(m_optionalColumn, "EMailField", hx::trellan::TextInputMode::EmailAddress, value);
    m_email->setValidator(m_emailValidator);
    connect(m_emailValidator, &hx::trellan::Validator::validate, this, &DataEdit::validateEmail);
    connect(m_email, &hx::trellan::TextField::textChanging, this, &DataEdit::fieldChanged);
    connect(m_email, &hx::trellan::TextField::textChanging, m_emailValidator,
            &hx::trellan::Validator::requestValidation);
    connect(m_email, &hx::trellan::TextField::textChanged, this, &DataEdit::onEmailTextChanged);
    if (focus)
        m_email->requestFocus();
}

void DataEdit::createDescriptionField(const QString &value, bool focus)
{
    if (m_description)
        return;
    addCaption(m_optionalColumn, "DescriptionCaption", QT_TRANSLATE_NOOP("Places", "Description"));
    m_description = new hx::trellan::TextArea;
    m_description->setObjectName(QStringLiteral("DescriptionField"));
    m_description->setEditable(true);
    m_description->setText(value);
    m_optionalColumn->add(m_description);
    connect(m_description, &hx::trellan::TextArea::textChanging, this, &DataEdit::fieldChanged);
    connect(m_description, &hx::trellan::TextArea::textChanged, this, &DataEdit::onDescriptionTextChanged);
    if (focus)
        m_description->requestFocus();
}

void DataEdit::populateFieldTypesList()
{
    bool offerEmail = true;
    bool offerWebSite = true;
    if (m_place.hasAuxiliaryData()) {
        const AuxiliaryData first = m_place.auxiliaryData().first();
        if (first.type() == QLatin1String(AuxiliaryData::TypeContact)) {
            offerEmail = offerWebSite = false; // a contact's e-mail and website belong to the contact
        } else if (first.type() == QLatin1String(AuxiliaryData::TypePointOfInterest)) {
            const PointOfInterestAuxiliaryData poi(first);
            offerEmail = poi.emailAddress().isEmpty();
            offerWebSite = poi.url().isEmpty();
        }
    }
    if (offerEmail)
        m_fieldTypes << 1;
    if (offerWebSite)
        m_fieldTypes << 0;
    if (m_place.description().isEmpty())
        m_fieldTypes << 2;
}

void DataEdit::retranslateUI()
{
    for (const auto &caption : qAsConst(m_captions))
        caption.first->setText(placesText(caption.second));
    m_required->setText(placesText(REQUIRED_FIELDS));
    m_nameValidator->setErrorMessage(placesText(NAME_REQUIRED));
    m_addressValidator->setErrorMessage(placesText(ADDRESS_NOT_FOUND));
    m_emailValidator->setErrorMessage(placesText(EMAIL_NOT_RECOGNIZED));
}

NameField *DataEdit::getNameField() const
{
    return m_nameField;
}

bool DataEdit::isFieldsListEmpty() const
{
    return m_fieldTypes.isEmpty();
}

void DataEdit::fieldChanged()
{
    m_modified = true;
    checkEnableSave();
}

void DataEdit::onPhoneTextChanged(QString)
{
    emit changed();
}

void DataEdit::onUrlTextChanged(QString)
{
    emit changed();
}

void DataEdit::onEmailTextChanged(QString)
{
    emit changed();
}

void DataEdit::onDescriptionTextChanged(QString)
{
    emit changed();
}

void DataEdit::onNameTextChanged(QString text)
{
    m_nameValidator->requestValidation();
    if (text != m_initialName) {
        m_modified = true;
        checkEnableSave();
        emit nameChanged(text);
    }
    emit changed();
}

void DataEdit::onAddressTextChanging(QString text)
{
    if (text != m_initialAddress) {
        m_modified = true;
        checkEnableSave();
        emit addressChanging();
    }
    if (text.isEmpty())
        emit changed();
}

void DataEdit::checkEnableSave()
{
    const bool enable = !m_geocoding && !m_nameField->name()->text().trimmed().isEmpty()
        && !m_address->text().trimmed().isEmpty() && m_modified;
    emit enableSave(enable);
}

void DataEdit::onAddressTextChanged(QString text)
{
    if (text == m_lastGeocoded) {
        emit changed();
        return;
    }
    m_address->setFocusPolicy(hx::trellan::FocusPolicy::None);
    m_lastGeocoded = text;
    m_geocoding = true;
    emit loading();
    m_location = Location();
    emit addressChanged(text);
}

void DataEdit::onFocusedChanged(bool focused)
{
    if (focused)
        onAddressTextChanged(m_address->text());
}

void DataEdit::showAddressText(const QString &text)
{
    const QSignalBlocker blocker(m_address);
    m_address->setText(text);
}

void DataEdit::onGeocodingResult(Location location, bool success)
{
    m_geocoding = false;
    m_addressValidator->setValid(success);
    m_addressValidator->requestValidation();
    if (success) {
        const QString label = location.address().label();
        showAddressText(label);
        m_lastGeocoded = label;
    }
    m_location = location;
    // The field is reachable again whatever the save does next: a declined question or a store
    // error leaves the user in the form.
    m_address->resetFocusPolicy();
    if (m_savePending) {
        onSave();
        return;
    }
    checkEnableSave();
}

void DataEdit::validateName()
{
    m_nameValidator->setValid(!m_nameField->name()->text().isEmpty());
}

void DataEdit::validateEmail()
{
    const QString text = m_email ? m_email->text() : QString();
    m_emailValidator->setValid(text.isEmpty() || PlaceUtils::emailRegExp.exactMatch(text));
}

void DataEdit::setLocation(const Location &location)
{
    const QString text = addressText(location.address());
    showAddressText(text);
    // The position came with the address: nothing left to geocode before a save.
    m_lastGeocoded = text;
    m_location = location;
    m_modified = true;
    checkEnableSave();
    emit locationCoordinates(location);
}

void DataEdit::geocodeOnSave()
{
    const QString text = m_address->text();
    if (text != m_lastGeocoded) {
        m_savePending = true;
        onAddressTextChanged(text);
        return;
    }
    onSave();
}

bool DataEdit::isContactPlace() const
{
    return IconItemType::isContact(&m_place);
}

void DataEdit::onSave()
{
    m_savePending = false;
    if (!m_nameField->update())
        return;
    if (isContactPlace() || IconItemType::isMyHome(&m_place) || IconItemType::isMyWork(&m_place)) {
        emit saveContinue();
        return;
    }
    Place temporary(m_place);
    contentToPlace(temporary);
    updateLocation(temporary, m_location);
    if (m_place.isPersisted() && compareNameLocation(temporary, m_place)) {
        emit saveContinue();
        return;
    }

    QList<QSharedPointer<AbstractPlace>> equivalents = PlaceManagerUI::findEquivalentPlaces(temporary, 0, false);
    if (m_place.isPersisted()) {
        const qint64 id = m_place.id();
        equivalents.erase(std::remove_if(equivalents.begin(), equivalents.end(),
                                         [id](const QSharedPointer<AbstractPlace> &p) { return p && p->id() == id; }),
                          equivalents.end());
    }
    if (equivalents.isEmpty() || equivalents.first().isNull()) {
        emit saveContinue();
        return;
    }
    const QSharedPointer<Place> duplicate = PlaceManagerUI::convertToPlace(equivalents.first());
    m_duplicateId = duplicate ? duplicate->id() : equivalents.first()->id();
    if (!m_duplicateDialog)
        m_duplicateDialog = new DuplicatePlaceDialog(this);
    connect(m_duplicateDialog, &DuplicatePlaceDialog::finished, this, &DataEdit::onDuplicateDialogFinished,
            Qt::UniqueConnection);
    m_duplicateDialog->show();
}

void DataEdit::onDuplicateDialogFinished(hx::system::SystemUiResult::Type result)
{
    if (result != hx::system::SystemUiResult::ConfirmButtonSelection)
        return;
    updateOrAddPlace({ m_duplicateId });
}

void DataEdit::onSaveContinue()
{
    updateOrAddPlace({});
}

bool DataEdit::compareNameLocation(const Place &a, const Place &b)
{
    if (a.name() != b.name())
        return false;
    const bool aValid = hasValidCoordinates(a);
    const bool bValid = hasValidCoordinates(b);
    if (aValid != bValid)
        return false;
    if (!aValid)
        return true;
    return a.location(0) == b.location(0);
}

void DataEdit::contentToPlace(Place &place) const
{
    // The fields take no more than these as typed or pasted; a long text the place came with is
    // cut here.
    place.setName(LinkParts::cutText(m_nameField->name()->text(), TEXT_LENGTH));
    if (m_description)
        place.setDescription(LinkParts::cutText(m_description->text(), DESCRIPTION_LENGTH));
    if (!m_phone && !m_email && !m_webSite)
        return;
    const QString phone = m_phone ? LinkParts::cutText(m_phone->text(), TEXT_LENGTH) : QString();
    const QString email = m_email ? LinkParts::cutText(m_email->text(), TEXT_LENGTH) : QString();
    const QString url = m_webSite ? LinkParts::cutText(m_webSite->text(), URL_LENGTH) : QString();
    if (!place.hasAuxiliaryData()) {
        PointOfInterestAuxiliaryData poi;
        poi.setPhoneNumber(phone);
        poi.setEmailAddress(email);
        poi.setUrl(QUrl(url));
        place.addAuxiliaryData(poi);
        return;
    }
    const AuxiliaryData first = place.auxiliaryData().first();
    if (first.type() != QLatin1String(AuxiliaryData::TypePointOfInterest))
        return; // a contact's details stay the contact's
    PointOfInterestAuxiliaryData poi(first);
    poi.setPhoneNumber(phone);
    poi.setUrl(QUrl(url));
    poi.setEmailAddress(email);
    place.setAuxiliaryData(0, poi);
}

void DataEdit::updateOrAddPlace(QList<qint64> replaced)
{
    contentToPlace(m_place);
    const bool storedContact = isContactPlace() && m_place.isPersisted();
    if (!storedContact || (!hasValidCoordinates(m_place) && m_location.coordinates().isValid()))
        updateLocation(m_place, m_location);
    if (!m_place.isFavorite())
        m_place.addTag(QLatin1String(Tags::Favorite));

    // The duplicate and the Home or Work given up go in the same write as the save, so a save
    // that fails keeps them.
    replaced << m_nameField->replacedId();
    const bool stored = m_place.isPersisted();
    const Error::Type error = PlaceManagerUI::replacePlaces(replaced, m_place, false);
    if (error != Error::None) {
        Log::debug() << (stored ? "hx::trellan::places::DataEdit::updateOrAddPlace(): updatePlace error = "
                                : "hx::trellan::places::DataEdit::updateOrAddPlace(): addPlace error = ")
                     << int(error);
        return;
    }
    HomeWorkCache::setDirty(HomeWorkCache::All);
    emit saved();
    emit placeUpdated();
}

void DataEdit::updateMyHome()
{
    updateStoredHomeOrWork(true);
}

void DataEdit::updateMyWork()
{
    updateStoredHomeOrWork(false);
}

void DataEdit::updateStoredHomeOrWork(bool home)
{
    const QSharedPointer<PlaceHeader> header = home ? HomeWorkCache::myHome() : HomeWorkCache::myWork();
    if (!header)
        return;
    Error::Type error = Error::None;
    QScopedPointer<Place> stored(PlaceManagerUI::getPlace(header.data(), error, true));
    if (error != Error::None || !stored) {
        Log::debug() << (home ? "hx::trellan::places::DataEdit::updateMyHome(): error = "
                              : "hx::trellan::places::DataEdit::updateMyWork(): error = ")
                     << int(error);
        return;
    }
    contentToPlace(*stored);
    PlaceManagerUI::addRecentlyPickedPlace(*stored, true);
    HomeWorkCache::setDirty(home ? HomeWorkCache::Home : HomeWorkCache::Work);
}

void DataEdit::onAddFieldAction()
{
    // Opened by the page's Add Field action; the sheet deletes itself once closed.
    auto *sheet = new FieldTypesSheet(m_fieldTypes, this);
    connect(sheet, &FieldTypesSheet::addField, this, &DataEdit::onAddField);
    sheet->open();
}

void DataEdit::onAddField(int fieldId)
{
    if (!m_fieldTypes.removeOne(fieldId))
        return;
    if (m_fieldTypes.isEmpty())
        emit updateAddFieldActionState(false);
    if (fieldId == 0)
        createWebSiteField(QString(), true);
    else if (fieldId == 1)
        createEmailField(QString(), true);
    else if (fieldId == 2)
        createDescriptionField(QString(), true);
    emit updateDataModel(fieldId);
}

void DataEdit::onShowAllFields()
{
    createEmailField(QString(), false);
    createWebSiteField(QString(), false);
    createDescriptionField(QString(), false);
    m_fieldTypes.clear();
    emit updateAddFieldActionState(false);
}

} // namespace places
} // namespace trellan
} // namespace hx

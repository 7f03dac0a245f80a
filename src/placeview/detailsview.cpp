#include <hx/trellan/places/detailsview.h>

#include <hx/device/displayinfo.h>
#include <hx/platform/places/contactauxiliarydata.h>
#include <hx/platform/places/reservationauxiliarydata.h>
#include <hx/platform/places/tags.h>
#include <hx/trellan/divider.h>
#include <hx/trellan/enums.h>
#include <hx/trellan/places/cclutils.h>
#include <hx/trellan/places/descriptiontext.h>
#include <hx/trellan/places/detaildescription.h>
#include <hx/trellan/places/detaillistitem.h>
#include <hx/trellan/places/detailliststatusitem.h>
#include <hx/trellan/places/detaillistvalue.h>
#include <hx/trellan/places/emailtext.h>
#include <hx/trellan/places/imageset.h>
#include <hx/trellan/places/phonetext.h>
#include <hx/trellan/places/placeutils.h>
#include <hx/trellan/places/placeviewutils.h>
#include <hx/trellan/places/shopstatus.h>
#include <hx/trellan/places/todayshours.h>
#include <hx/trellan/places/translatabledetailcaption.h>
#include <hx/trellan/places/uritext.h>
#include <hx/trellan/places/webreview.h>
#include <hx/trellan/stacklayout.h>
#include <hx/trellan/taphandler.h>
#include <hx/trellan/uiconfig.h>

#include <QtCore/QLocale>
#include <QtCore/QRegExp>

using hx::platform::places::AbstractPlace;
using hx::platform::places::AuxiliaryData;
using hx::platform::places::ContactAuxiliaryData;
using hx::platform::places::DayOfWeek;
using hx::platform::places::Place;
using hx::platform::places::PointOfInterestAuxiliaryData;
using hx::platform::places::ReservationAuxiliaryData;
using hx::platform::places::Tags;
using hx::platform::places::TimeRange;

namespace hx {
namespace trellan {
namespace places {

namespace {

std::function<QDateTime()> &timeSource()
{
    static std::function<QDateTime()> source;
    return source;
}

QDateTime currentUtc()
{
    return timeSource() ? timeSource()().toUTC() : QDateTime::currentDateTimeUtc();
}

// Sunday 0 … Saturday 6, from Qt's Monday 1 … Sunday 7.
int dayOfWeekMapper(int qtDay)
{
    return qtDay == 7 ? 0 : qtDay;
}

int previousDay(int qtDay)
{
    return qtDay == 1 ? 0 : qtDay - 1;
}

int nextDay(int qtDay)
{
    if (qtDay == 7)
        return 1;
    if (qtDay == 6)
        return 0;
    return qtDay + 1;
}

bool startsAtMidnight(const TimeRange &range)
{
    return range.startHour() == 0 && range.startMinute() == 0;
}

bool endsAtMidnight(const TimeRange &range)
{
    return range.endHour() == 24 && range.endMinute() == 0;
}

QDateTime timeOnDay(const QDateTime &day, int hour, int minute)
{
    return QDateTime(day.date(), QTime(hour, minute), Qt::UTC);
}

// The first range of a day that runs into the next day.
const TimeRange *continuedToNextDay(const QList<TimeRange> &ranges)
{
    for (const TimeRange &range : ranges) {
        if (endsAtMidnight(range) && !startsAtMidnight(range))
            return &range;
    }
    return nullptr;
}

// The first range of a day that carries on from the day before.
const TimeRange *continuedFromPreviousDay(const QList<TimeRange> &ranges)
{
    for (const TimeRange &range : ranges) {
        if (startsAtMidnight(range) && !endsAtMidnight(range))
            return &range;
    }
    return nullptr;
}

Container *column(QObject *parent)
{
    auto *container = new Container(parent);
    auto *layout = new StackLayout(container);
    layout->setOrientation(LayoutOrientation::TopToBottom);
    container->setLayout(layout);
    container->setHorizontalAlignment(HorizontalAlignment::Fill);
    return container;
}

QString valueName(int caption)
{
    QString name = QString::fromLatin1(TranslatableDetailCaption::englishText(caption));
    name.remove(QRegExp(QStringLiteral("[^A-Za-z]")));
    return name + QStringLiteral("Value");
}

} // namespace

DetailsView::DetailsView(const Place &place, PlaceViewMode::Type mode, QObject *parent)
    : Container(parent), m_placeName(place.name()), m_assistantMode(mode == PlaceViewMode::ZantA), m_mode(mode)
{
    setObjectName(QStringLiteral("DetailsView"));
    setLayout(new StackLayout(this));
    setHorizontalAlignment(HorizontalAlignment::Fill);
    m_top = column(this);
    m_top->setObjectName(QStringLiteral("DetailsTop"));
    m_top->setFocusPolicy(FocusPolicy::None);
    add(m_top);
    m_reservation = column(this);
    m_reservation->setObjectName(QStringLiteral("DetailsReservation"));
    m_reservation->setVisible(false);

    const hx::device::DisplayInfo display;
    if (display.width() >= PlaceUtils::VELMORA_WIDTH && display.aspectType() == hx::device::DisplayAspectType::Square)
        buildTwoColumns();

    const QList<AuxiliaryData> data = place.auxiliaryData();
    if (!data.isEmpty()) {
        const QString type = data.first().type();
        if (type == QLatin1String(AuxiliaryData::TypeContact))
            buildContactDetails(place);
        else if (type == QLatin1String(AuxiliaryData::TypePointOfInterest)
                 && place.source() == AbstractPlace::SourceManualInput)
            buildFavoriteDetails(place);
        else if (type == QLatin1String(AuxiliaryData::TypePointOfInterest))
            buildPointOfInterestDetails(place);
    }
    retranslateUI();
}

DetailsView::~DetailsView() = default;

void DetailsView::setTimeSource(const std::function<QDateTime()> &source)
{
    timeSource() = source;
}

void DetailsView::buildTwoColumns()
{
    m_twoColumns = true;
    const auto twoColumns = [this] {
        auto *container = new Container(this);
        auto *layout = new StackLayout(container);
        layout->setOrientation(LayoutOrientation::LeftToRight);
        container->setLayout(layout);
        container->add(column(container));
        container->add(column(container));
        return container;
    };
    m_columns = twoColumns();
    add(m_columns);
    add(m_reservation);
    add(twoColumns());
}

bool DetailsView::hasAdditionalInformation(const PointOfInterestAuxiliaryData &poi)
{
    return !poi.parking().isEmpty() || !poi.reservation().isEmpty() || !poi.priceRange().isEmpty()
        || !poi.paymentMethods().isEmpty() || !poi.openingHoursString().isEmpty();
}

bool DetailsView::openingHours(const PointOfInterestAuxiliaryData &poi, QList<TimeRange> &todaysRanges, QDateTime &now,
                               bool &open)
{
    const int offset = poi.utcOffsetSeconds();
    if (offset < -86399 || offset > 86399)
        return false;
    now = currentUtc().addSecs(offset);
    const int qtDay = now.date().dayOfWeek();
    const auto hours = poi.openingHours();
    const auto day = DayOfWeek::Type(dayOfWeekMapper(qtDay));
    open = false;
    if (!hours.contains(day))
        return true;
    todaysRanges = hours.value(day);
    const QList<TimeRange> yesterday = hours.value(DayOfWeek::Type(previousDay(qtDay)));
    const QList<TimeRange> tomorrow = hours.value(DayOfWeek::Type(nextDay(qtDay)));
    for (int i = 0; i < todaysRanges.size();) {
        TimeRange &range = todaysRanges[i];
        QDateTime start = timeOnDay(now, range.startHour(), range.startMinute());
        QDateTime end = endsAtMidnight(range) ? timeOnDay(now.addDays(1), 0, 0)
                                              : timeOnDay(now, range.endHour(), range.endMinute());
        const TimeRange *before = startsAtMidnight(range) ? continuedToNextDay(yesterday) : nullptr;
        const TimeRange *after = endsAtMidnight(range) ? continuedFromPreviousDay(tomorrow) : nullptr;
        if (before) {
            if (end <= now) {
                todaysRanges.removeAt(i);
                continue;
            }
            start = timeOnDay(now.addDays(-1), before->startHour(), before->startMinute());
            range.setStartHour(before->startHour());
            range.setStartMinute(before->startMinute());
        } else if (after) {
            end = timeOnDay(now.addDays(1), after->endHour(), after->endMinute());
            range.setEndHour(after->endHour());
            range.setEndMinute(after->endMinute());
        }
        if (start <= now && now < end) {
            open = true;
            return true;
        }
        ++i;
    }
    return true;
}

Control *DetailsView::todaysHoursRow(const PointOfInterestAuxiliaryData &poi)
{
    QList<TimeRange> today;
    QDateTime now;
    bool open = false;
    if (poi.openingHours().isEmpty() || !openingHours(poi, today, now, open))
        return nullptr;
    auto *caption = new TranslatableDetailCaption(TranslatableDetailCaption::TodaysHours);
    if (today.isEmpty())
        return new DetailListItem(ImageSet::HOURS(), caption, new ShopStatus(false), false, true, this);
    auto *hours = new TodaysHours(today, now);
    hours->setObjectName(valueName(TranslatableDetailCaption::TodaysHours));
    return new DetailListStatusItem(ImageSet::HOURS(), caption, hours, new ShopStatus(open), false, this);
}

Control *DetailsView::valueRow(int caption, const Image &icon, Control *value, bool focusable, bool customHighlight)
{
    value->setObjectName(valueName(caption));
    auto *row = new DetailListItem(icon, new TranslatableDetailCaption(caption), value, focusable, true, this);
    row->setCustomHighlightEnabled(customHighlight);
    return row;
}

Control *DetailsView::createPhoneItem(const QString &number, int caption, bool addPlus)
{
    const QString trimmed = number.trimmed();
    if (trimmed.isEmpty())
        return nullptr;
    const QString formatted = PlaceUtils::formatPhoneNumber(trimmed, addPlus);
    // A number the formatter cannot read is shown as typed, and nothing about it can be acted on.
    const bool readable = !formatted.isNull();
    auto *phone = new PhoneText(readable ? formatted : trimmed, false, false, m_assistantMode);
    connect(phone, &PhoneText::makeZANTCall, this, &DetailsView::makeZANTCall);
    Image icon = ImageSet::PHONE();
    if (caption == TranslatableDetailCaption::WorkPhoneNumber)
        icon = ImageSet::CONTACT_WORK_PHONE();
    else if (caption == TranslatableDetailCaption::HomePhoneNumber)
        icon = ImageSet::CONTACT_HOME_PHONE();
    else if (caption == TranslatableDetailCaption::MobilePhoneNumber)
        icon = ImageSet::CONTACT_MOBILE_PHONE();
    return valueRow(caption, icon, phone, readable);
}

QList<Control *> DetailsView::contactRows(const Place &place, bool formatNumbers, const QString &phone,
                                          const QString &email, const QUrl &url, const QString &description,
                                          bool describedAsPlainText)
{
    Q_UNUSED(place)
    QList<Control *> rows;
    if (Control *row = createPhoneItem(phone, TranslatableDetailCaption::PhoneNumber, formatNumbers))
        rows << row;
    if (m_assistantMode)
        return rows;
    if (!email.trimmed().isEmpty())
        rows << valueRow(TranslatableDetailCaption::Email, ImageSet::EMAIL(), new EmailText(email.trimmed(), false));
    if (!url.isEmpty())
        rows << valueRow(TranslatableDetailCaption::Website, ImageSet::WEBLINK(), new UriText(url.toString(), false));
    if (!description.trimmed().isEmpty()) {
        Control *value = describedAsPlainText ? static_cast<Control *>(new DetailDescription(description, false))
                                              : new DescriptionText(description, false);
        rows << valueRow(TranslatableDetailCaption::Description, ImageSet::DESCRIPTION(), value, true, false);
    }
    return rows;
}

void DetailsView::buildPointOfInterestDetails(const Place &place)
{
    const PointOfInterestAuxiliaryData poi(place.auxiliaryData().first());
    QList<Control *> rows;
    Control *hours = todaysHoursRow(poi);
    if (hours)
        rows << hours;
    const bool addPlus = place.source() != AbstractPlace::SourceManualInput;
    rows << contactRows(place, addPlus, poi.phoneNumber(), poi.emailAddress(), poi.url(), place.description(), false);
    addItems(rows, 0, false, hours != nullptr);
    if (!m_twoColumns)
        add(m_reservation);
    if (!m_assistantMode)
        addItems(additionalInformationRows(poi), 2, true, false);
}

QList<Control *> DetailsView::additionalInformationRows(const PointOfInterestAuxiliaryData &poi)
{
    const struct
    {
        QString text;
        int caption;
        Image icon;
    } items[] = {
        { poi.parking(), TranslatableDetailCaption::Parking, ImageSet::PARKING() },
        { poi.reservation(), TranslatableDetailCaption::Reservations, ImageSet::RESERVATIONS() },
        { poi.priceRange(), TranslatableDetailCaption::PriceRange, ImageSet::PRICERANGE() },
        { poi.paymentMethods(), TranslatableDetailCaption::PaymentMethod, ImageSet::PAYMENT() },
        { poi.openingHoursString(), TranslatableDetailCaption::HoursOfOperation, ImageSet::HOURS() },
    };
    QList<Control *> rows;
    for (const auto &item : items) {
        if (!item.text.isEmpty())
            rows << valueRow(item.caption, item.icon, new DetailListValue(item.text, false), true, false);
    }
    return rows;
}

void DetailsView::buildFavoriteDetails(const Place &place)
{
    const PointOfInterestAuxiliaryData poi(place.auxiliaryData().first());
    addItems(contactRows(place, false, poi.phoneNumber(), poi.emailAddress(), poi.url(), place.description(), true), 0,
             false, false);
}

void DetailsView::buildContactDetails(const Place &place)
{
    const ContactAuxiliaryData contact(place.auxiliaryData().first());
    QList<Control *> rows;
    const auto addPhone = [&](const QString &number, int caption, bool shown) {
        if (!shown)
            return;
        if (Control *row = createPhoneItem(number, caption, false))
            rows << row;
    };
    addPhone(contact.workPhone(), TranslatableDetailCaption::WorkPhoneNumber, place.hasTag(QLatin1String(Tags::Work)));
    addPhone(contact.homePhone(), TranslatableDetailCaption::HomePhoneNumber, place.hasTag(QLatin1String(Tags::Home)));
    addPhone(contact.mobilePhone(), TranslatableDetailCaption::MobilePhoneNumber, true);
    rows << contactRows(place, false, QString(), contact.emailAddress(), contact.url(), contact.notes(), true);
    addItems(rows, 0, false, false);
}

Control *DetailsView::divider()
{
    auto *holder = new Container(this);
    holder->setObjectName(QStringLiteral("DetailsDivider"));
    holder->setBottomMargin(UIConfig::du(PlaceUtils::SMALL_PADDING));
    holder->setFocusPolicy(FocusPolicy::None);
    auto *line = new Divider(holder);
    line->setFocusPolicy(FocusPolicy::None);
    holder->add(line);
    return holder;
}

void DetailsView::addItems(const QList<Control *> &rows, int header, bool hideable, bool firstToTop)
{
    if (rows.isEmpty())
        return;
    QList<Control *> rest = rows;
    if (firstToTop)
        m_top->add(rest.takeFirst());
    Control *line = divider();
    if (hideable)
        m_englishOnly << line;
    if (!m_twoColumns) {
        add(line);
        for (Control *row : rest)
            add(row);
    } else {
        Container *columns = header == 2 ? qobject_cast<Container *>(at(count() - 1)) : m_columns;
        if (header == 0)
            insert(1, line);
        else if (header == 2)
            insert(count() - 1, line);
        for (int i = 0; i < rest.size(); ++i)
            qobject_cast<Container *>(columns->at(i % 2))->add(rest.at(i));
    }
    if (hideable)
        m_englishOnly << rest;
}

void DetailsView::retranslateUI()
{
    // The C locale shows the texts as written, which is English too.
    const QLocale::Language language = QLocale().language();
    const bool english = language == QLocale::English || language == QLocale::C;
    for (Control *control : qAsConst(m_englishOnly))
        control->setVisible(english);
}

void DetailsView::onSearchResult(const QList<AuxiliaryData> &data)
{
    for (const AuxiliaryData &item : data) {
        if (item.type() != QLatin1String(AuxiliaryData::TypeReservation))
            continue;
        m_reservationUrl = ReservationAuxiliaryData(item).url();
        break;
    }
    if (m_reservationUrl.toString().isEmpty() || m_reservation->count() > 0)
        return;
    auto *caption = new TranslatableDetailCaption(TranslatableDetailCaption::MakeAReservation);
    caption->setObjectName(QStringLiteral("MakeAReservation"));
    TextStyle style = PlaceViewUtils::urlTextStyle();
    style.setColor(PlaceUtils::PHONE_TEXT_COLOR);
    caption->setTextStyle(style);
    auto *row = new DetailListItem(ImageSet::FOOD(), caption, nullptr, true, true, m_reservation);
    auto *tap = new TapHandler(row);
    connect(tap, &TapHandler::tapped, this, &DetailsView::onTap);
    row->addGestureHandler(tap);
    m_reservation->add(divider());
    m_reservation->add(row);
    m_reservation->setVisible(true);
}

void DetailsView::onTap(hx::trellan::TapEvent *)
{
    CCLUtils::logPlacesOpenTableClick(m_placeName);
    // A closed page is not kept for nothing while the card stays.
    if (m_bookingPage)
        m_bookingPage->deleteLater();
    m_bookingPage = new WebReview(m_reservationUrl, this);
    m_bookingPage->open();
}

} // namespace places
} // namespace trellan
} // namespace hx

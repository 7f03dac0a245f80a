#include <hx/platform/places/contactauxiliarydata.h>
#include <hx/platform/places/placemanager.h>
#include <hx/platform/places/pointofinterestauxiliarydata.h>
#include <hx/platform/places/provider.h>
#include <hx/platform/places/reservationauxiliarydata.h>
#include <hx/platform/places/tags.h>
#include <hx/system/invokemanager.h>
#include <hx/system/invokerequest.h>
#include <hx/system/localehandler.h>
#include <hx/trellan/enums.h>
#include <hx/trellan/places/browserutils.h>
#include <hx/trellan/places/detaillistitem.h>
#include <hx/trellan/places/detailsview.h>
#include <hx/trellan/places/phonetext.h>
#include <hx/trellan/places/placeutils.h>
#include <hx/trellan/places/viewplacecontent.h>
#include <hx/trellan/places/webreview.h>
#include <hx/trellan/screentext.h>
#include <hx/trellan/testdriver.h>

#include "storefixture.h"
#include "testroots.h"

#include <QtTest/QSignalSpy>
#include <QtTest/QtTest>

using namespace hx::platform::places;
using namespace hx::trellan::places;
using hx::system::InvokeManager;
using hx::test::StoreFixture;
using hx::trellan::ScreenText;
using hx::trellan::TestDriver;

using Hours = QMap<int, QList<TimeRange>>;
Q_DECLARE_METATYPE(Hours)

namespace {

// Monday 7 December 2026.
QDateTime monday(int hour, int minute)
{
    return QDateTime(QDate(2026, 12, 7), QTime(hour, minute), Qt::UTC);
}

Place storedPlace(Place place)
{
    PlaceManager manager;
    if (manager.addPlace(place) != Error::None)
        qWarning() << "cannot store" << place.name();
    Error::Type error = Error::None;
    QScopedPointer<Place> read(manager.getPlace(place.id(), error));
    return read ? *read : place;
}

// A point of interest found by search, stored with its details.
Place poiPlace(const PointOfInterestAuxiliaryData &poi, const QString &description = QString())
{
    Place place = StoreFixture::makePlace(QStringLiteral("Café Pyrus"), 43.4643, -80.5204, QStringLiteral("1 King St"),
                                          QStringLiteral("Waterloo"));
    place.setSource(AbstractPlace::SourceGeocodeService);
    place.setDescription(description);
    place.addAuxiliaryData(poi);
    return storedPlace(place);
}

PointOfInterestAuxiliaryData withHours(const Hours &hours, int offset)
{
    PointOfInterestAuxiliaryData poi;
    PointOfInterestAuxiliaryData::OpeningHours map;
    for (auto it = hours.begin(); it != hours.end(); ++it)
        map.insert(DayOfWeek::Type(it.key()), it.value());
    poi.setOpeningHours(map);
    poi.setUtcOffsetSeconds(offset);
    return poi;
}

PointOfInterestAuxiliaryData contactDetails()
{
    PointOfInterestAuxiliaryData poi;
    poi.setPhoneNumber(QStringLiteral("+1 519-555-0100"));
    poi.setEmailAddress(QStringLiteral("hello@pyrus.example"));
    poi.setUrl(QUrl(QStringLiteral("http://pyrus.example")));
    poi.setParking(QStringLiteral("Street parking"));
    poi.setPriceRange(QStringLiteral("$$"));
    return poi;
}

} // namespace

class tst_DetailsView : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void todaysHours_data();
    void todaysHours();
    void rowsOfEachKindOfPlace_data();
    void rowsOfEachKindOfPlace();
    void numberTheFormatterRejectsIsShownRaw();
    void rowsTapIntoTheirInvocations_data();
    void rowsTapIntoTheirInvocations();
    void assistantCallsInsteadOfDialling();
    void reservationRowArrivesWithTheRatingReply();
    void additionalInformationFollowsTheLanguage();

private:
    QScopedPointer<hx::test::TestRoots> m_roots;
};

void tst_DetailsView::init()
{
    m_roots.reset(new hx::test::TestRoots);
    QVERIFY(m_roots->isValid());
    hx::system::LocaleHandler::setLanguage(QStringLiteral("en_US"));
    InvokeManager::clearRecordedRequests();
}

void tst_DetailsView::cleanup()
{
    DetailsView::setTimeSource(nullptr);
    hx::system::LocaleHandler::setLanguage(QStringLiteral("en_US"));
    m_roots.reset();
}

void tst_DetailsView::todaysHours_data()
{
    QTest::addColumn<Hours>("hours");
    QTest::addColumn<int>("offset");
    QTest::addColumn<QDateTime>("now");
    QTest::addColumn<QStringList>("shown");
    QTest::addColumn<QStringList>("notShown");

    const TimeRange lateEvening(22, 0, 24, 0);
    const TimeRange earlyMorning(0, 0, 2, 0);
    const TimeRange office(9, 0, 17, 0);
    const Hours acrossMidnight { { 1, { lateEvening } }, { 2, { earlyMorning, office } } };

    QTest::newRow("late evening runs on past midnight and is open at 23:30")
        << acrossMidnight << 0 << monday(23, 30) << QStringList { "Today's Hours", "10:00 PM - 2:00 AM", "OPEN" }
        << QStringList { "CLOSED" };
    QTest::newRow("at 01:00 the next day the night's range began at 22:00 and is open")
        << acrossMidnight << 0 << monday(1, 0).addDays(1)
        << QStringList { "10:00 PM - 2:00 AM", "9:00 AM - 5:00 PM", "OPEN" } << QStringList { "12:00 AM", "CLOSED" };
    QTest::newRow("at 03:00 the night's range is over and left out")
        << acrossMidnight << 0 << monday(3, 0).addDays(1) << QStringList { "9:00 AM - 5:00 PM", "CLOSED" }
        << QStringList { "2:00 AM", "OPEN" };
    QTest::newRow("open on the first minute") << Hours { { 1, { office } } } << 0 << monday(9, 0)
                                              << QStringList { "9:00 AM - 5:00 PM", "OPEN" } << QStringList();
    QTest::newRow("closed on the closing minute") << Hours { { 1, { office } } } << 0 << monday(17, 0)
                                                  << QStringList { "9:00 AM - 5:00 PM", "CLOSED" } << QStringList();
    QTest::newRow("the place's own offset decides the day")
        << Hours { { 2, { office } } } << 10 * 3600 << monday(23, 0) << QStringList { "9:00 AM - 5:00 PM", "OPEN" }
        << QStringList();
    QTest::newRow("hours on other days only: closed with no times")
        << Hours { { 2, { office } } } << 0 << monday(12, 0) << QStringList { "Today's Hours", "CLOSED" }
        << QStringList { "AM", "OPEN" };
    QTest::newRow("no hours at all: no row")
        << Hours() << 0 << monday(12, 0) << QStringList() << QStringList { "Today's Hours", "OPEN", "CLOSED" };
    QTest::newRow("an offset of a whole day hides the row")
        << Hours { { 1, { office } } } << 86400 << monday(12, 0) << QStringList()
        << QStringList { "Today's Hours", "OPEN", "CLOSED" };
}

void tst_DetailsView::todaysHours()
{
    QFETCH(Hours, hours);
    QFETCH(int, offset);
    QFETCH(QDateTime, now);
    QFETCH(QStringList, shown);
    QFETCH(QStringList, notShown);
    DetailsView::setTimeSource([now] { return now; });
    DetailsView view(poiPlace(withHours(hours, offset)), PlaceViewMode::View);
    const QString screen = ScreenText::render(&view);
    for (const QString &text : qAsConst(shown))
        QVERIFY2(screen.contains(text), qPrintable(text + QStringLiteral(" missing in\n") + screen));
    for (const QString &text : qAsConst(notShown))
        QVERIFY2(!screen.contains(text), qPrintable(text + QStringLiteral(" shown in\n") + screen));
}

void tst_DetailsView::rowsOfEachKindOfPlace_data()
{
    QTest::addColumn<int>("kind"); // 0 point of interest, 1 favourite, 2 contact
    QTest::addColumn<int>("mode");
    QTest::addColumn<QStringList>("shown");
    QTest::addColumn<QStringList>("notShown");

    QTest::newRow("a point of interest") << 0 << int(PlaceViewMode::View)
                                         << QStringList { "Phone Number",
                                                          "Email",
                                                          "hello@pyrus.example",
                                                          "Website",
                                                          "http://pyrus.example",
                                                          "Description",
                                                          "Good coffee",
                                                          "Parking",
                                                          "Street parking",
                                                          "Price Range",
                                                          "$$" }
                                         << QStringList { "Payment Method", "Hours of operation" };
    QTest::newRow("a point of interest in the assistant card")
        << 0 << int(PlaceViewMode::ZantA) << QStringList { "Phone Number" }
        << QStringList { "Email", "Website", "Description", "Parking", "Price Range" };
    QTest::newRow("a favourite has no additional information")
        << 1 << int(PlaceViewMode::View) << QStringList { "Phone Number", "Email", "Website", "Good coffee" }
        << QStringList { "Parking", "Price Range" };
    QTest::newRow("a contact's work address shows the work and mobile phones")
        << 2 << int(PlaceViewMode::View)
        << QStringList { "Work Phone Number", "Mobile Phone Number", "Email", "ana@example.org", "Call after 5" }
        << QStringList { "Home Phone Number" };
}

void tst_DetailsView::rowsOfEachKindOfPlace()
{
    QFETCH(int, kind);
    QFETCH(int, mode);
    QFETCH(QStringList, shown);
    QFETCH(QStringList, notShown);

    Place place;
    if (kind == 2) {
        place = StoreFixture::makePlace(QStringLiteral("Ana Silva"), 43.47, -80.54,
                                        QStringLiteral("200 University Ave"), QStringLiteral("Waterloo"));
        place.setSource(AbstractPlace::SourceContact);
        place.addTag(QLatin1String(Tags::Work));
        ContactAuxiliaryData contact;
        contact.setWorkPhone(QStringLiteral("+1 519-555-0199"));
        contact.setHomePhone(QStringLiteral("+1 519-555-0111"));
        contact.setMobilePhone(QStringLiteral("+1 226-555-0123"));
        contact.setEmailAddress(QStringLiteral("ana@example.org"));
        contact.setNotes(QStringLiteral("Call after 5"));
        place.addAuxiliaryData(contact);
        place = storedPlace(place);
    } else {
        place = poiPlace(contactDetails(), QStringLiteral("Good coffee"));
        if (kind == 1) {
            place.setSource(AbstractPlace::SourceManualInput);
            place.addTag(QLatin1String(Tags::Favorite));
        }
    }
    DetailsView view(place, PlaceViewMode::Type(mode));
    const QString screen = ScreenText::render(&view);
    for (const QString &text : qAsConst(shown))
        QVERIFY2(screen.contains(text), qPrintable(text + QStringLiteral(" missing in\n") + screen));
    for (const QString &text : qAsConst(notShown))
        QVERIFY2(!screen.contains(text), qPrintable(text + QStringLiteral(" shown in\n") + screen));
}

void tst_DetailsView::numberTheFormatterRejectsIsShownRaw()
{
    PointOfInterestAuxiliaryData poi;
    poi.setPhoneNumber(QStringLiteral("  ask at the bar  "));
    DetailsView view(poiPlace(poi), PlaceViewMode::View);
    auto *phone = TestDriver::find<PhoneText>(&view, QStringLiteral("PhoneNumberValue"));
    QVERIFY2(phone, qPrintable(ScreenText::render(&view)));
    QCOMPARE(phone->text(), QStringLiteral("ask at the bar"));
    QObject *row = phone;
    while (row && !qobject_cast<DetailListItem *>(row))
        row = row->parent();
    QVERIFY(row);
    QCOMPARE(qobject_cast<DetailListItem *>(row)->focusPolicy(), int(hx::trellan::FocusPolicy::None));
}

void tst_DetailsView::rowsTapIntoTheirInvocations_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("action");
    QTest::addColumn<QString>("target");
    QTest::newRow("phone") << "PhoneNumberValue"
                           << "hx.action.DIAL"
                           << "";
    QTest::newRow("e-mail") << "EmailValue"
                            << "hx.action.COMPOSE"
                            << "sys.pim.uib.email.hybridcomposer";
    QTest::newRow("website") << "WebsiteValue"
                             << "hx.action.OPEN"
                             << "sys.browser";
}

void tst_DetailsView::rowsTapIntoTheirInvocations()
{
    QFETCH(QString, value);
    QFETCH(QString, action);
    QFETCH(QString, target);
    DetailsView view(poiPlace(contactDetails()), PlaceViewMode::View);
    if (target == QLatin1String("sys.browser"))
        QTest::ignoreMessage(QtWarningMsg,
                             "hx::trellan::places::BrowserUtils::onInvokeReplyFinished(): failed invoking, error =1");
    QVERIFY2(TestDriver::tap(&view, value), qPrintable(TestDriver::lastError()));
    const auto requests = InvokeManager::recordedRequests();
    QCOMPARE(requests.size(), 1);
    QCOMPARE(requests.first().action(), action);
    QCOMPARE(requests.first().target(), target);
    if (target == QLatin1String("sys.browser"))
        // Nobody answers to the browser here: its reply reports that, then is cleaned up.
        QTRY_COMPARE(view.findChild<BrowserUtils *>()->findChildren<QObject *>().size(), 1);
}

void tst_DetailsView::assistantCallsInsteadOfDialling()
{
    DetailsView view(poiPlace(contactDetails()), PlaceViewMode::ZantA);
    QSignalSpy call(&view, &DetailsView::makeZANTCall);
    QVERIFY(TestDriver::tap(&view, QStringLiteral("PhoneNumberValue")));
    QCOMPARE(call.size(), 1);
    QVERIFY(call.first().first().toString().contains(QStringLiteral("555")));
    QVERIFY(InvokeManager::recordedRequests().isEmpty());
}

void tst_DetailsView::reservationRowArrivesWithTheRatingReply()
{
    PointOfInterestAuxiliaryData yelp;
    yelp.setProvider(Provider(QStringLiteral("Yelp")));
    yelp.setRating(4.0);
    yelp.setRatingCount(3);
    Place place = poiPlace(contactDetails());
    ReservationAuxiliaryData reservation;
    reservation.setUrl(QUrl(QStringLiteral("http://127.0.0.1/reserve/pyrus")));
    // Provided, like the ratings, by the stand-in for the online services.
    reservation.setProvider(Provider(QLatin1String(Provider::Gazetteer)));
    place.addAuxiliaryData(yelp);
    place.addAuxiliaryData(reservation);
    PlaceManager manager;
    QCOMPARE(manager.updatePlace(place), Error::None);

    ViewPlaceContent content(QSharedPointer<Place>(new Place(place)), PlaceViewMode::View, true);
    QVERIFY(!ScreenText::render(&content).contains(QStringLiteral("Make a reservation")));
    QTRY_VERIFY2(ScreenText::render(&content).contains(QStringLiteral("Make a reservation")),
                 qPrintable(ScreenText::render(&content)));
    for (int round = 1; round <= 2; ++round) {
        QVERIFY2(TestDriver::tap(&content, QStringLiteral("MakeAReservation")), qPrintable(TestDriver::lastError()));
        // The page booked from before is not kept once another is opened.
        QTRY_COMPARE(content.findChildren<WebReview *>().size(), 1);
        auto *page = content.findChild<WebReview *>();
        QVERIFY(page->isOpened());
        QVERIFY(TestDriver::triggerAction(page, QStringLiteral("BackAction")));
        QVERIFY(!page->isOpened());
    }
}

void tst_DetailsView::additionalInformationFollowsTheLanguage()
{
    DetailsView::setTimeSource([] { return monday(12, 0); });
    PointOfInterestAuxiliaryData poi = contactDetails();
    poi.setOpeningHours({ { DayOfWeek::Monday, { TimeRange(7, 0, 11, 30) } } });
    DetailsView view(poiPlace(poi), PlaceViewMode::View);
    QVERIFY(ScreenText::render(&view).contains(QStringLiteral("Street parking")));
    QVERIFY(ScreenText::render(&view).contains(QStringLiteral("7:00 AM - 11:30 AM")));
    hx::system::LocaleHandler::setLanguage(QStringLiteral("fr_FR"));
    QTRY_VERIFY2(ScreenText::render(&view).contains(QStringLiteral("Numéro de téléphone")),
                 qPrintable(ScreenText::render(&view)));
    QString screen = ScreenText::render(&view);
    QVERIFY2(!screen.contains(QStringLiteral("Street parking")), qPrintable(screen));
    QVERIFY2(screen.contains(QStringLiteral("Site Web")), qPrintable(screen));
    QVERIFY2(screen.contains(QStringLiteral("Horaires du jour")), qPrintable(screen));
    QVERIFY2(screen.contains(QStringLiteral("07:00 - 11:30")), qPrintable(screen));
    QVERIFY2(screen.contains(QStringLiteral("FERMÉ")), qPrintable(screen));
    hx::system::LocaleHandler::setLanguage(QStringLiteral("en_US"));
    QTRY_VERIFY(ScreenText::render(&view).contains(QStringLiteral("Street parking")));
}

QTEST_MAIN(tst_DetailsView)
#include "tst_detailsview.moc"

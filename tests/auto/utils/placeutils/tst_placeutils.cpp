#include <QtCore/QDateTime>
#include <QtCore/QTimeZone>
#include <QtTest/QtTest>

#include <hx/phone/phonenumberformatter.h>
#include <hx/platform/geo/boundingbox.h>
#include <hx/platform/places/address.h>
#include <hx/platform/places/auxiliarydata.h>
#include <hx/platform/places/contactauxiliarydata.h>
#include <hx/platform/places/location.h>
#include <hx/platform/places/place.h>
#include <hx/platform/places/pointofinterestauxiliarydata.h>
#include <hx/trellan/places/placeutils.h>

#include <cmath>
#include <ctime>

using hx::platform::geo::BoundingBox;
using hx::platform::geo::Point;
using hx::platform::places::AbstractPlace;
using hx::platform::places::Address;
using hx::platform::places::AuxiliaryData;
using hx::platform::places::ContactAuxiliaryData;
using hx::platform::places::Location;
using hx::platform::places::Place;
using hx::platform::places::PointOfInterestAuxiliaryData;
using hx::trellan::places::PlaceUtils;

namespace {

Address addressOf(const QString &street, const QString &city, const QString &region, const QString &country)
{
    Address address;
    address.setStreet(street);
    address.setCity(city);
    address.setRegion(region);
    address.setCountry(country);
    return address;
}

// A box of the given size in kilometres with its top-left corner on the equator at 0 degrees.
BoundingBox boxOfKilometres(double widthKm, double heightKm)
{
    const double kmPerDegree = 111.19508;
    return BoundingBox(Point(0, 0), Point(-heightKm / kmPerDegree, widthKm / kmPerDegree));
}

// One row of a table whose four columns are all texts.
void addFourTexts(const char *name, const char *first, const char *second, const char *third, const char *fourth)
{
    QTest::newRow(name) << QString(first) << QString(second) << QString(third) << QString(fourth);
}

} // namespace

class tst_PlaceUtils : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void distance_data();
    void distance();
    void dayBoundaries_data();
    void dayBoundaries();
    void emailAddresses_data();
    void emailAddresses();
    void phoneNumbers_data();
    void phoneNumbers();
    void rejectedPhoneNumbers_data();
    void rejectedPhoneNumbers();
    void filterPostalCode_data();
    void filterPostalCode();
    void formatGeocodedLocation_data();
    void formatGeocodedLocation();
    void altitudeFromAddress_data();
    void altitudeFromAddress();
    void boundingBoxes_data();
    void boundingBoxes();
    void boundingBoxCentroid();
    void categorySuggestionSearchTerms();
    void serverPointsOfInterest_data();
    void serverPointsOfInterest();
    void singleAuxiliaryData();
    void photoPath();
    void moreDetails_data();
    void moreDetails();

private:
    QByteArray m_savedTz;
    bool m_hadTz = false;
};

void tst_PlaceUtils::initTestCase()
{
    // Day boundaries are local dates: run them in a zone with daylight saving that switches at
    // midnight, where 00:00 does not exist on the day the clocks go forward.
    m_hadTz = qEnvironmentVariableIsSet("TZ");
    m_savedTz = qgetenv("TZ");
    qputenv("TZ", "America/Sao_Paulo");
    tzset();
}

void tst_PlaceUtils::cleanupTestCase()
{
    if (m_hadTz)
        qputenv("TZ", m_savedTz);
    else
        qunsetenv("TZ");
    tzset();
}

void tst_PlaceUtils::distance_data()
{
    QTest::addColumn<double>("latitude1");
    QTest::addColumn<double>("longitude1");
    QTest::addColumn<double>("latitude2");
    QTest::addColumn<double>("longitude2");
    QTest::addColumn<double>("expected");
    QTest::addColumn<double>("tolerance");

    QTest::newRow("identical points are 0 m apart") << 43.47 << -80.54 << 43.47 << -80.54 << 0.0 << 0.0;
    QTest::newRow("one degree of longitude on the equator") << 0.0 << 0.0 << 0.0 << 1.0 << 111195.0 << 1.0;
    QTest::newRow("across the date line is short") << 0.0 << 179.5 << 0.0 << -179.5 << 111195.0 << 1.0;
    QTest::newRow("antipodes do not overflow the square root") << 0.0 << 0.0 << 0.0 << 180.0 << M_PI * 6371009.0 << 1.0;
}

void tst_PlaceUtils::distance()
{
    QFETCH(double, latitude1);
    QFETCH(double, longitude1);
    QFETCH(double, latitude2);
    QFETCH(double, longitude2);
    QFETCH(double, expected);
    QFETCH(double, tolerance);

    const double metres = PlaceUtils::distance(latitude1, longitude1, latitude2, longitude2);
    QVERIFY2(std::fabs(metres - expected) <= tolerance, qPrintable(QString::number(metres, 'f', 3)));
    // The distance is symmetric.
    QCOMPARE(PlaceUtils::distance(latitude2, longitude2, latitude1, longitude1), metres);
}

void tst_PlaceUtils::dayBoundaries_data()
{
    QTest::addColumn<QDateTime>("now");
    QTest::addColumn<QDate>("yesterday");
    QTest::addColumn<QDate>("lastWeek");
    QTest::addColumn<QDate>("lastMonth");

    const QTime noon(12, 0);
    QTest::newRow("a sunday looks back a whole week")
        << QDateTime(QDate(2014, 6, 15), noon) << QDate(2014, 6, 14) << QDate(2014, 6, 8) << QDate(2014, 5, 31);
    QTest::newRow("a monday looks back one day to sunday")
        << QDateTime(QDate(2014, 6, 16), QTime(0, 0)) << QDate(2014, 6, 15) << QDate(2014, 6, 15) << QDate(2014, 5, 31);
    QTest::newRow("the first of the month ends the previous month")
        << QDateTime(QDate(2014, 3, 1), QTime(23, 59, 59)) << QDate(2014, 2, 28) << QDate(2014, 2, 23)
        << QDate(2014, 2, 28);
    // Clocks went forward at midnight on 2014-10-19 in Sao Paulo: that day has no 00:00.
    QTest::newRow("yesterday whose midnight was skipped by daylight saving")
        << QDateTime(QDate(2014, 10, 20), noon) << QDate(2014, 10, 19) << QDate(2014, 10, 19) << QDate(2014, 9, 30);
    QTest::newRow("the day after clocks went back")
        << QDateTime(QDate(2015, 2, 23), noon) << QDate(2015, 2, 22) << QDate(2015, 2, 22) << QDate(2015, 1, 31);
}

void tst_PlaceUtils::dayBoundaries()
{
    QFETCH(QDateTime, now);
    QFETCH(QDate, yesterday);
    QFETCH(QDate, lastWeek);
    QFETCH(QDate, lastMonth);

    const QDateTime results[]
        = { PlaceUtils::endOfYesterday(now), PlaceUtils::endOfLastWeek(now), PlaceUtils::endOfLastMonth(now) };
    const QDate dates[] = { yesterday, lastWeek, lastMonth };
    for (int i = 0; i < 3; ++i) {
        QVERIFY(results[i].isValid());
        QCOMPARE(results[i].timeSpec(), Qt::LocalTime);
        QCOMPARE(results[i].date(), dates[i]);
        // The boundary is the first moment of that day: 00:00, or the first valid time after a skipped midnight.
        QVERIFY(results[i].time() <= QTime(1, 0));
        QVERIFY(results[i] < now);
        QVERIFY(results[i].addSecs(-1).date() < dates[i]);
    }
}

void tst_PlaceUtils::emailAddresses_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("accepted");

    QTest::newRow("a plain address") << QStringLiteral("jane.doe@example.com") << true;
    QTest::newRow("a five-letter top-level domain") << QStringLiteral("x@example.store") << false;
    QTest::newRow("no domain dot") << QStringLiteral("x@localhost") << false;
    QTest::newRow("text around the address") << QStringLiteral("mail x@example.com now") << false;
    QTest::newRow("a blank inside") << QStringLiteral("jane doe@example.com") << false;
}

void tst_PlaceUtils::emailAddresses()
{
    QFETCH(QString, text);
    QFETCH(bool, accepted);
    QRegExp pattern = PlaceUtils::emailRegExp;
    QCOMPARE(pattern.exactMatch(text), accepted);
}

void tst_PlaceUtils::phoneNumbers_data()
{
    QTest::addColumn<QString>("number");
    QTest::addColumn<bool>("addPlus");
    QTest::addColumn<QString>("formatterInput");

    // The formatter's own rules are the platform's: what matters here is what it is given.
    QTest::newRow("ten characters get a plus") << "519 888 7465" << true << "+519 888 7465";
    QTest::newRow("a number with a plus gets no second one") << "+1 519 888 7465" << true << "+1 519 888 7465";
    QTest::newRow("nine characters get no plus") << "888 74659" << true << "888 74659";
    QTest::newRow("blanks do not count") << "  519  888 7465 " << true << "+  519  888 7465 ";
}

void tst_PlaceUtils::phoneNumbers()
{
    QFETCH(QString, number);
    QFETCH(bool, addPlus);
    QFETCH(QString, formatterInput);
    const QLocale saved;
    QLocale::setDefault(QLocale(QStringLiteral("en_CA")));
    bool ok = false;
    const QString expected = hx::phone::PhoneNumberFormatter().format(formatterInput, &ok);
    const QString formatted = PlaceUtils::formatPhoneNumber(number, addPlus);
    QLocale::setDefault(saved);
    QVERIFY(ok);
    QVERIFY(!formatted.isEmpty());
    QCOMPARE(formatted, expected);
    QCOMPARE(formatted.count(QLatin1Char('+')), formatterInput.count(QLatin1Char('+')));
}

void tst_PlaceUtils::rejectedPhoneNumbers_data()
{
    QTest::addColumn<QString>("number");
    QTest::newRow("no digits") << "call me";
    QTest::newRow("far too many digits") << "1234567890123456789012345";
}

void tst_PlaceUtils::rejectedPhoneNumbers()
{
    QFETCH(QString, number);
    QCOMPARE(PlaceUtils::formatPhoneNumber(number, true), QString());
    QCOMPARE(PlaceUtils::formatPhoneNumber(number, false), QString());
}

void tst_PlaceUtils::filterPostalCode_data()
{
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("postal");
    QTest::addColumn<QString>("country");
    QTest::addColumn<QString>("expected");

    const auto row = &addFourTexts;
    const char *toronto = "12 Main St, Toronto ON M5V, Canada";
    row("a partial canadian code is cut with the blank before it", toronto, "M5V", "CAN",
        "12 Main St, Toronto ON, Canada");
    row("a full canadian code stays", "12 Main St, Toronto ON M5V 2T6, Canada", "M5V 2T6", "CAN",
        "12 Main St, Toronto ON M5V 2T6, Canada");
    row("a partial british code at the end of the label", "10 Downing St, London, SW1A", "SW1A", "GBR",
        "10 Downing St, London");
    row("a too long british code is cut too", "London, SW1A 2AA X", "SW1A 2AA X", "GBR", "London");
    row("other countries keep short codes", toronto, "M5V", "USA", toronto);
    row("a code inside a word is not cut", "Toronto XM5V, Canada", "M5V", "CAN", "Toronto XM5V, Canada");
    row("only the first occurrence is cut", "A M5V, B M5V", "M5V", "CAN", "A, B M5V");
    row("a code that is not a valid pattern leaves the label whole", "Toronto (M5V, Canada", "(M5V", "CAN",
        "Toronto (M5V, Canada");
    row("a code at the very start has no separator before it and stays", "M5V Toronto", "M5V", "CAN", "M5V Toronto");
}

void tst_PlaceUtils::filterPostalCode()
{
    QFETCH(QString, label);
    QFETCH(QString, postal);
    QFETCH(QString, country);
    QFETCH(QString, expected);
    QCOMPARE(PlaceUtils::filterPostalCode(label, postal, country), expected);
}

void tst_PlaceUtils::formatGeocodedLocation_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("street");
    QTest::addColumn<QString>("city");
    QTest::addColumn<QString>("expectedLabel");

    const auto row = &addFourTexts;
    row("words are capitalised and joined by single blanks", "12 main st,,  waterloo   on", "12 Main St", "Waterloo",
        "12 Main St Waterloo On");
    row("only the first letter of a word changes", "mcDonald road, oTTAWA", "McDonald Rd", "Ottawa",
        "McDonald Road OTTAWA");
    row("no street, no label", "waterloo", "", "Waterloo", "old label");
    row("a city not in the text, no label", "12 main st", "12 Main St", "Toronto", "old label");
    row("non-ASCII first letters are capitalised", "über straße, zürich", "Über Straße", "Zürich",
        "Über Straße Zürich");
}

void tst_PlaceUtils::formatGeocodedLocation()
{
    QFETCH(QString, text);
    QFETCH(QString, street);
    QFETCH(QString, city);
    QFETCH(QString, expectedLabel);

    Address address = addressOf(street, city, QString(), QString());
    address.setLabel(QStringLiteral("old label"));
    Location location;
    location.setAddress(address);
    const Location formatted = PlaceUtils::formatGeocodedLocation(text, location);
    QCOMPARE(formatted.address().label(), expectedLabel);
    // Nothing but the label changes.
    QCOMPARE(formatted.address().street(), street);
    QCOMPARE(formatted.address().city(), city);
}

void tst_PlaceUtils::altitudeFromAddress_data()
{
    QTest::addColumn<Address>("address");
    QTest::addColumn<double>("altitude");

    QTest::newRow("a street is seen from close by") << addressOf("King St", "Waterloo", "ON", "Canada") << 1600.0;
    QTest::newRow("a country") << addressOf("", "", "", "Canada") << 3276800.0;
    QTest::newRow("an empty address") << Address() << 130.0;
    QTest::newRow("the first part decides even with gaps") << addressOf("King St", "", "", "Canada") << 1600.0;
}

void tst_PlaceUtils::altitudeFromAddress()
{
    QFETCH(Address, address);
    QFETCH(double, altitude);
    QCOMPARE(PlaceUtils::getAltitudeFromAddress(address), altitude);
    QCOMPARE(PlaceUtils::centerOnBoundingBox(address), address.city().isEmpty());
}

void tst_PlaceUtils::boundingBoxes_data()
{
    QTest::addColumn<BoundingBox>("box");
    QTest::addColumn<double>("altitude");

    QTest::newRow("an invalid box") << BoundingBox() << 2000.0;
    QTest::newRow("just under 3 square km") << boxOfKilometres(1, 2.99) << 2000.0;
    QTest::newRow("just over 3 square km") << boxOfKilometres(1, 3.01) << 4000.0;
    QTest::newRow("a city of 1000 square km") << boxOfKilometres(25, 40) << 16000.0;
    QTest::newRow("6000 square km") << boxOfKilometres(60, 100) << 128000.0;
    QTest::newRow("10000 square km skips two steps") << boxOfKilometres(100, 100) << 1024000.0;
    QTest::newRow("a continent") << boxOfKilometres(3000, 3000) << 8192000.0;
}

void tst_PlaceUtils::boundingBoxes()
{
    QFETCH(BoundingBox, box);
    QFETCH(double, altitude);
    QCOMPARE(PlaceUtils::getAltitudeFromBoundingBox(box), altitude);
}

void tst_PlaceUtils::boundingBoxCentroid()
{
    const auto centre = PlaceUtils::boundingBoxCentroid(BoundingBox(Point(44, -81), Point(43, -80)));
    QVERIFY(centre.isValid());
    QCOMPARE(centre.latitude(), 43.5);
    QCOMPARE(centre.longitude(), -80.5);
    QVERIFY(!PlaceUtils::boundingBoxCentroid(BoundingBox()).isValid());
}

void tst_PlaceUtils::categorySuggestionSearchTerms()
{
    Place place;
    place.setName(QStringLiteral("Coffee Shops"));
    QCOMPARE(PlaceUtils::createCategorySuggestionSearchTerms(place), QString());
    place.addAuxiliaryData(AuxiliaryData(QLatin1String(AuxiliaryData::TypePointOfInterest), {}, QStringLiteral("AEE")));
    place.addAuxiliaryData(AuxiliaryData(QLatin1String(AuxiliaryData::TypeContact), {}, QStringLiteral("other")));
    QCOMPARE(PlaceUtils::createCategorySuggestionSearchTerms(place), QStringLiteral("AEE_|_Coffee Shops"));
}

void tst_PlaceUtils::serverPointsOfInterest_data()
{
    QTest::addColumn<QString>("firstType");
    QTest::addColumn<int>("source");
    QTest::addColumn<bool>("serverPoi");

    QTest::newRow("a geocoded point of interest")
        << QString(AuxiliaryData::TypePointOfInterest) << int(AbstractPlace::SourceGeocodeService) << true;
    QTest::newRow("a point of interest typed by the user")
        << QString(AuxiliaryData::TypePointOfInterest) << int(AbstractPlace::SourceManualInput) << false;
    QTest::newRow("a contact") << QString(AuxiliaryData::TypeContact) << int(AbstractPlace::SourceGeocodeService)
                               << false;
    QTest::newRow("no auxiliary data") << QString() << int(AbstractPlace::SourceGeocodeService) << false;
}

void tst_PlaceUtils::serverPointsOfInterest()
{
    QFETCH(QString, firstType);
    QFETCH(int, source);
    QFETCH(bool, serverPoi);
    Place place;
    place.setSource(AbstractPlace::Source(source));
    if (!firstType.isEmpty()) {
        place.addAuxiliaryData(AuxiliaryData(firstType));
        place.addAuxiliaryData(AuxiliaryData(QLatin1String(AuxiliaryData::TypePointOfInterest)));
    }
    QCOMPARE(PlaceUtils::isServerPOI(place), serverPoi);
}

void tst_PlaceUtils::singleAuxiliaryData()
{
    QSharedPointer<Place> place(new Place());
    AuxiliaryData found;
    QVERIFY(!PlaceUtils::getSingleAuxiliaryData(place, QLatin1String(AuxiliaryData::TypeReview), found));
    QVERIFY(
        !PlaceUtils::getSingleAuxiliaryData(QSharedPointer<Place>(), QLatin1String(AuxiliaryData::TypeReview), found));
    place->addAuxiliaryData(AuxiliaryData(QLatin1String(AuxiliaryData::TypeContact), {}, QStringLiteral("c")));
    place->addAuxiliaryData(AuxiliaryData(QLatin1String(AuxiliaryData::TypeReview), {}, QStringLiteral("first")));
    place->addAuxiliaryData(AuxiliaryData(QLatin1String(AuxiliaryData::TypeReview), {}, QStringLiteral("second")));
    QVERIFY(PlaceUtils::getSingleAuxiliaryData(place, QLatin1String(AuxiliaryData::TypeReview), found));
    QCOMPARE(found.externalId(), QStringLiteral("first"));
}

void tst_PlaceUtils::photoPath()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString existing = dir.filePath(QStringLiteral("photo.jpg"));
    QFile file(existing);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("jpeg");
    file.close();

    Place place;
    QCOMPARE(PlaceUtils::getPhotoPath(place), QString());
    ContactAuxiliaryData missing;
    missing.setPhotoPathOriginal(dir.filePath(QStringLiteral("gone.jpg")));
    ContactAuxiliaryData noPhoto;
    ContactAuxiliaryData present;
    present.setPhotoPathOriginal(existing);
    place.addAuxiliaryData(AuxiliaryData(QLatin1String(AuxiliaryData::TypePointOfInterest)));
    place.addAuxiliaryData(missing);
    place.addAuxiliaryData(noPhoto);
    QCOMPARE(PlaceUtils::getPhotoPath(place), QString());
    place.addAuxiliaryData(present);
    QCOMPARE(PlaceUtils::getPhotoPath(place), existing);
}

void tst_PlaceUtils::moreDetails_data()
{
    QTest::addColumn<QSharedPointer<Place>>("place");
    QTest::addColumn<bool>("more");

    auto placeWith = [](const QList<AuxiliaryData> &data) {
        QSharedPointer<Place> place(new Place());
        for (const AuxiliaryData &entry : data)
            place->addAuxiliaryData(entry);
        return place;
    };

    QTest::newRow("no auxiliary data") << placeWith({}) << false;
    QTest::newRow("a contact with only a phone") << placeWith({ ContactAuxiliaryData() }) << false;
    ContactAuxiliaryData notes;
    notes.setNotes(QStringLiteral("Ring twice"));
    QTest::newRow("a contact with notes") << placeWith({ notes }) << true;

    PointOfInterestAuxiliaryData plain;
    plain.setPhoneNumber(QStringLiteral("555 1234"));
    QTest::newRow("a point of interest with only a phone") << placeWith({ plain }) << false;
    PointOfInterestAuxiliaryData withUrl = plain;
    withUrl.setUrl(QUrl(QStringLiteral("https://example.com")));
    QTest::newRow("a point of interest with a web site") << placeWith({ withUrl }) << true;
    PointOfInterestAuxiliaryData withParking = plain;
    withParking.setParking(QStringLiteral("Street parking"));
    QTest::newRow("a point of interest with parking") << placeWith({ withParking }) << true;
    QTest::newRow("only the first auxiliary data counts")
        << placeWith({ AuxiliaryData(QLatin1String(AuxiliaryData::TypeReview)), withUrl }) << false;
}

void tst_PlaceUtils::moreDetails()
{
    QFETCH(QSharedPointer<Place>, place);
    QFETCH(bool, more);
    QCOMPARE(PlaceUtils::hasMoreDetails(*place), more);
}

QTEST_APPLESS_MAIN(tst_PlaceUtils)
#include "tst_placeutils.moc"

#include <QtCore/QScopedPointer>
#include <QtTest/QtTest>

#include <hx/platform/places/address.h>
#include <hx/platform/places/auxiliarydata.h>
#include <hx/platform/places/coordinates.h>
#include <hx/platform/places/location.h>
#include <hx/platform/places/place.h>
#include <hx/platform/places/pointofinterestauxiliarydata.h>
#include <hx/trellan/image.h>
#include <hx/trellan/places/selectedplace.h>

#include <cmath>

#include "records/selectedplace_p.h"

using namespace hx::platform::places;
using namespace hx::trellan::places;

namespace {

QSharedPointer<Place> placeAt(const Coordinates &coordinates, const Address &address)
{
    QSharedPointer<Place> place(new Place());
    place->setName(QStringLiteral("Place"));
    place->addLocation(Location(coordinates, address));
    return place;
}

Address addressIn(const QString &country, const QString &alpha3 = QString(), const QString &alpha2 = QString())
{
    Address address;
    address.setStreet(QStringLiteral("1 Long Road"));
    address.setCity(QStringLiteral("Springfield"));
    address.setCountry(country);
    address.setCountryCode(alpha3);
    address.setIsoAlpha2CountryCode(alpha2);
    return address;
}

} // namespace

class tst_SelectedPlace : public QObject
{
    Q_OBJECT

private slots:
    void choosingTheLocation_data();
    void choosingTheLocation();
    void missingLabelBecomesTheOneLineAddress();
    void countryCodes_data();
    void countryCodes();
    void addressLabelDropsPartialPostalCodes();
    void ratingComesFromThePointOfInterest();
    void recordWithoutPlace();
    void idsKeepTheirLow32Bits();
    void placeIsSharedWithTheRecord();
    void mapImage();
    void noMapImageWithoutCoordinates();
};

void tst_SelectedPlace::choosingTheLocation_data()
{
    QTest::addColumn<Coordinates>("coordinates");
    QTest::addColumn<Address>("address");
    QTest::addColumn<bool>("taken");

    Address street;
    street.setStreet(QStringLiteral("1 Long Road"));
    QTest::newRow("valid coordinates and an address") << Coordinates(43.5, -80.5) << street << true;
    QTest::newRow("an address without coordinates") << Coordinates() << street << true;
    QTest::newRow("neither coordinates nor address") << Coordinates() << Address() << false;
    QTest::newRow("coordinates out of range count as none") << Coordinates(95, 200) << Address() << false;
}

void tst_SelectedPlace::choosingTheLocation()
{
    QFETCH(Coordinates, coordinates);
    QFETCH(Address, address);
    QFETCH(bool, taken);
    QScopedPointer<SelectedPlace> selected(
        SelectedPlacePrivate::placeToSelectedPlace(placeAt(coordinates, address), 12));
    QCOMPARE(selected->id(), 12);
    QCOMPARE(selected->street(), taken ? address.street() : QString());
    if (taken && coordinates.isValid()) {
        QCOMPARE(selected->latitude(), coordinates.latitude());
        QCOMPARE(selected->longitude(), coordinates.longitude());
    } else {
        QVERIFY(std::isnan(selected->latitude()));
        QVERIFY(std::isnan(selected->longitude()));
    }
}

void tst_SelectedPlace::missingLabelBecomesTheOneLineAddress()
{
    Address address = addressIn(QStringLiteral("Canada"));
    address.setRegion(QStringLiteral("ON"));
    address.setPostalCode(QStringLiteral("N2L 3G1"));
    QSharedPointer<Place> place = placeAt(Coordinates(43.5, -80.5), address);
    SelectedPlacePrivate d;
    d.setPlace(3, place);
    QCOMPARE(d.location.address().label(), QStringLiteral("1 Long Road, Springfield, ON N2L 3G1, Canada"));
    // The record works on a copy: the place itself keeps its empty label.
    QCOMPARE(place->location(0).address().label(), QString());
}

void tst_SelectedPlace::countryCodes_data()
{
    QTest::addColumn<Address>("address");
    QTest::addColumn<QString>("alpha3");
    QTest::addColumn<QString>("alpha2");

    QTest::newRow("a lower-case name with blanks around it")
        << addressIn(QStringLiteral("  germany ")) << QStringLiteral("DEU") << QStringLiteral("DE");
    QTest::newRow("the address's own codes win")
        << addressIn(QStringLiteral("Germany"), QStringLiteral("XXX"), QStringLiteral("XX")) << QStringLiteral("XXX")
        << QStringLiteral("XX");
    QTest::newRow("a name with an accent upper-cased")
        << addressIn(QStringLiteral("Réunion")) << QStringLiteral("REU") << QStringLiteral("RE");
    QTest::newRow("an unknown name gives no codes") << addressIn(QStringLiteral("Atlantis")) << QString() << QString();
}

void tst_SelectedPlace::countryCodes()
{
    QFETCH(Address, address);
    QFETCH(QString, alpha3);
    QFETCH(QString, alpha2);
    QScopedPointer<SelectedPlace> selected(
        SelectedPlacePrivate::placeToSelectedPlace(placeAt(Coordinates(1, 1), address), 1));
    QCOMPARE(selected->isoAlpha3CountryCode(), alpha3);
    QCOMPARE(selected->isoAlpha2CountryCode(), alpha2);
}

void tst_SelectedPlace::addressLabelDropsPartialPostalCodes()
{
    Address address = addressIn(QStringLiteral("Canada"));
    address.setPostalCode(QStringLiteral("M5V"));
    address.setLabel(QStringLiteral("12 Main St, Toronto ON M5V, Canada"));
    QScopedPointer<SelectedPlace> selected(
        SelectedPlacePrivate::placeToSelectedPlace(placeAt(Coordinates(43.6, -79.4), address), 1));
    QCOMPARE(selected->isoAlpha3CountryCode(), QStringLiteral("CAN"));
    QCOMPARE(selected->addressLabel(), QStringLiteral("12 Main St, Toronto ON, Canada"));
}

void tst_SelectedPlace::ratingComesFromThePointOfInterest()
{
    QSharedPointer<Place> place = placeAt(Coordinates(1, 1), Address());
    QScopedPointer<SelectedPlace> unrated(SelectedPlacePrivate::placeToSelectedPlace(place, 1));
    QVERIFY(std::isnan(unrated->rating()));

    place->addAuxiliaryData(AuxiliaryData(QLatin1String(AuxiliaryData::TypeReview)));
    PointOfInterestAuxiliaryData first;
    first.setRating(3.5);
    PointOfInterestAuxiliaryData second;
    second.setRating(1.0);
    place->addAuxiliaryData(first);
    place->addAuxiliaryData(second);
    QScopedPointer<SelectedPlace> rated(SelectedPlacePrivate::placeToSelectedPlace(place, 1));
    QCOMPARE(rated->rating(), 3.5);
}

void tst_SelectedPlace::recordWithoutPlace()
{
    SelectedPlace record;
    QCOMPARE(record.id(), -1);
    QVERIFY(record.isPhysicalLocation());
    QTest::ignoreMessage(QtCriticalMsg,
                         "hx::trellan::places::SelectedPlacePrivate::getName() initialization error! "
                         "Place object is not defined.");
    QCOMPARE(record.name(), QString());
    QTest::ignoreMessage(QtCriticalMsg,
                         "hx::trellan::places::SelectedPlacePrivate::getDescription() initialization "
                         "error! Place object is not defined.");
    QCOMPARE(record.description(), QString());
    QTest::ignoreMessage(QtCriticalMsg,
                         "hx::trellan::places::SelectedPlacePrivate::getRating() initialization "
                         "error! Place object is not defined.");
    QVERIFY(std::isnan(record.rating()));
    QCOMPARE(record.addressLabel(), QString());
    QCOMPARE(record.phone(), QString());
    QCOMPARE(record.mapURL(), QUrl());
    QCOMPARE(record.url(), QUrl());

    // A null place given to the factory makes a record of the not-stored id.
    QScopedPointer<SelectedPlace> fromNull(SelectedPlacePrivate::placeToSelectedPlace(QSharedPointer<Place>()));
    QCOMPARE(fromNull->id(), -1);
    QCOMPARE(fromNull->street(), QString());
}

void tst_SelectedPlace::idsKeepTheirLow32Bits()
{
    QSharedPointer<Place> place = placeAt(Coordinates(1, 1), Address());
    QScopedPointer<SelectedPlace> large(SelectedPlacePrivate::placeToSelectedPlace(place, (qint64(1) << 32) + 5));
    QCOMPARE(large->id(), 5);
    QCOMPARE(large->property("placeId").toInt(), 5);
}

void tst_SelectedPlace::placeIsSharedWithTheRecord()
{
    QWeakPointer<Place> weak;
    QScopedPointer<SelectedPlace> selected;
    {
        QSharedPointer<Place> place = placeAt(Coordinates(1, 1), Address());
        weak = place;
        selected.reset(SelectedPlacePrivate::placeToSelectedPlace(place, 1));
    }
    QVERIFY(!weak.isNull());
    QCOMPARE(selected->name(), QStringLiteral("Place"));
    QCOMPARE(selected->alternativeName(), QStringLiteral("Place"));
    selected.reset();
    QVERIFY(weak.isNull());
}

void tst_SelectedPlace::mapImage()
{
    Address address;
    address.setCity(QStringLiteral("Waterloo"));
    QScopedPointer<SelectedPlace> selected(
        SelectedPlacePrivate::placeToSelectedPlace(placeAt(Coordinates(43.4643, -80.5204), address), 1));
    hx::trellan::places::SelectedPlaceImageType::Type type = hx::trellan::places::SelectedPlaceImageType::None;
    const QByteArray bytes = selected->getRawImage(type);
    QCOMPARE(type, hx::trellan::places::SelectedPlaceImageType::Png);
    QVERIFY(bytes.startsWith("\x89PNG"));
    const QImage image = QImage::fromData(bytes, "PNG");
    QCOMPARE(image.size(), QSize(768, 768));

    const QVariant variant = selected->image();
    QVERIFY(variant.isValid());
    QVERIFY(variant.canConvert<hx::trellan::Image>());
    QCOMPARE(variant.value<hx::trellan::Image>().size(), QSize(768, 768));
    QCOMPARE(QMetaType::type("Image"), qMetaTypeId<hx::trellan::Image>());
}

void tst_SelectedPlace::noMapImageWithoutCoordinates()
{
    Address address;
    address.setStreet(QStringLiteral("1 Long Road"));
    QScopedPointer<SelectedPlace> selected(
        SelectedPlacePrivate::placeToSelectedPlace(placeAt(Coordinates(), address), 1));
    hx::trellan::places::SelectedPlaceImageType::Type type = hx::trellan::places::SelectedPlaceImageType::Png;
    QVERIFY(selected->getRawImage(type).isEmpty());
    QCOMPARE(type, hx::trellan::places::SelectedPlaceImageType::None);
    QVERIFY(!selected->image().isValid());
}

QTEST_MAIN(tst_SelectedPlace)
#include "tst_selectedplace.moc"

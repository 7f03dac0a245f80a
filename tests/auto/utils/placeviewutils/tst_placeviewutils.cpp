#include <QtTest/QtTest>

#include <hx/platform/places/address.h>
#include <hx/platform/places/location.h>
#include <hx/trellan/places/placeutils.h>
#include <hx/trellan/places/placeviewutils.h>

using hx::platform::places::Address;
using hx::platform::places::Location;
using hx::trellan::places::PlaceUtils;
using hx::trellan::places::PlaceViewUtils;

namespace {

Location locationOf(const QString &street, const QString &city, const QString &region, const QString &postal,
                    const QString &country)
{
    Address address;
    address.setStreet(street);
    address.setCity(city);
    address.setRegion(region);
    address.setPostalCode(postal);
    address.setCountry(country);
    Location location;
    location.setAddress(address);
    return location;
}

} // namespace

class tst_PlaceViewUtils : public QObject
{
    Q_OBJECT

private slots:
    void addressString_data();
    void addressString();
    void addressForLocation_data();
    void addressForLocation();
};

void tst_PlaceViewUtils::addressString_data()
{
    QTest::addColumn<Location>("location");
    QTest::addColumn<int>("lines");
    QTest::addColumn<QString>("expected");

    const Location full = locationOf("12 Main St", "Toronto", "ON", "M5V 2T6", "Canada");
    QTest::newRow("everything on one line") << full << 1 << "12 Main St, Toronto, ON M5V 2T6, Canada";
    QTest::newRow("the street on a line of its own") << full << 2 << "12 Main St,\nToronto, ON M5V 2T6, Canada";
    QTest::newRow("the country on a line of its own too") << full << 3 << "12 Main St,\nToronto, ON M5V 2T6,\nCanada";
    QTest::newRow("zero lines behaves like one") << full << 0 << "12 Main St, Toronto, ON M5V 2T6, Canada";
    QTest::newRow("only a country on three lines keeps the leading comma")
        << locationOf("", "", "", "", "Canada") << 3 << ",\nCanada";
    QTest::newRow("only a street on two lines loses its trailing comma")
        << locationOf("12 Main St", "", "", "", "") << 2 << "12 Main St";
    QTest::newRow("only a street on three lines") << locationOf("12 Main St", "", "", "", "") << 3 << "12 Main St,\n";
    QTest::newRow("a region without a postal code is followed by the country")
        << locationOf("", "Toronto", "ON", "", "Canada") << 1 << "Toronto, ON, Canada";
    QTest::newRow("a postal code without a region follows the city after a comma")
        << locationOf("", "Berlin", "", "10115", "Germany") << 1 << "Berlin, 10115, Germany";
    QTest::newRow("a postal code alone") << locationOf("", "", "", "10115", "") << 1 << "10115";
    QTest::newRow("a region and a postal code without a city") << locationOf("", "", "ON", "M5V", "") << 1 << "ON M5V";
    QTest::newRow("no parts at all") << Location() << 2 << "";
    QTest::newRow("blanks around the text are trimmed")
        << locationOf("  12 Main St", "Toronto  ", "", "", "") << 1 << "12 Main St, Toronto";
}

void tst_PlaceViewUtils::addressString()
{
    QFETCH(Location, location);
    QFETCH(int, lines);
    QFETCH(QString, expected);
    QCOMPARE(PlaceViewUtils::addressString(location, lines), expected);
}

void tst_PlaceViewUtils::addressForLocation_data()
{
    QTest::addColumn<Location>("location");
    QTest::addColumn<QString>("expected");

    Location withLines = locationOf("12 Main St", "Toronto", "", "", "");
    Address address = withLines.address();
    address.setLabel(QStringLiteral("Label"));
    address.setExtendedAddressLines(
        { QStringLiteral("Unit 4"), QStringLiteral("12 Main St"), QStringLiteral("Toronto") });
    withLines.setAddress(address);
    QTest::newRow("extended lines win over the label") << withLines << "Unit 4\n12 Main St\nToronto";

    Location withLabel = locationOf("12 Main St", "Toronto", "", "", "");
    address = withLabel.address();
    address.setLabel(QStringLiteral("Home sweet home"));
    withLabel.setAddress(address);
    QTest::newRow("the label when there are no lines") << withLabel << "Home sweet home";

    QTest::newRow("the address on two lines without label")
        << locationOf("12 Main St", "Toronto", "ON", "", "Canada") << "12 Main St,\nToronto, ON, Canada";
}

void tst_PlaceViewUtils::addressForLocation()
{
    QFETCH(Location, location);
    QFETCH(QString, expected);
    QCOMPARE(PlaceUtils::addressForLocation(location), expected);
}

QTEST_APPLESS_MAIN(tst_PlaceViewUtils)
#include "tst_placeviewutils.moc"

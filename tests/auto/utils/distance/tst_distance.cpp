#include <QtTest/QSignalSpy>
#include <QtTest/QtTest>

#include <hx/pps/locationserver.h>
#include <hx/system/localehandler.h>
#include <hx/trellan/label.h>
#include <hx/trellan/places/distance.h>
#include <hx/trellan/places/getgeolocation.h>
#include <hx/trellan/places/placeutils.h>
#include <hx/trellan/testdriver.h>

#include "ppsstatusfile.h"
#include "signalwaiter.h"
#include "testroots.h"

using hx::platform::places::Coordinates;
using hx::system::LocaleHandler;
using hx::system::MeasurementSystem;
using hx::test::PpsStatusFile;
using hx::test::SignalWaiter;
using hx::test::TestRoots;
using hx::trellan::Label;
using hx::trellan::TestDriver;
using hx::trellan::places::CurrentCoordinate;
using hx::trellan::places::Distance;
using hx::trellan::places::GetGeolocation;
using hx::trellan::places::PlaceUtils;

namespace {

const QString UOM = QStringLiteral("/pps/services/locale/uom");
const QByteArray Metric("@uom\nuom::metric\n");
const QByteArray Imperial("@uom\nuom::imperial\nsubuom::feet/miles\n");
const QByteArray YardsMiles("@uom\nuom::imperial\nsubuom::yards/miles\n");

// What the user reads on the control.
QString shown(const Distance &distance)
{
    const Label *label = TestDriver::find<Label>(&distance, QStringLiteral("Distance"));
    return label ? label->text() : QStringLiteral("<no label>");
}

bool waitForIdleLocation()
{
    return SignalWaiter::waitFor([] { return !GetGeolocation::isRunning(PlaceUtils::genericRequest); }, 10000);
}

} // namespace

class tst_Distance : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    // Without a known position first: the location worker keeps its fix for the whole process.
    void placeWithoutAKnownPositionStaysHidden();
    void distanceFromTheCurrentPosition_data();
    void distanceFromTheCurrentPosition();
    void textInTheUsersUnits_data();
    void textInTheUsersUnits();
    void distanceBetweenTwoPoints_data();
    void distanceBetweenTwoPoints();
    void switchingTheMeasurementSystemOrLanguageRendersAgain();
    void switchingTheMeasurementSystemShowsAnUnsetControl();
    void customStyleIsTheLabelsBase();
};

void tst_Distance::init()
{
    LocaleHandler::setMeasurementSystem(MeasurementSystem::Metric);
}

void tst_Distance::cleanup()
{
    LocaleHandler::setMeasurementSystem(MeasurementSystem::Metric);
    LocaleHandler::setLanguage(QStringLiteral("en"));
}

void tst_Distance::placeWithoutAKnownPositionStaysHidden()
{
    TestRoots roots; // no location service
    QVERIFY(PpsStatusFile::write(UOM, Metric));
    Distance distance;
    QSignalSpy valid(&distance, &Distance::locationValid);
    distance.setDistance(Coordinates(43.5, -80.25));
    QVERIFY(waitForIdleLocation());
    QVERIFY(!distance.isVisible());
    QCOMPARE(valid.size(), 0);
}

void tst_Distance::distanceFromTheCurrentPosition_data()
{
    QTest::addColumn<bool>("throughTheSlot");
    QTest::addColumn<Coordinates>("place");
    QTest::addColumn<bool>("visible");
    QTest::addColumn<QString>("text");

    // 0.01 degree of latitude is about 1112 m.
    QTest::newRow("a place a kilometre north") << false << Coordinates(43.51, -80.25) << true << "1.1 km";
    QTest::newRow("a place reported by a location change") << true << Coordinates(43.501, -80.25) << true << "111 m";
    QTest::newRow("a place without coordinates") << false << Coordinates() << false << "";
}

void tst_Distance::distanceFromTheCurrentPosition()
{
    QFETCH(bool, throughTheSlot);
    QFETCH(Coordinates, place);
    QFETCH(bool, visible);
    QFETCH(QString, text);

    TestRoots roots;
    QVERIFY(PpsStatusFile::write(UOM, Metric));
    hx::pps::LocationServer server;
    server.setFixedPosition(43.5, -80.25, 5);
    QVERIFY(server.start());
    CurrentCoordinate *position = GetGeolocation::getCoordinate(PlaceUtils::genericRequest);
    QVERIFY(SignalWaiter::waitFor([=] { return position->isUsable(); }, 10000));
    QVERIFY(waitForIdleLocation());

    Distance distance;
    QSignalSpy valid(&distance, &Distance::locationValid);
    if (throughTheSlot)
        QVERIFY(
            QMetaObject::invokeMethod(&distance, "onLocationChanged", Q_ARG(hx::platform::places::Coordinates, place)));
    else
        distance.setDistance(place);
    QCOMPARE(distance.isVisible(), visible);
    QCOMPARE(valid.size(), visible ? 1 : 0);
    if (visible)
        QCOMPARE(shown(distance), text);
}

void tst_Distance::textInTheUsersUnits_data()
{
    QTest::addColumn<QByteArray>("uom");
    QTest::addColumn<double>("metres");
    QTest::addColumn<QString>("text");

    QTest::newRow("metric just under a kilometre") << Metric << 999.4 << "999 m";
    QTest::newRow("metric rounds 999.6 m up without switching unit") << Metric << 999.6 << "1000 m";
    QTest::newRow("metric keeps a decimal below 100 km") << Metric << 99960.0 << "100.0 km";
    QTest::newRow("metric drops the decimal from 100 km on") << Metric << 150000.0 << "150 km";
    QTest::newRow("imperial in feet below 1000 ft") << Imperial << 300.0 << "984 ft";
    QTest::newRow("imperial rounds 999.7 ft up without switching unit") << Imperial << 304.7 << "1000 ft";
    QTest::newRow("imperial in miles just past 1000 ft") << Imperial << 304.81 << "0.2 mi";
    QTest::newRow("yards/miles short distances in miles too") << YardsMiles << 300.0 << "0.2 mi";
    QTest::newRow("yards/miles keeps a decimal below 100 mi") << YardsMiles << 160900.0 << "100.0 mi";
    QTest::newRow("no unit object counts as imperial") << QByteArray() << 300.0 << "984 ft";
}

void tst_Distance::textInTheUsersUnits()
{
    QFETCH(QByteArray, uom);
    QFETCH(double, metres);
    QFETCH(QString, text);

    TestRoots roots;
    if (!uom.isEmpty())
        QVERIFY(PpsStatusFile::write(UOM, uom));
    Distance distance;
    distance.setDistance(metres);
    QVERIFY(distance.isVisible());
    QCOMPARE(shown(distance), text);
    QCOMPARE(distance.distance(), metres);
}

void tst_Distance::distanceBetweenTwoPoints_data()
{
    QTest::addColumn<Coordinates>("from");
    QTest::addColumn<Coordinates>("to");
    QTest::addColumn<QString>("text");

    QTest::newRow("one degree of latitude") << Coordinates(10, 20) << Coordinates(11, 20) << "111 km";
    QTest::newRow("the same point") << Coordinates(10, 20) << Coordinates(10, 20) << "0 m";
    QTest::newRow("an invalid destination") << Coordinates(10, 20) << Coordinates() << "";
    QTest::newRow("a latitude past the pole") << Coordinates(10, 20) << Coordinates(95, 20) << "";
}

void tst_Distance::distanceBetweenTwoPoints()
{
    QFETCH(Coordinates, from);
    QFETCH(Coordinates, to);
    QFETCH(QString, text);

    TestRoots roots;
    QVERIFY(PpsStatusFile::write(UOM, Metric));
    Distance distance;
    distance.setDistance(5.0); // shown before: an invalid pair must hide it again
    QSignalSpy valid(&distance, &Distance::locationValid);
    distance.setDistance(from, to);
    const bool shouldShow = !text.isEmpty();
    QCOMPARE(distance.isVisible(), shouldShow);
    QCOMPARE(valid.size(), shouldShow ? 1 : 0);
    if (shouldShow)
        QCOMPARE(shown(distance), text);
}

void tst_Distance::switchingTheMeasurementSystemOrLanguageRendersAgain()
{
    TestRoots roots;
    QVERIFY(PpsStatusFile::write(UOM, Metric));
    Distance distance;
    distance.setDistance(300.0);
    QCOMPARE(shown(distance), QStringLiteral("300 m"));

    // The settings application rewrites the unit object, then the locale tells everyone.
    QVERIFY(PpsStatusFile::write(UOM, Imperial));
    LocaleHandler::setMeasurementSystem(MeasurementSystem::Imperial);
    QVERIFY(SignalWaiter::waitFor([&] { return shown(distance) == QStringLiteral("984 ft"); }, 5000));

    QVERIFY(PpsStatusFile::write(UOM, YardsMiles));
    LocaleHandler::setMeasurementSystem(MeasurementSystem::ImperialUK);
    QVERIFY(SignalWaiter::waitFor([&] { return shown(distance) == QStringLiteral("0.2 mi"); }, 5000));
    QVERIFY(distance.isVisible());

    // A new language re-reads the unit too.
    QVERIFY(PpsStatusFile::write(UOM, Metric));
    LocaleHandler::setLanguage(QStringLiteral("fr"));
    QVERIFY(SignalWaiter::waitFor([&] { return shown(distance) == QStringLiteral("300 m"); }, 5000));
}

void tst_Distance::switchingTheMeasurementSystemShowsAnUnsetControl()
{
    TestRoots roots;
    QVERIFY(PpsStatusFile::write(UOM, Metric));
    Distance distance;
    LocaleHandler::setMeasurementSystem(MeasurementSystem::Imperial);
    QVERIFY(SignalWaiter::waitFor([&] { return distance.isVisible(); }, 5000));
    QCOMPARE(shown(distance), QStringLiteral("-1 m"));
}

void tst_Distance::customStyleIsTheLabelsBase()
{
    TestRoots roots;
    hx::trellan::TextStyle style = hx::trellan::SystemDefaults::TextStyles::titleText();
    style.setFontSize(120);
    Distance custom(style);
    const Label *label = TestDriver::find<Label>(&custom, QStringLiteral("Distance"));
    QVERIFY(label);
    QCOMPARE(label->textStyle().fontSize(), 120);
}

QTEST_MAIN(tst_Distance)
#include "tst_distance.moc"

#include <hx/trellan/places/mylocationdialog.h>

#include <hx/system/systemui.h>

#include "dialogpresser.h"
#include "signalwaiter.h"

#include <QtTest/QSignalSpy>
#include <QtTest/QtTest>

using hx::platform::places::Address;
using hx::platform::places::Coordinates;
using hx::platform::places::Location;
using hx::system::SystemUi;
using hx::test::DialogPresser;
using hx::test::SignalWaiter;
using hx::trellan::places::MyLocationDialog;
using hx::trellan::places::MyLocationSpinnerReturnCode;

namespace {

Location place(const QString &street, const QString &label)
{
    Address address;
    address.setStreet(street);
    address.setLabel(label);
    address.setCity(QStringLiteral("Waterloo"));
    return Location(Coordinates(43.4643, -80.5204), address);
}

Location coordinatesOnly()
{
    Address address;
    address.setLabel(QStringLiteral("Latitude 43.4643 Longitude -80.5204"));
    return Location(Coordinates(43.4643, -80.5204), address);
}

} // namespace

class tst_MyLocationDialog : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void addressConfirmed_data();
    void addressConfirmed();
    void addressWithStreetWithoutConfirmation();
    void addressWithoutStreetIsAlwaysShown();
    void coordinatesOffered_data();
    void coordinatesOffered();
    void emptyCoordinatesMeanNoLocation();
    void noLocation();
    void servicesOffAndCancelledAbort_data();
    void servicesOffAndCancelledAbort();
};

void tst_MyLocationDialog::init()
{
    QCOMPARE(SystemUi::visibleCount(), 0);
}

void tst_MyLocationDialog::addressConfirmed_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<bool>("succeeds");

    QTest::newRow("Accept gives the address") << "Accept" << true;
    QTest::newRow("Cancel aborts") << "Cancel" << false;
}

void tst_MyLocationDialog::addressConfirmed()
{
    QFETCH(QString, button);
    QFETCH(bool, succeeds);

    MyLocationDialog dialog(nullptr, true);
    QSignalSpy success(&dialog, &MyLocationDialog::success);
    QSignalSpy aborted(&dialog, &MyLocationDialog::aborted);
    DialogPresser presser(QStringLiteral("Your current location:"), button);
    const Location found = place(QStringLiteral("1 King St"), QStringLiteral("1 King St, Waterloo"));
    dialog.onSpinnerDone(MyLocationSpinnerReturnCode::AddressFound, found);
    QVERIFY(SignalWaiter::waitFor([&] { return success.count() + aborted.count() > 0; }));
    QCOMPARE(presser.pressedBody(), QStringLiteral("1 King St, Waterloo"));
    QCOMPARE(success.count(), succeeds ? 1 : 0);
    QCOMPARE(aborted.count(), succeeds ? 0 : 1);
    if (succeeds)
        QCOMPARE(success.first().first().value<Location>(), found);
}

void tst_MyLocationDialog::addressWithStreetWithoutConfirmation()
{
    MyLocationDialog dialog(nullptr, false);
    QSignalSpy success(&dialog, &MyLocationDialog::success);
    const Location found = place(QStringLiteral("1 King St"), QStringLiteral("1 King St, Waterloo"));
    dialog.onSpinnerDone(MyLocationSpinnerReturnCode::AddressFound, found);
    QCOMPARE(success.count(), 1);
    QCOMPARE(success.first().first().value<Location>(), found);
    QCOMPARE(SystemUi::visibleCount(), 0);
}

void tst_MyLocationDialog::addressWithoutStreetIsAlwaysShown()
{
    MyLocationDialog dialog(nullptr, false);
    QSignalSpy success(&dialog, &MyLocationDialog::success);
    DialogPresser presser(QStringLiteral("Your current location:"), QStringLiteral("Accept"));
    dialog.onSpinnerDone(MyLocationSpinnerReturnCode::AddressFound, place(QString(), QStringLiteral("Waterloo")));
    QVERIFY(SignalWaiter::wait(success));
    QCOMPARE(presser.pressedBody(), QStringLiteral("Could not find your exact location.\n\nWaterloo"));
}

void tst_MyLocationDialog::coordinatesOffered_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<bool>("succeeds");

    QTest::newRow("Use Coordinates gives them without another question") << "Use Coordinates" << true;
    QTest::newRow("Cancel aborts") << "Cancel" << false;
}

void tst_MyLocationDialog::coordinatesOffered()
{
    QFETCH(QString, button);
    QFETCH(bool, succeeds);

    MyLocationDialog dialog(nullptr, true);
    QSignalSpy success(&dialog, &MyLocationDialog::success);
    QSignalSpy aborted(&dialog, &MyLocationDialog::aborted);
    DialogPresser presser(QStringLiteral("Address Not Found"), button);
    dialog.onSpinnerDone(MyLocationSpinnerReturnCode::CoordinatesOnly, coordinatesOnly());
    // The question runs modally, so the answer is there when the call returns.
    QVERIFY(presser.hasPressed());
    QCOMPARE(presser.pressedBody(),
             QStringLiteral("An exact address or location name could not be found.  Would you like to use the "
                            "location coordinates instead?\nLatitude 43.4643 Longitude -80.5204"));
    QCOMPARE(success.count(), succeeds ? 1 : 0);
    QCOMPARE(aborted.count(), succeeds ? 0 : 1);
    if (succeeds)
        QCOMPARE(success.first().first().value<Location>(), coordinatesOnly());
    QCOMPARE(SystemUi::visibleCount(), 0);
}

void tst_MyLocationDialog::emptyCoordinatesMeanNoLocation()
{
    MyLocationDialog dialog(nullptr, true);
    QSignalSpy aborted(&dialog, &MyLocationDialog::aborted);
    DialogPresser presser(QStringLiteral("Can't find location"), QStringLiteral("OK"));
    dialog.onSpinnerDone(MyLocationSpinnerReturnCode::CoordinatesOnly, Location());
    QVERIFY(SignalWaiter::wait(aborted));
    QVERIFY(presser.hasPressed());
}

void tst_MyLocationDialog::noLocation()
{
    MyLocationDialog dialog(nullptr, true);
    QSignalSpy success(&dialog, &MyLocationDialog::success);
    QSignalSpy aborted(&dialog, &MyLocationDialog::aborted);
    dialog.onSpinnerDone(MyLocationSpinnerReturnCode::NoLocation, Location());
    QVERIFY(SignalWaiter::waitFor([] { return SystemUi::visibleCount() == 1; }));
    const hx::system::SystemUiRecord shown = SystemUi::top();
    QCOMPARE(shown.title, QStringLiteral("Can't find location"));
    QCOMPARE(shown.body,
             QStringLiteral("Unable to find your current location.  Ensure that you are in a network "
                            "coverage area and try again."));
    QCOMPARE(shown.buttonLabels(), QStringList { QStringLiteral("OK") });
    QVERIFY(SystemUi::pressButton(QStringLiteral("OK")));
    QVERIFY(SignalWaiter::wait(aborted));
    QCOMPARE(success.count(), 0);
}

void tst_MyLocationDialog::servicesOffAndCancelledAbort_data()
{
    QTest::addColumn<int>("code");
    QTest::newRow("location services off") << int(MyLocationSpinnerReturnCode::LocationServicesOff);
    QTest::newRow("cancelled") << int(MyLocationSpinnerReturnCode::Cancelled);
}

void tst_MyLocationDialog::servicesOffAndCancelledAbort()
{
    QFETCH(int, code);
    MyLocationDialog dialog(nullptr, true);
    QSignalSpy aborted(&dialog, &MyLocationDialog::aborted);
    dialog.onSpinnerDone(MyLocationSpinnerReturnCode::Code(code), Location());
    QCOMPARE(aborted.count(), 1);
    QCOMPARE(SystemUi::visibleCount(), 0);
}

QTEST_MAIN(tst_MyLocationDialog)
#include "tst_mylocationdialog.moc"

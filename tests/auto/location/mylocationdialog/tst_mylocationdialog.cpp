#include <hx/trellan/places/mylocationdialog.h>

#include <hx/system/systemui.h>

#include "dialogpresser.h"
#include "signalwaiter.h"

#include <QtTest/QSignalSpy>
#include <QtTest/QtTest>

using namespace hx::platform::places;
using hx::system::SystemUi;
using namespace hx::test;
using namespace hx::trellan::places;

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
    void answers_data();
    void answers();
    void noLocation();
};

void tst_MyLocationDialog::init()
{
    QCOMPARE(SystemUi::visibleCount(), 0);
}

void tst_MyLocationDialog::answers_data()
{
    QTest::addColumn<bool>("confirm");
    QTest::addColumn<int>("code");
    QTest::addColumn<Location>("found");
    QTest::addColumn<QString>("title"); // empty: no dialog is shown
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("body");
    QTest::addColumn<bool>("succeeds");

    const int address = MyLocationSpinnerReturnCode::AddressFound;
    const int coordinates = MyLocationSpinnerReturnCode::CoordinatesOnly;
    const Location street = place(QStringLiteral("1 King St"), QStringLiteral("1 King St, Waterloo"));
    const QString offer = QStringLiteral("An exact address or location name could not be found.  Would you like to "
                                         "use the location coordinates instead?\nLatitude 43.4643 Longitude -80.5204");
    QTest::newRow("Accept gives the confirmed address") << true << address << street << "Your current location:"
                                                        << "Accept"
                                                        << "1 King St, Waterloo" << true;
    QTest::newRow("Cancel on the address aborts") << true << address << street << "Your current location:"
                                                  << "Cancel"
                                                  << "1 King St, Waterloo" << false;
    QTest::newRow("an address with a street needs no confirmation unless asked") << false << address << street << ""
                                                                                 << ""
                                                                                 << "" << true;
    QTest::newRow("an address without a street is always shown")
        << false << address << place(QString(), QStringLiteral("Waterloo")) << "Your current location:"
        << "Accept"
        << "Could not find your exact location.\n\nWaterloo" << true;
    QTest::newRow("Use Coordinates gives them without another question")
        << true << coordinates << coordinatesOnly() << "Address Not Found"
        << "Use Coordinates" << offer << true;
    QTest::newRow("Cancel on the coordinates aborts") << true << coordinates << coordinatesOnly() << "Address Not Found"
                                                      << "Cancel" << offer << false;
    QTest::newRow("empty coordinates mean no location")
        << true << coordinates << Location() << "Can't find location"
        << "OK"
        << "Unable to find your current location.  Ensure that you are in a network coverage area and try again."
        << false;
    QTest::newRow("location services off aborts quietly")
        << true << int(MyLocationSpinnerReturnCode::LocationServicesOff) << Location() << ""
        << ""
        << "" << false;
    QTest::newRow("a cancelled search aborts quietly")
        << true << int(MyLocationSpinnerReturnCode::Cancelled) << Location() << ""
        << ""
        << "" << false;
}

void tst_MyLocationDialog::answers()
{
    QFETCH(bool, confirm);
    QFETCH(int, code);
    QFETCH(Location, found);
    QFETCH(QString, title);
    QFETCH(QString, button);
    QFETCH(QString, body);
    QFETCH(bool, succeeds);

    MyLocationDialog dialog(nullptr, confirm);
    QSignalSpy success(&dialog, &MyLocationDialog::success);
    QSignalSpy aborted(&dialog, &MyLocationDialog::aborted);
    QScopedPointer<DialogPresser> presser(title.isEmpty() ? nullptr : new DialogPresser(title, button));
    dialog.onSpinnerDone(MyLocationSpinnerReturnCode::Code(code), found);
    QVERIFY(SignalWaiter::waitFor([&] { return success.count() + aborted.count() > 0; }));
    if (presser)
        QCOMPARE(presser->pressedBody(), body);
    QCOMPARE(success.count(), succeeds ? 1 : 0);
    QCOMPARE(aborted.count(), succeeds ? 0 : 1);
    if (succeeds)
        QCOMPARE(success.first().first().value<Location>(), found);
    QVERIFY(SignalWaiter::waitFor([] { return SystemUi::visibleCount() == 0; }));
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

QTEST_MAIN(tst_MyLocationDialog)
#include "tst_mylocationdialog.moc"

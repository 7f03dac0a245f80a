#include <QtCore/QScopedPointer>
#include <QtTest/QSignalSpy>
#include <QtTest/QtTest>

#include <hx/platform/places/placemanager.h>
#include <hx/platform/places/utilities.h>
#include <hx/pps/locationserver.h>
#include <hx/system/invokemanager.h>
#include <hx/trellan/places/cardsutils.h>
#include <hx/trellan/places/getgeolocation.h>
#include <hx/trellan/places/jsonutils.h>
#include <hx/trellan/places/placeutils.h>
#include <hx/trellan/places/selectedplace.h>

#include "records/selectedplace_p.h"
#include "signalwaiter.h"
#include "testroots.h"

using namespace hx::platform::places;
using namespace hx::system;
using namespace hx::test;
using namespace hx::trellan::places;

namespace {

const QString Picker = QStringLiteral("sys.places.placepicker");
const QString Previewer = QStringLiteral("sys.places.placepreviewer");

QSharedPointer<Place> bakery(double latitude = 43.4643, double longitude = -80.5204)
{
    Address address;
    address.setStreet(QStringLiteral("12 King St N"));
    address.setCity(QStringLiteral("Waterloo"));
    address.setCountry(QStringLiteral("Canada"));
    QSharedPointer<Place> place(
        new Place(QStringLiteral("Bäckerei Nord"), Location(Coordinates(latitude, longitude), address)));
    return place;
}

// The cards opened while a case runs, as their applications would see them.
class CardDesk
{
public:
    CardDesk()
    {
        InvokeManager::clearRecordedRequests();
        InvokeManager::bindTarget(Picker, [this](const InvokedCard &card) { opened.append(card); });
        InvokeManager::bindTarget(Previewer, [this](const InvokedCard &card) { opened.append(card); });
    }
    ~CardDesk()
    {
        InvokeManager::unbindTarget(Picker);
        InvokeManager::unbindTarget(Previewer);
    }
    bool waitForCards(int count) const
    {
        return SignalWaiter::waitFor([&] { return opened.size() >= count; }, 5000);
    }

    QList<InvokedCard> opened;
};

// The generic location worker lives as long as the process: wait until its run is over before
// the roots it reads go away.
bool waitForIdleLocation()
{
    return SignalWaiter::waitFor([] { return !GetGeolocation::isRunning(PlaceUtils::genericRequest); }, 10000);
}

} // namespace

class tst_CardsUtils : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    // Without a known position first: the location worker keeps its fix for the whole process.
    void previewerRequestWithoutAPosition();
    void previewerRequestTellsTheCurrentPosition();
    void pickerRequestAndThePickedPlace();
    void pickerResultsThatAreNotAPlace_data();
    void pickerResultsThatAreNotAPlace();
    void repeatedInvocationsDeliverEachResultOnce();
    void undeliverableInvocationsAreLogged_data();
    void undeliverableInvocationsAreLogged();
    void nullPlaceSendsNothing();
    void callerBuiltPreviewerRequestGoesOutAsItIs();
};

void tst_CardsUtils::initTestCase()
{
    qRegisterMetaType<SelectedPlace *>();
}

// Viewing to select is pinned by the place without coordinates below.
void tst_CardsUtils::previewerRequestWithoutAPosition()
{
    TestRoots roots; // no location service: no position is known
    CardDesk desk;
    CardsUtils cards;
    const QSharedPointer<Place> place = bakery();
    cards.placeViewPreviewer(place, false);
    QVERIFY(desk.waitForCards(1));
    QVERIFY(waitForIdleLocation());

    const InvokeRequest request = desk.opened.first().request();
    QCOMPARE(request.action(), QStringLiteral("hx.action.VIEW"));
    QCOMPARE(request.target(), QStringLiteral("sys.places.placepreviewer"));
    QCOMPARE(request.mimeType(), QStringLiteral("application/vnd.korvane.place"));
    QVERIFY(request.uri().isEmpty());
    QCOMPARE(request.data(), Utilities::serialize(*place));
    QCOMPARE(InvokeManager::recordedRequests(), QList<InvokeRequest>({ request }));
}

void tst_CardsUtils::previewerRequestTellsTheCurrentPosition()
{
    TestRoots roots;
    hx::pps::LocationServer server;
    server.setFixedPosition(43.5, -80.25, 5);
    QVERIFY(server.start());
    CurrentCoordinate *position = GetGeolocation::getCoordinate(PlaceUtils::genericRequest);
    QVERIFY(SignalWaiter::waitFor([=] { return position->isUsable(); }, 10000));
    QVERIFY(waitForIdleLocation());

    CardDesk desk;
    CardsUtils cards;
    cards.placeViewPreviewer(bakery(), false);
    QVERIFY(desk.waitForCards(1));
    // Seven decimals, whatever the value needs.
    QCOMPARE(desk.opened.first().request().uri().toString(),
             QStringLiteral("places:location?currentLat=43.5000000&currentLon=-80.2500000"));

    // A place without coordinates is told no distance, even with a position known.
    QSharedPointer<Place> place(new Place(QStringLiteral("Somewhere"), Location(Coordinates(), Address())));
    cards.placeViewPreviewer(place, true);
    QVERIFY(desk.waitForCards(2));
    const InvokeRequest request = desk.opened.at(1).request();
    QVERIFY(request.uri().isEmpty());
    QCOMPARE(request.action(), QStringLiteral("hx.action.VIEWSELECT"));
    QVERIFY(!request.data().isEmpty());
}

void tst_CardsUtils::pickerRequestAndThePickedPlace()
{
    TestRoots roots;
    QVERIFY(roots.isValid());
    CardDesk desk;
    CardsUtils cards;
    QSignalSpy picked(&cards, &CardsUtils::selectedPlace);
    QTest::ignoreMessage(QtDebugMsg, "hx::trellan::places::CardsUtils::placePicker() in");
    cards.placePicker();
    QVERIFY(desk.waitForCards(1));
    const InvokeRequest request = desk.opened.first().request();
    QCOMPARE(request.action(), QStringLiteral("hx.action.VIEW"));
    QCOMPARE(request.target(), QStringLiteral("sys.places.placepicker"));
    QVERIFY(request.mimeType().isEmpty());
    QVERIFY(request.uri().isEmpty());
    QVERIFY(request.data().isEmpty());
    QVERIFY(request.metadata().isEmpty());

    // The picker card stores the pick and closes with its JSON, as the card application does.
    PlaceManager manager;
    const QSharedPointer<Place> place = bakery();
    QCOMPARE(manager.addPlace(*place), Error::Type(0));
    QScopedPointer<SelectedPlace> pick(SelectedPlacePrivate::placeToSelectedPlace(place));
    const QString json = JsonUtils::encodeSelectedPlaceToJson(pick.data());
    QVERIFY(!json.isEmpty());
    QVERIFY(desk.opened.first().done(CardDoneMessage(QStringLiteral("done"), json)));

    QVERIFY(SignalWaiter::wait(picked, 1, 5000));
    QScopedPointer<SelectedPlace> received(picked.first().first().value<SelectedPlace *>());
    QVERIFY(received);
    QCOMPARE(qint64(received->id()), place->id());
    QCOMPARE(received->name(), QStringLiteral("Bäckerei Nord"));
    QCOMPARE(received->street(), QStringLiteral("12 King St N"));
    QCOMPARE(received->city(), QStringLiteral("Waterloo"));
    QCOMPARE(received->latitude(), 43.4643);
    QCOMPARE(received->longitude(), -80.5204);
}

void tst_CardsUtils::pickerResultsThatAreNotAPlace_data()
{
    QTest::addColumn<QString>("data");

    QTest::newRow("a card closed without data") << QString();
    QTest::newRow("a place without an id") << QStringLiteral("{\"selected_place\":{\"name\":\"x\"}}");
}

void tst_CardsUtils::pickerResultsThatAreNotAPlace()
{
    QFETCH(QString, data);

    TestRoots roots;
    CardDesk desk;
    CardsUtils cards;
    QSignalSpy picked(&cards, &CardsUtils::selectedPlace);
    cards.placePicker();
    QVERIFY(desk.waitForCards(1));
    QVERIFY(desk.opened.first().done(CardDoneMessage(QStringLiteral("done"), data)));
    QVERIFY(SignalWaiter::wait(picked, 1, 5000));
    QCOMPARE(picked.first().first().value<SelectedPlace *>(), static_cast<SelectedPlace *>(nullptr));
}

void tst_CardsUtils::repeatedInvocationsDeliverEachResultOnce()
{
    TestRoots roots;
    CardDesk desk;
    CardsUtils cards;
    QSignalSpy done(&cards, &CardsUtils::previewDone);
    cards.placeViewPreviewer(bakery(), false);
    cards.placeViewPreviewer(bakery(), true);
    cards.placeViewPreviewer(bakery(), false);
    QVERIFY(desk.waitForCards(3));
    QVERIFY(waitForIdleLocation());

    QVERIFY(desk.opened.at(1).done(CardDoneMessage(QStringLiteral("done"), QStringLiteral("17:EXISTED"))));
    QVERIFY(SignalWaiter::wait(done, 1, 5000));
    QCoreApplication::processEvents();
    QCOMPARE(done.size(), 1);
    QCOMPARE(done.first().first().value<PlaceCardReturnMessage>(),
             PlaceCardReturnMessage(17, PlaceCardReturnMessage::Existed));

    // A card closed without data still answers, with the unknown message.
    QVERIFY(desk.opened.at(0).done(CardDoneMessage(QStringLiteral("done"), QString())));
    QVERIFY(SignalWaiter::wait(done, 2, 5000));
    QCOMPARE(done.last().first().value<PlaceCardReturnMessage>(), PlaceCardReturnMessage());
}

void tst_CardsUtils::undeliverableInvocationsAreLogged_data()
{
    QTest::addColumn<bool>("picker");
    QTest::addColumn<QString>("logLine");
    QTest::addColumn<int>("nullPicks"); // a waiting picker hears null rather than nothing

    QTest::newRow("the picker card is missing")
        << true << "hx::trellan::places::CardsUtils::placePickerInvokeFinished() invoke reply had an error: 1" << 1;
    QTest::newRow("the previewer card is missing")
        << false << "hx::trellan::places::CardsUtils::placeViewInvokeFinished() invoke reply had an error: 1" << 0;
}

void tst_CardsUtils::undeliverableInvocationsAreLogged()
{
    QFETCH(bool, picker);
    QFETCH(QString, logLine);
    QFETCH(int, nullPicks);

    TestRoots roots;
    InvokeManager::unbindTarget(Picker);
    InvokeManager::unbindTarget(Previewer);
    CardsUtils cards;
    QSignalSpy picked(&cards, &CardsUtils::selectedPlace);
    QSignalSpy done(&cards, &CardsUtils::previewDone);
    QTest::ignoreMessage(QtCriticalMsg, qPrintable(logLine));
    if (picker)
        cards.placePicker();
    else
        cards.placeViewPreviewer(bakery(), false);
    QVERIFY(waitForIdleLocation());
    // The reply is scheduled for deletion once its failure is logged.
    QVERIFY(
        SignalWaiter::waitFor([&] { return cards.findChildren<hx::system::InvokeTargetReply *>().isEmpty(); }, 5000));
    QCOMPARE(picked.size(), nullPicks);
    if (nullPicks)
        QVERIFY(!picked.first().first().value<SelectedPlace *>());
    QCOMPARE(done.size(), 0);
}

void tst_CardsUtils::nullPlaceSendsNothing()
{
    TestRoots roots;
    InvokeManager::clearRecordedRequests();
    CardsUtils cards;
    QTest::ignoreMessage(QtWarningMsg, "hx::trellan::places::CardsUtils::placeViewPreviewer() no place to preview");
    cards.placeViewPreviewer(QSharedPointer<Place>(), false);
    QVERIFY(InvokeManager::recordedRequests().isEmpty());
}

void tst_CardsUtils::callerBuiltPreviewerRequestGoesOutAsItIs()
{
    TestRoots roots;
    CardDesk desk;
    CardsUtils cards;
    QSignalSpy done(&cards, &CardsUtils::previewDone);
    InvokeRequest request;
    request.setAction(CardsUtils::PLACEPREVIEWER_ACTION_VIEW);
    request.setTarget(CardsUtils::PLACEPREVIEWER_TARGET_NAME);
    request.setMimeType(QStringLiteral("application/vnd.korvane.place-id"));
    request.setData(QByteArrayLiteral("{\"placeId\":9}"));
    QTest::ignoreMessage(QtDebugMsg, "hx::trellan::places::CardsUtils::invokePreviewer() in");
    cards.invokePreviewer(request);
    QVERIFY(desk.waitForCards(1));
    QCOMPARE(desk.opened.first().request(), request);

    QVERIFY(desk.opened.first().done(CardDoneMessage(QStringLiteral("done"), QStringLiteral("9:EXISTED"))));
    QVERIFY(SignalWaiter::wait(done, 1, 5000));
    QCOMPARE(done.first().first().value<PlaceCardReturnMessage>(),
             PlaceCardReturnMessage(9, PlaceCardReturnMessage::Existed));
}

QTEST_GUILESS_MAIN(tst_CardsUtils)
#include "tst_cardsutils.moc"

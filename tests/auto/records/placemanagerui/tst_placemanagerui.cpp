#include <hx/platform/places/place.h>
#include <hx/platform/places/placeheader.h>
#include <hx/platform/places/placemanager.h>
#include <hx/system/systemui.h>
#include <hx/trellan/places/placemanagerui.h>
#include <hx/trellan/places/placeutils.h>

#include <QtTest/QtTest>

#include "signalwaiter.h"
#include "testroots.h"

using namespace hx::trellan::places;
using namespace hx::platform::places;
using namespace hx::system;
using namespace hx::test;

namespace {

qint64 fakeNow = 1000000;

QSharedPointer<Place> makePlace(const QString &name, double latitude, double longitude)
{
    QSharedPointer<Place> place(new Place);
    place->setName(name);
    Address address;
    address.setStreet(QStringLiteral("1 King Street"));
    address.setCity(QStringLiteral("Waterloo"));
    place->addLocation(Location(Coordinates(latitude, longitude), address));
    return place;
}

// Stores a place and returns its id.
qint64 storePlace(const QString &name, double latitude, double longitude)
{
    QSharedPointer<Place> place = makePlace(name, latitude, longitude);
    PlaceManager manager;
    if (manager.addPlace(*place) != Error::None)
        return -1;
    return place->id();
}

void closeAllDialogs()
{
    for (int i = 0; i < 20 && SystemUi::visibleCount() > 0; ++i)
        SystemUi::top().buttons.isEmpty() ? void() : void(SystemUi::pressButton(SystemUi::top().buttons.last().label));
}

} // namespace

class tst_PlaceManagerUI : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void errorDialogTexts_data();
    void errorDialogTexts();
    void serviceUnavailableIsShownOncePerNineSeconds();
    void repeatedErrorIsShownOncePerMinute();
    void storeErrorsAreLoggedAndShownWhenAsked_data();
    void storeErrorsAreLoggedAndShownWhenAsked();
    void nullHeaderReportsError1();

    void savePickedPlaceResolvesDuplicates_data();
    void savePickedPlaceResolvesDuplicates();
    void savePickedPlaceStoresANewPlace();
    void savePickedPlaceWithNullPlaceReturns1();

    void convertToPlace();

private:
    TestRoots *m_roots = nullptr;
};

void tst_PlaceManagerUI::initTestCase()
{
    PlaceManagerUI::setTimeSource([] { return fakeNow; });
}

void tst_PlaceManagerUI::init()
{
    m_roots = new TestRoots;
    QVERIFY(m_roots->isValid());
    // Far enough from the last test's error-9 dialog to never be filtered by accident.
    fakeNow += 1000;
    SystemUi::clearHistory();
}

void tst_PlaceManagerUI::cleanup()
{
    closeAllDialogs();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    delete m_roots;
    m_roots = nullptr;
}

void tst_PlaceManagerUI::errorDialogTexts_data()
{
    QTest::addColumn<int>("error");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("body");

    QTest::newRow("a place no longer stored has only a body")
        << 5 << QString() << "This item has either been moved or deleted.";
    QTest::newRow("error 6 shows neither title nor body") << 6 << QString() << QString();
    QTest::newRow("an unavailable service is content unavailable")
        << 9 << "Content Unavailable" << QStringLiteral("My Places content is currently unavailable.");
    QTest::newRow("the favourites limit")
        << 13 << "Maximum Limit Reached" << QStringLiteral("You have reached the maximum limit for favorites.");
    QTest::newRow("an already stored favourite")
        << 14 << "Already a Favorite" << QStringLiteral("This place is already saved as a favorite.");
    QTest::newRow("no network")
        << 16 << "No Network Connection"
        << QStringLiteral("Can't complete your request. Please check your network connection, and try again.");
    QTest::newRow("any other error is content unavailable")
        << 1 << "Content Unavailable" << QStringLiteral("My Places content is currently unavailable.");
}

void tst_PlaceManagerUI::errorDialogTexts()
{
    QFETCH(int, error);
    QFETCH(QString, title);
    QFETCH(QString, body);

    PlaceManagerUI::showErrorDialog(Error::Type(error), -1);

    QCOMPARE(SystemUi::visibleCount(), 1);
    const SystemUiRecord shown = SystemUi::top();
    QCOMPARE(shown.title, title);
    QCOMPARE(shown.body, body);
    // The cancel button is taken away: the user can only acknowledge.
    QCOMPARE(shown.buttonLabels(), QStringList { QStringLiteral("OK") });

    // The dialog goes away, and deletes itself, once acknowledged.
    QVERIFY(SystemUi::pressButton(QStringLiteral("OK")));
    QCOMPARE(SystemUi::visibleCount(), 0);
}

void tst_PlaceManagerUI::serviceUnavailableIsShownOncePerNineSeconds()
{
    const qint64 start = fakeNow;
    PlaceManagerUI::showErrorDialog(Error::ServiceUnavailable, -1);
    QCOMPARE(SystemUi::history().size(), 1);

    fakeNow = start + 5;
    PlaceManagerUI::showErrorDialog(Error::ServiceUnavailable, -1);
    QCOMPARE(SystemUi::history().size(), 1);

    fakeNow = start + 9;
    PlaceManagerUI::showErrorDialog(Error::ServiceUnavailable, -1);
    QCOMPARE(SystemUi::history().size(), 1);

    fakeNow = start + 12;
    PlaceManagerUI::showErrorDialog(Error::ServiceUnavailable, -1);
    QCOMPARE(SystemUi::history().size(), 2);

    // Other errors are never filtered.
    PlaceManagerUI::showErrorDialog(Error::NoNetwork, -1);
    PlaceManagerUI::showErrorDialog(Error::NoNetwork, -1);
    QCOMPARE(SystemUi::history().size(), 4);
}

void tst_PlaceManagerUI::repeatedErrorIsShownOncePerMinute()
{
    QDateTime lastTime;
    Error::Type lastError = Error::None;

    PlaceUtils::showErrorMessageOnCondition(Error::NoNetwork, lastTime, lastError);
    QCOMPARE(SystemUi::history().size(), 1);
    QCOMPARE(lastError, Error::NoNetwork);
    QCOMPARE(lastTime.toSecsSinceEpoch(), fakeNow);

    fakeNow += 60;
    PlaceUtils::showErrorMessageOnCondition(Error::NoNetwork, lastTime, lastError);
    QCOMPARE(SystemUi::history().size(), 1);

    PlaceUtils::showErrorMessageOnCondition(Error::FavoritesLimitReached, lastTime, lastError);
    QCOMPARE(SystemUi::history().size(), 2);
    QCOMPARE(lastError, Error::FavoritesLimitReached);

    fakeNow += 61;
    PlaceUtils::showErrorMessageOnCondition(Error::FavoritesLimitReached, lastTime, lastError);
    QCOMPARE(SystemUi::history().size(), 3);
}

void tst_PlaceManagerUI::storeErrorsAreLoggedAndShownWhenAsked_data()
{
    QTest::addColumn<bool>("show");
    QTest::newRow("with the show flag a dialog appears") << true;
    QTest::newRow("without it only the log line is written") << false;
}

void tst_PlaceManagerUI::storeErrorsAreLoggedAndShownWhenAsked()
{
    QFETCH(bool, show);

    Error::Type error = Error::None;
    QTest::ignoreMessage(QtCriticalMsg, "hx::trellan::places::PlaceManagerUI::getPlace() error = 5");
    Place *place = PlaceManagerUI::getPlace(qint64(424242), error, show);
    delete place;
    QCOMPARE(error, Error::NotFound);
    QCOMPARE(SystemUi::history().size(), show ? 1 : 0);
    if (show)
        QCOMPARE(SystemUi::top().body, QStringLiteral("This item has either been moved or deleted."));

    QTest::ignoreMessage(QtCriticalMsg, "hx::trellan::places::PlaceManagerUI::removePlace() error = 5");
    QCOMPARE(PlaceManagerUI::removePlace(424242, false), Error::NotFound);
}

void tst_PlaceManagerUI::nullHeaderReportsError1()
{
    Error::Type error = Error::None;
    QTest::ignoreMessage(QtCriticalMsg, "hx::trellan::places::PlaceManagerUI::getPlace() error = 1");
    QCOMPARE(PlaceManagerUI::getPlace(static_cast<const PlaceManagerUI::PlaceHeader *>(nullptr), error, true),
             static_cast<Place *>(nullptr));
    QCOMPARE(int(error), 1);
    QCOMPARE(SystemUi::top().title, QStringLiteral("Content Unavailable"));
}

void tst_PlaceManagerUI::savePickedPlaceResolvesDuplicates_data()
{
    QTest::addColumn<double>("offset");
    QTest::addColumn<bool>("reused");

    QTest::newRow("a twin exactly 0.001 degrees away is reused") << 0.001 << true;
    QTest::newRow("a namesake 0.002 degrees away is not found") << 0.002 << false;
}

void tst_PlaceManagerUI::savePickedPlaceResolvesDuplicates()
{
    QFETCH(double, offset);
    QFETCH(bool, reused);

    const qint64 storedId = storePlace(QStringLiteral("Blue Heron Café"), 43.4643, -80.5204);
    QVERIFY(storedId > 0);

    QSharedPointer<Place> picked = makePlace(QStringLiteral("Blue Heron Café"), 43.4643 + offset, -80.5204 + offset);
    Place *original = picked.data();
    if (!reused)
        QTest::ignoreMessage(QtCriticalMsg, "hx::trellan::places::PlaceManagerUI::savePickedPlace() error = 5");

    const Error::Type error = PlaceManagerUI::savePickedPlace(picked, true);

    if (reused) {
        QCOMPARE(error, Error::None);
        QVERIFY(!picked.isNull());
        QVERIFY(picked.data() != original);
        QCOMPARE(picked->id(), storedId);
        QCOMPARE(SystemUi::history().size(), 0);
    } else {
        QCOMPARE(error, Error::NotFound);
        QVERIFY(picked.isNull());
        QCOMPARE(SystemUi::visibleCount(), 1);
        QCOMPARE(SystemUi::top().body, QStringLiteral("This item has either been moved or deleted."));
    }
}

void tst_PlaceManagerUI::savePickedPlaceStoresANewPlace()
{
    QSharedPointer<Place> picked = makePlace(QStringLiteral("Kissing Bridge"), 43.6, -80.5);
    QCOMPARE(PlaceManagerUI::savePickedPlace(picked, true), Error::None);
    QVERIFY(!picked.isNull());
    QVERIFY(picked->id() > 0);

    Error::Type error = Error::None;
    QScopedPointer<Place> stored(PlaceManagerUI::getPlace(picked->id(), error, false));
    QCOMPARE(error, Error::None);
    QCOMPARE(stored->name(), QStringLiteral("Kissing Bridge"));
}

void tst_PlaceManagerUI::savePickedPlaceWithNullPlaceReturns1()
{
    QSharedPointer<Place> none;
    QCOMPARE(int(PlaceManagerUI::savePickedPlace(none, true)), 1);
    QVERIFY(none.isNull());
    QCOMPARE(SystemUi::history().size(), 0);
}

void tst_PlaceManagerUI::convertToPlace()
{
    QCOMPARE(PlaceManagerUI::convertToPlace(QSharedPointer<PlaceManagerUI::AbstractPlace>()), QSharedPointer<Place>());

    // A full place comes back as the very same object.
    QSharedPointer<Place> full = makePlace(QStringLiteral("Uptown"), 43.46, -80.52);
    QCOMPARE(PlaceManagerUI::convertToPlace(full).data(), full.data());
}

QTEST_MAIN(tst_PlaceManagerUI)
#include "tst_placemanagerui.moc"

#include <hx/trellan/places/browserutils.h>
#include <hx/trellan/places/placeutils.h>

#include <hx/pps/ppsobject.h>
#include <hx/pps/ppspath.h>
#include <hx/system/invokemanager.h>
#include <hx/system/invokequery.h>

#include <hx/platform/places/placemanager.h>
#include <hx/trellan/invokeactionitem.h>
#include <hx/trellan/places/mapsinvoker.h>

#include "signalwaiter.h"
#include "storefixture.h"
#include "testroots.h"

#include <QtTest/QtTest>

using hx::platform::places::Place;
using hx::system::InvokeManager;
using hx::system::InvokeRequest;
using hx::system::SecurityPerimeter;
using hx::trellan::places::BrowserUtils;
using hx::trellan::places::PlaceUtils;

namespace {

InvokeRequest onlyRecordedRequest()
{
    const QList<InvokeRequest> requests = InvokeManager::recordedRequests();
    if (requests.size() != 1)
        qWarning() << "expected one request, got" << requests.size();
    return requests.value(0);
}

void writeFile(const QString &objectPath, const QByteArray &bytes)
{
    const QString local = hx::pps::localPath(objectPath);
    QVERIFY(hx::pps::makePrivateFolders(QFileInfo(local).absolutePath()));
    QFile file(local);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

void setLockState(int state)
{
    QVariantMap status;
    status.insert(QStringLiteral("lockState"), state);
    QVariantMap object;
    object.insert(QStringLiteral("@homescreen"), status);
    writeFile(QStringLiteral("/pps/system/navigator/homescreen"), hx::PpsObject::encode(object));
}

// Lets every reply finish and every deferred deletion run.
void settle()
{
    for (int i = 0; i < 3; ++i) {
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

} // namespace

class tst_Invocations : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void dialAndComposeEmail_data();
    void dialAndComposeEmail();
    void openUri_data();
    void openUri();
    void openEmptyUriSendsNothing();
    void backgroundMessage_data();
    void backgroundMessage();
    void backgroundObjectThatCannotBeOpened();
    void enterprisePolicy_data();
    void enterprisePolicy();
    void homeScreenLockState_data();
    void homeScreenLockState();
    void oneNfcShareManagerWhileHeld();
    void launchMapOnlyOfAStoredPlace();
    void previewOfAStoredPlace();
    void handsfreeNavigation_data();
    void handsfreeNavigation();
    void mapActions_data();
    void mapActions();
    void mapTouchedShowsThePlace();
    void shareActionItem();
    void favouriteShortcuts();

private:
    QScopedPointer<hx::test::TestRoots> m_roots;
};

void tst_Invocations::init()
{
    m_roots.reset(new hx::test::TestRoots);
    QVERIFY(m_roots->isValid());
    InvokeManager::clearRecordedRequests();
}

void tst_Invocations::cleanup()
{
    settle();
    m_roots.reset();
}

void tst_Invocations::dialAndComposeEmail_data()
{
    QTest::addColumn<bool>("dial"); // false: compose an e-mail
    QTest::addColumn<QString>("value");
    QTest::addColumn<QByteArray>("data");
    QTest::newRow("a number is the data") << true << "+1 519 555 0100" << QByteArray("+1 519 555 0100");
    QTest::newRow("an empty number dials with no data") << true << "" << QByteArray();
    QTest::newRow("an address is inserted without escaping")
        << false << "a\"b@é.org" << QByteArray("{ \"to\" : [\"a\"b@\xc3\xa9.org\"] }");
    QTest::newRow("an empty address opens the composer with no data") << false << "" << QByteArray();
}

void tst_Invocations::dialAndComposeEmail()
{
    QFETCH(bool, dial);
    QFETCH(QString, value);
    QFETCH(QByteArray, data);
    QVERIFY(dial ? PlaceUtils::callPhoneNumber(value) : PlaceUtils::composeEmail(value));
    const InvokeRequest request = onlyRecordedRequest();
    QCOMPARE(request.action(), dial ? QStringLiteral("hx.action.DIAL") : QStringLiteral("hx.action.COMPOSE"));
    QCOMPARE(request.mimeType(),
             dial ? QStringLiteral("application/vnd.korvane.phone.number") : QStringLiteral("message/rfc822"));
    QCOMPARE(request.target(), dial ? QString() : QStringLiteral("sys.pim.uib.email.hybridcomposer"));
    QCOMPARE(request.data(), data);
}

void tst_Invocations::openUri_data()
{
    QTest::addColumn<QUrl>("uri");
    QTest::addColumn<QString>("opened");
    QTest::newRow("an address with a scheme is kept") << QUrl("https://example.org/menu") << "https://example.org/menu";
    QTest::newRow("an address without a scheme gets http")
        << QUrl("www.example.org/menu") << "http://www.example.org/menu";
}

void tst_Invocations::openUri()
{
    QFETCH(QUrl, uri);
    QFETCH(QString, opened);
    BrowserUtils browser;
    QVERIFY(browser.openUri(uri));
    const InvokeRequest request = onlyRecordedRequest();
    QCOMPARE(request.action(), QStringLiteral("hx.action.OPEN"));
    QCOMPARE(request.mimeType(), QStringLiteral("text/html;application/xhtml+xml"));
    QCOMPARE(request.target(), QStringLiteral("sys.browser"));
    QCOMPARE(request.uri().toString(), opened);
    QVERIFY(request.data().isEmpty());
    // Nobody answers to the browser target here: the reply reports it and is cleaned up.
    QTest::ignoreMessage(QtWarningMsg,
                         "hx::trellan::places::BrowserUtils::onInvokeReplyFinished(): failed invoking, error =1");
    QVERIFY(hx::test::SignalWaiter::waitFor([&] { return browser.findChildren<QObject *>().size() == 1; }, 2000));
}

void tst_Invocations::openEmptyUriSendsNothing()
{
    BrowserUtils browser;
    QTest::ignoreMessage(QtCriticalMsg,
                         "hx::trellan::places::BrowserUtils::openUri(): uri is empty. Aborting the open URI request.");
    QVERIFY(!browser.openUri(QUrl()));
    QVERIFY(InvokeManager::recordedRequests().isEmpty());
}

void tst_Invocations::backgroundMessage_data()
{
    QTest::addColumn<int>("perimeter");
    QTest::addColumn<QString>("perimeterText");
    QTest::addColumn<QString>("data");
    QTest::addColumn<QString>("base64");
    const auto row
        = [](const char *name, int perimeter, const char *perimeterText, const char *data, const char *base64) {
              QTest::newRow(name) << perimeter << QString(perimeterText) << QString(data) << QString(base64);
          };
    row("the personal perimeter", 2, "personal", "JSON {}", "SlNPTiB7fQ==");
    row("the enterprise perimeter", 1, "enterprise", "ab", "YWI=");
    row("the default perimeter counts as enterprise", 0, "enterprise", "abc", "YWJj");
    row("Latin-1 data", 2, "personal", "Café", "Q2Fm6Q==");
}

void tst_Invocations::backgroundMessage()
{
    QFETCH(int, perimeter);
    QFETCH(QString, perimeterText);
    QFETCH(QString, data);
    QFETCH(QString, base64);
    QVERIFY(PlaceUtils::invokeAllowedForBackground(QStringLiteral("hx.action.OPEN"),
                                                   QStringLiteral("application/vnd.zel.map.action-v1"), data,
                                                   SecurityPerimeter::Type(perimeter)));
    QFile file(hx::pps::localPath(QStringLiteral("/pps/system/navigator/background")));
    QVERIFY(file.open(QIODevice::ReadOnly));
    bool ok = false;
    const QVariantMap message = hx::PpsObject::decode(file.readAll(), &ok);
    QVERIFY(ok);
    QCOMPARE(message.value("msg").toString(), QStringLiteral("invokeTarget"));
    QCOMPARE(message.value("id"), QVariant(QStringLiteral("30")));
    const QVariantMap dat = message.value("dat").toMap();
    QCOMPARE(dat.value("action").toString(), QStringLiteral("hx.action.OPEN"));
    QCOMPARE(dat.value("type").toString(), QStringLiteral("application/vnd.zel.map.action-v1"));
    QCOMPARE(dat.value("perimeter").toString(), perimeterText);
    QCOMPARE(dat.value("data").toString(), base64);
    QCOMPARE(QByteArray::fromBase64(base64.toLatin1()), data.toLatin1());
    QVERIFY(InvokeManager::recordedRequests().isEmpty());
}

void tst_Invocations::backgroundObjectThatCannotBeOpened()
{
    // A folder where the object file should be cannot be opened for writing.
    QVERIFY(QDir().mkpath(hx::pps::localPath(QStringLiteral("/pps/system/navigator/background"))));
    QTest::ignoreMessage(
        QtCriticalMsg,
        QRegularExpression(QStringLiteral("^hx::trellan::places::PlaceUtils::invokeAllowedForBackground - "
                                          "Could not open /pps/system/navigator/background\\.Error msg: \".+\"$")));
    QVERIFY(!PlaceUtils::invokeAllowedForBackground(QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c"),
                                                    SecurityPerimeter::Personal));
}

void tst_Invocations::enterprisePolicy_data()
{
    QTest::addColumn<bool>("present");
    QTest::addColumn<QByteArray>("policy");
    QTest::addColumn<bool>("blocked");
    QTest::newRow("a missing policy file blocks nothing") << false << QByteArray() << false;
    QTest::newRow("the key anywhere in the file blocks maps")
        << true << QByteArray("@policy\npolicy_block_camera::0\npolicy_block_maps::1\n") << true;
    QTest::newRow("the key set to 0 does not block") << true << QByteArray("policy_block_maps::0\n") << false;
}

void tst_Invocations::enterprisePolicy()
{
    QFETCH(bool, present);
    QFETCH(QByteArray, policy);
    QFETCH(bool, blocked);
    if (present)
        writeFile(QStringLiteral("/pps/system/perimeter/settings/1000-enterprise/policy"), policy);
    QCOMPARE(PlaceUtils::isMapsAppBlockedByITPolicy(), blocked);
    QCOMPARE(PlaceUtils::isBlockedByITPolicy(QStringLiteral("policy_block_camera::0")),
             policy.contains("policy_block_camera::0"));
}

void tst_Invocations::homeScreenLockState_data()
{
    QTest::addColumn<bool>("present");
    QTest::addColumn<int>("state");
    QTest::addColumn<int>("expected");
    QTest::newRow("no status object reads as unlocked") << false << 0 << 0;
    QTest::newRow("a lock state of 2") << true << 2 << 2;
}

void tst_Invocations::homeScreenLockState()
{
    QFETCH(bool, present);
    QFETCH(int, state);
    QFETCH(int, expected);
    if (present)
        setLockState(state);
    QCOMPARE(PlaceUtils::homeScreenLockState(), expected);
}

void tst_Invocations::oneNfcShareManagerWhileHeld()
{
    QSharedPointer<hx::system::NfcShareManager> first = PlaceUtils::getNfcShareManagerInstance();
    QVERIFY(first);
    QCOMPARE(PlaceUtils::getNfcShareManagerInstance(), first);
    QPointer<hx::system::NfcShareManager> watched = first.data();
    first.reset();
    QVERIFY(watched.isNull());
    QVERIFY(PlaceUtils::getNfcShareManagerInstance());
}

namespace {

const QByteArray navigationText
    = QByteArrayLiteral("JSON {\"view_mode\":\"nav\",\"nav_end\":        {\"properties\":{\"name\":\"Caf\xc3\xa9 "
                        "\"Nord\"\",\"address\":\"%ADDR%\"},"
                        "\"latitude\":43.472300,\"longitude\":-80.544900},        "
                        "\"nav_options\":{\"avoid_highways\":false,\"hands_free\":true},"
                        "\"geolocation\":false}");

Place storedPlace()
{
    Place place = hx::test::StoreFixture::addRecent(QStringLiteral("Café \"Nord\""), 43.4723, -80.5449);
    place.setSecurityPerimeter(hx::system::SecurityPerimeter::Personal);
    return place;
}

} // namespace

void tst_Invocations::launchMapOnlyOfAStoredPlace()
{
    Place place = storedPlace();
    QVERIFY(PlaceUtils::launchMap(place));
    const InvokeRequest request = onlyRecordedRequest();
    QCOMPARE(request.action(), QStringLiteral("hx.action.MAP"));
    QCOMPARE(request.mimeType(), QStringLiteral("application/vnd.korvane.place-id"));
    QCOMPARE(request.target(), QString());
    QCOMPARE(request.data(), QStringLiteral("JSON {\"placeId\":%1}").arg(place.id()).toUtf8());
    QCOMPARE(request.perimeter(), SecurityPerimeter::Personal);

    InvokeManager::clearRecordedRequests();
    Place notStored = hx::test::StoreFixture::makePlace(QStringLiteral("Nowhere"), 10, 10);
    QVERIFY(!notStored.isPersisted());
    QVERIFY(!PlaceUtils::launchMap(notStored));
    QVERIFY(InvokeManager::recordedRequests().isEmpty());
}

void tst_Invocations::previewOfAStoredPlace()
{
    QSharedPointer<Place> place(new Place(storedPlace()));
    QVERIFY(PlaceUtils::launchUnifiedSearchPreview(place));
    const InvokeRequest request = onlyRecordedRequest();
    QCOMPARE(request.action(), QStringLiteral("hx.action.VIEW"));
    QCOMPARE(request.mimeType(), QStringLiteral("application/vnd.korvane.place-id"));
    QCOMPARE(request.target(), QStringLiteral("sys.places.placepreviewer"));
    QCOMPARE(request.data(), QStringLiteral("{\"placeId\":%1}").arg(place->id()).toUtf8());
}

void tst_Invocations::handsfreeNavigation_data()
{
    QTest::addColumn<int>("lockState");
    QTest::addColumn<bool>("background");
    QTest::addColumn<bool>("throughBackgroundObject");
    QTest::newRow("locked without the background flag uses the service") << 2 << false << false;
    QTest::newRow("locked with the background flag uses the background object") << 2 << true << true;
}

void tst_Invocations::handsfreeNavigation()
{
    QFETCH(int, lockState);
    QFETCH(bool, background);
    QFETCH(bool, throughBackgroundObject);
    setLockState(lockState);
    Place place = storedPlace();
    QByteArray expected = navigationText;
    expected.replace("%ADDR%", place.primaryLocation().toUtf8());

    QVERIFY(PlaceUtils::launchHandsfreeNavigation(place, background));
    const QString objectFile = hx::pps::localPath(QStringLiteral("/pps/system/navigator/background"));
    if (throughBackgroundObject) {
        QVERIFY(InvokeManager::recordedRequests().isEmpty());
        QFile file(objectFile);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QVariantMap dat = hx::PpsObject::decode(file.readAll()).value("dat").toMap();
        QCOMPARE(dat.value("perimeter").toString(), QStringLiteral("personal"));
        // The background message carries the text's Latin-1 bytes.
        QCOMPARE(QByteArray::fromBase64(dat.value("data").toString().toLatin1()),
                 QString::fromUtf8(expected).toLatin1());
    } else {
        QVERIFY(!QFile::exists(objectFile));
        const InvokeRequest request = onlyRecordedRequest();
        QCOMPARE(request.action(), QStringLiteral("hx.action.OPEN"));
        QCOMPARE(request.mimeType(), QStringLiteral("application/vnd.zel.map.action-v1"));
        QCOMPARE(request.target(), QString());
        QCOMPARE(request.data(), expected);
    }
}

void tst_Invocations::mapActions_data()
{
    QTest::addColumn<QString>("which");
    QTest::addColumn<QString>("action");
    QTest::newRow("plan a route") << QStringLiteral("plan") << QStringLiteral("hx.action.PLANROUTE");
    QTest::newRow("go there") << QStringLiteral("go") << QStringLiteral("hx.action.NAVIGATETO");
    QTest::newRow("show on the map") << QStringLiteral("map") << QStringLiteral("hx.action.MAP");
}

void tst_Invocations::mapActions()
{
    QFETCH(QString, which);
    QFETCH(QString, action);
    QSharedPointer<Place> place(new Place(storedPlace()));
    hx::trellan::places::MapsInvoker invoker(place);
    hx::trellan::InvokeActionItem *item = which == "plan" ? invoker.createPlanRouteAction()
        : which == "go"                                   ? invoker.createGoAction()
                                                          : invoker.createMapAction();
    QVERIFY(item->isEnabled());
    QCOMPARE(item->query()->invokeActionId(), action);
    QCOMPARE(item->query()->mimeType(), QStringLiteral("application/vnd.korvane.place-id"));
    QCOMPARE(item->query()->data(), QStringLiteral("{\"placeId\":%1}").arg(place->id()).toUtf8());

    QSharedPointer<Place> nowhere(new Place);
    hx::trellan::places::MapsInvoker withoutPosition(nowhere);
    QVERIFY(!withoutPosition.createMapAction()->isEnabled());
}

void tst_Invocations::mapTouchedShowsThePlace()
{
    QSharedPointer<Place> place(new Place(storedPlace()));
    hx::trellan::places::MapsInvoker invoker(place);
    invoker.onMapTouched();
    QVERIFY(hx::test::SignalWaiter::waitFor([] { return !InvokeManager::recordedRequests().isEmpty(); }, 2000));
    const InvokeRequest request = onlyRecordedRequest();
    QCOMPARE(request.action(), QStringLiteral("hx.action.MAP"));
    QCOMPARE(request.data(), QStringLiteral("{\"placeId\":%1}").arg(place->id()).toUtf8());
}

void tst_Invocations::shareActionItem()
{
    QObject parent;
    QSharedPointer<Place> place(new Place(storedPlace()));
    hx::trellan::InvokeActionItem *item = PlaceUtils::createShareActionItem(place, &parent);
    QCOMPARE(item->parent(), &parent);
    QCOMPARE(item->objectName(), QStringLiteral("ShareAction"));
    QCOMPARE(item->title(), QStringLiteral("Share"));
    QVERIFY(item->isEnabled());
    QCOMPARE(item->query()->invokeActionId(), QStringLiteral("hx.action.SHARE"));
    QVERIFY(item->query()->uri().toString(QUrl::FullyEncoded).startsWith(QStringLiteral("geo:43.472300,-80.544900")));

    QSharedPointer<Place> nowhere(new Place);
    QVERIFY(!PlaceUtils::createShareActionItem(nowhere, &parent)->isEnabled());
}

void tst_Invocations::favouriteShortcuts()
{
    QSharedPointer<hx::platform::places::AbstractPlace> place(new Place(storedPlace()));
    QCOMPARE(int(PlaceUtils::favPlace(place)), 0);
    hx::platform::places::Error::Type error = hx::platform::places::Error::None;
    Place *stored = hx::platform::places::PlaceManager().getPlace(place->id(), error);
    QVERIFY(stored);
    QVERIFY(stored->isFavorite());
    delete stored;
    // Already a favourite: nothing to do.
    QCOMPARE(int(PlaceUtils::favPlace(place)), 0);
    QCOMPARE(int(PlaceUtils::unfavPlace(place)), 0);
    stored = hx::platform::places::PlaceManager().getPlace(place->id(), error);
    QVERIFY(stored);
    QVERIFY(!stored->isFavorite());
    delete stored;
    QCOMPARE(int(PlaceUtils::favPlace(static_cast<hx::platform::places::AbstractPlace *>(nullptr))), 0);
}

QTEST_MAIN(tst_Invocations)
#include "tst_invocations.moc"

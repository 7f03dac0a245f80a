#include <hx/trellan/places/getgeolocation.h>
#include <hx/trellan/places/locatingview.h>
#include <hx/trellan/places/placeutils.h>

#include <hx/trellan/container.h>
#include <hx/trellan/screentext.h>

#include "gazetteerfixture.h"
#include "serviceprocess.h"
#include "signalwaiter.h"
#include "testroots.h"

#include <QtTest/QSignalSpy>
#include <QtTest/QtTest>

#include <ctime>

using hx::platform::places::GazetteerEntry;
using hx::platform::places::Location;
using namespace hx::test;
using namespace hx::trellan::places;

namespace {

// Records the view's signals by name, in the order they come.
class SignalLog : public QObject
{
public:
    explicit SignalLog(LocatingView *view)
    {
        record(view, &LocatingView::locationFound, "locationFound");
        record(view, &LocatingView::locationNotFound, "locationNotFound");
        record(view, &LocatingView::startedReverseGeocoding, "startedReverseGeocoding");
        record(view, &LocatingView::geocoded, "geocoded");
        connect(view, &LocatingView::done, this, [this](const Location &location) {
            names << QStringLiteral("done");
            result = location;
        });
    }

    QStringList names;
    Location result;

private:
    template<typename Signal> void record(LocatingView *view, Signal signal, const char *name)
    {
        connect(view, signal, this, [this, name] { names << QLatin1String(name); });
    }
};

bool writeGazetteer(const QString &path)
{
    GazetteerEntry university
        = GazetteerFixture::entry(GazetteerEntry::Address, QStringLiteral("200 University Ave W"), 43.4723, -80.5449);
    university.street = QStringLiteral("200 University Ave W");
    university.city = QStringLiteral("Waterloo");
    return GazetteerFixture::write(path, { university });
}

} // namespace

class tst_LocatingView : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanupTestCase();

    void showsTheApplicationDocument();
    void statesFollowEachOther_data();
    void statesFollowEachOther();

private:
    GeolocationRequest m_savedRequest;
};

void tst_LocatingView::initTestCase()
{
    // Short runs: one second on the location service, one second for the address, and a fix
    // deadline of 1.55 s (5 ms polls, 310 of them).
    m_savedRequest = PlaceUtils::mylocationRequest_zant;
    PlaceUtils::mylocationRequest_zant.responseTime = 1;
    PlaceUtils::MY_LOCATION_CHECK_FREQUENCY = 200;
    PlaceUtils::MY_LOCATION_WAITTIME = 1;
    PlaceUtils::MY_LOCATION_WAITTIME_TIMEOUT = 0;
}

void tst_LocatingView::init()
{
    QVERIFY(SignalWaiter::waitFor([] { return !GetGeolocation::isRunning(PlaceUtils::mylocationRequest_zant); }));
    const time_t now = time(nullptr);
    QVERIFY(SignalWaiter::waitFor([now] { return time(nullptr) > now; }, 2000));
}

void tst_LocatingView::cleanupTestCase()
{
    PlaceUtils::mylocationRequest_zant = m_savedRequest;
}

void tst_LocatingView::showsTheApplicationDocument()
{
    LocatingView view;
    hx::trellan::Container *root = view.getVisualNodeRoot();
    QVERIFY(root);
    QCOMPARE(root->objectName(), QStringLiteral("LocatingViewRoot"));
    QVERIFY2(hx::trellan::ScreenText::render(root).contains(QStringLiteral("Finding your location")),
             qPrintable(hx::trellan::ScreenText::render(root)));
}

void tst_LocatingView::statesFollowEachOther_data()
{
    QTest::addColumn<QStringList>("locationd"); // empty: no location service
    QTest::addColumn<bool>("revgeocoded");
    QTest::addColumn<QStringList>("expected");
    QTest::addColumn<QString>("street");

    const QStringList named { "locationFound", "startedReverseGeocoding", "geocoded", "done" };
    const QStringList fixAt { "--position", "43.4724,-80.5448", "--accuracy", "20" };
    QTest::newRow("a fix and its address") << fixAt << true << named << QStringLiteral("200 University Ave W");
    QTest::newRow("a fix without an address service ends with an empty location")
        << fixAt << false << named << QString();
    QTest::newRow("no fix in time ends without naming")
        << QStringList { "--silent" } << true << QStringList { "locationNotFound", "done" } << QString();
    QTest::newRow("no location service ends without naming")
        << QStringList() << true << QStringList { "locationNotFound", "done" } << QString();
}

void tst_LocatingView::statesFollowEachOther()
{
    QFETCH(QStringList, locationd);
    QFETCH(bool, revgeocoded);
    QFETCH(QStringList, expected);
    QFETCH(QString, street);

    TestRoots roots;
    QVERIFY(writeGazetteer(roots.gazetteerPath()));
    ServiceProcess location(QStringLiteral("hx-locationd"));
    if (!locationd.isEmpty())
        QVERIFY2(location.start(QStringList { QStringLiteral("--root"), roots.ppsRoot() } + locationd),
                 qPrintable(location.errorOutput()));
    ServiceProcess geocoder(QStringLiteral("hx-revgeocoded"));
    if (revgeocoded)
        QVERIFY2(geocoder.start({ QStringLiteral("--root"), roots.messageRoot(), QStringLiteral("--gazetteer"),
                                  roots.gazetteerPath() }),
                 qPrintable(geocoder.errorOutput()));

    LocatingView view;
    SignalLog log(&view);
    view.startStates();
    QVERIFY(log.names.isEmpty()); // the checkers answer through the event loop
    QVERIFY2(SignalWaiter::waitFor([&log] { return log.names.contains(QLatin1String("done")); }, 10000),
             qPrintable(log.names.join(QLatin1Char(' '))));
    QCOMPARE(log.names, expected);
    QCOMPARE(log.result.address().street(), street);
    if (street.isEmpty())
        QCOMPARE(log.result, Location());
}

QTEST_MAIN(tst_LocatingView)
#include "tst_locatingview.moc"

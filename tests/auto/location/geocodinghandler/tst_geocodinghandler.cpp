#include <hx/trellan/places/geocodinghandler.h>

#include <hx/system/systemui.h>

#include "dialogpresser.h"
#include "gazetteerfixture.h"
#include "signalwaiter.h"
#include "testroots.h"

#include <QtTest/QSignalSpy>
#include <QtTest/QtTest>

using namespace hx::platform::places;
using hx::system::SystemUi;
using namespace hx::test;
using hx::trellan::places::GeocodingHandler;

namespace {

Address labelled(const QString &label)
{
    Address address;
    address.setLabel(label);
    return address;
}

QList<Location> locations(const QSignalSpy &finished)
{
    return finished.last().at(0).value<QList<Location>>();
}

bool cancelled(const QSignalSpy &finished)
{
    return finished.last().at(1).toBool();
}

} // namespace

class tst_GeocodingHandler : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void foundAddressKeepsTheCallersAddress();
    void notFoundAsksTheUser_data();
    void notFoundAsksTheUser();
    void cancelWhileRetrieving();
    void secondStartWins();

private:
    QScopedPointer<TestRoots> m_roots;
};

void tst_GeocodingHandler::init()
{
    m_roots.reset(new TestRoots);
    QVERIFY(GazetteerFixture::write(
        m_roots->gazetteerPath(),
        { GazetteerFixture::entry(GazetteerEntry::Locality, QStringLiteral("Waterloo"), 43.4643, -80.5204, 100000),
          GazetteerFixture::entry(GazetteerEntry::Locality, QStringLiteral("Kitchener"), 43.4516, -80.4925, 200000) }));
    SystemUi::clearHistory();
}

void tst_GeocodingHandler::cleanup()
{
    QCOMPARE(SystemUi::visibleCount(), 0);
    m_roots.reset();
}

void tst_GeocodingHandler::foundAddressKeepsTheCallersAddress()
{
    GeocodingHandler handler;
    QSignalSpy finished(&handler, &GeocodingHandler::finished);
    const Address typed = labelled(QStringLiteral("Waterloo"));
    handler.start(QStringLiteral("Waterloo"), typed);

    const hx::system::SystemUiRecord progress = SystemUi::top();
    QCOMPARE(progress.title, QStringLiteral("Places"));
    QCOMPARE(progress.body, QStringLiteral("Retrieving details..."));
    QCOMPARE(progress.buttonLabels(), QStringList { QStringLiteral("Cancel") });
    QVERIFY(progress.activityIndicatorVisible);

    QVERIFY(SignalWaiter::wait(finished));
    QCOMPARE(cancelled(finished), false);
    const QList<Location> found = locations(finished);
    QVERIFY(!found.isEmpty());
    QCOMPARE(found.first().address(), typed);
    QVERIFY(found.first().coordinates().isValid());
    QVERIFY(qAbs(found.first().coordinates().latitude() - 43.4643) < 1e-6);
    QCOMPARE(SystemUi::visibleCount(), 0);
}

void tst_GeocodingHandler::notFoundAsksTheUser_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<bool>("userCancelled");

    QTest::newRow("OK goes on without a position") << "OK" << false;
    QTest::newRow("Cancel gives up") << "Cancel" << true;
}

void tst_GeocodingHandler::notFoundAsksTheUser()
{
    QFETCH(QString, button);
    QFETCH(bool, userCancelled);

    GeocodingHandler handler;
    QSignalSpy finished(&handler, &GeocodingHandler::finished);
    DialogPresser presser(QStringLiteral("Address Not Found"), button);
    handler.start(QStringLiteral("Atlantis"), labelled(QStringLiteral("Atlantis Under The Sea")));
    QVERIFY(SignalWaiter::wait(finished));
    QCOMPARE(finished.count(), 1);
    QCOMPARE(presser.pressedBody(),
             QStringLiteral("Can't find the address for Atlantis on a map. Do you want to continue ?"));
    QVERIFY(locations(finished).isEmpty());
    QCOMPARE(cancelled(finished), userCancelled);
}

void tst_GeocodingHandler::cancelWhileRetrieving()
{
    GeocodingHandler handler;
    QSignalSpy finished(&handler, &GeocodingHandler::finished);
    handler.start(QStringLiteral("Waterloo"), labelled(QStringLiteral("Waterloo")));
    QVERIFY(SystemUi::pressButton(QStringLiteral("Cancel")));
    QCOMPARE(finished.count(), 1);
    QVERIFY(cancelled(finished));
    QVERIFY(locations(finished).isEmpty());
    // The search's late answer is dropped.
    QTest::qWait(500);
    QCOMPARE(finished.count(), 1);
}

void tst_GeocodingHandler::secondStartWins()
{
    GeocodingHandler handler;
    QSignalSpy finished(&handler, &GeocodingHandler::finished);
    handler.start(QStringLiteral("Waterloo"), labelled(QStringLiteral("Waterloo")));
    handler.start(QStringLiteral("Kitchener"), labelled(QStringLiteral("Kitchener")));
    QVERIFY(SignalWaiter::wait(finished));
    QTest::qWait(500);
    QCOMPARE(finished.count(), 1);
    const QList<Location> found = locations(finished);
    QVERIFY(!found.isEmpty());
    QCOMPARE(found.first().address().label(), QStringLiteral("Kitchener"));
}

QTEST_MAIN(tst_GeocodingHandler)
#include "tst_geocodinghandler.moc"

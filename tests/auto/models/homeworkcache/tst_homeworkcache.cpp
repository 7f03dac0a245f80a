#include <QtTest/QtTest>

#include <hx/platform/places/placeheader.h>
#include <hx/platform/places/placemanager.h>
#include <hx/trellan/places/homeworkcache.h>

#include "storefixture.h"
#include "testroots.h"

using namespace hx::trellan::places;
using namespace hx::platform::places;
using namespace hx::test;

class tst_HomeWorkCache : public QObject
{
    Q_OBJECT

private slots:
    void aMovedHomeIsSeenOnlyAfterItIsMarkedDirty_data();
    void aMovedHomeIsSeenOnlyAfterItIsMarkedDirty();

private:
    static QString nameOf(const QSharedPointer<PlaceHeader> &place) { return place ? place->name() : QString(); }
};

void tst_HomeWorkCache::aMovedHomeIsSeenOnlyAfterItIsMarkedDirty_data()
{
    QTest::addColumn<bool>("homeAtFirst");
    QTest::addColumn<int>("dirty"); // -1: nothing is marked
    QTest::addColumn<QString>("home");
    QTest::addColumn<QString>("work");

    QTest::newRow("a second read does not ask the store") << true << -1 << "Old Home"
                                                          << "Old Work";
    QTest::newRow("marking Home dirty reads the home again") << true << int(HomeWorkCache::Home) << "New Home"
                                                             << "Old Work";
    QTest::newRow("marking Work dirty leaves the home alone") << true << int(HomeWorkCache::Work) << "Old Home"
                                                              << "New Work";
    QTest::newRow("marking All dirty reads both again") << true << int(HomeWorkCache::All) << "New Home"
                                                        << "New Work";
    QTest::newRow("a store without a home is not asked again") << false << -1 << QString() << "Old Work";
}

void tst_HomeWorkCache::aMovedHomeIsSeenOnlyAfterItIsMarkedDirty()
{
    QFETCH(bool, homeAtFirst);
    QFETCH(int, dirty);
    QFETCH(QString, home);
    QFETCH(QString, work);

    TestRoots roots;
    HomeWorkCache::setDirty(HomeWorkCache::All);
    const Place oldHome = homeAtFirst ? StoreFixture::addHome(QStringLiteral("Old Home"), 43.47, -80.54) : Place();
    const Place oldWork = StoreFixture::addWork(QStringLiteral("Old Work"), 43.48, -80.53);
    QCOMPARE(HomeWorkCache::hasMyHome(), homeAtFirst);
    QCOMPARE(nameOf(HomeWorkCache::myWork()), QStringLiteral("Old Work"));

    PlaceManager manager;
    if (homeAtFirst)
        QCOMPARE(manager.removePlace(oldHome.id()), Error::None);
    QCOMPARE(manager.removePlace(oldWork.id()), Error::None);
    StoreFixture::addHome(QStringLiteral("New Home"), 43.49, -80.52);
    StoreFixture::addWork(QStringLiteral("New Work"), 43.50, -80.51);
    if (dirty >= 0)
        HomeWorkCache::setDirty(HomeWorkCache::Type(dirty));

    QCOMPARE(nameOf(HomeWorkCache::myHome()), home);
    QCOMPARE(HomeWorkCache::hasMyHome(), !home.isEmpty());
    QCOMPARE(nameOf(HomeWorkCache::myWork()), work);
}

QTEST_GUILESS_MAIN(tst_HomeWorkCache)
#include "tst_homeworkcache.moc"

#include <QtTest/QtTest>

#include <hx/platform/places/coordinates.h>
#include <hx/platform/places/searchhandle.h>
#include <hx/trellan/places/contactdataloader.h>
#include <hx/trellan/places/filtercategory.h>
#include <hx/trellan/places/groupdataloader.h>
#include <hx/trellan/places/groupmapper.h>
#include <hx/trellan/places/placemanagerui.h>

#include "storefixture.h"
#include "testroots.h"

using namespace hx::trellan::places;
using namespace hx::platform::places;
using namespace hx::test;

namespace {

// The real store query, answering at most PageLimit rows per call the way a remote group pages.
int pageLimit = 5;
int queryCalls = 0;
int failOnCall = 0; // 0: never
bool ignoreLimit = false;

QList<CachedPlace> shortPages(int group, Error::Type &error, SearchHandle &handle, const QString &text, int offset,
                              int limit, const Coordinates &near, bool show)
{
    ++queryCalls;
    if (failOnCall == queryCalls) {
        error = Error::Unknown;
        return QList<CachedPlace>();
    }
    const int asked = ignoreLimit ? pageLimit : qMin(limit, pageLimit);
    return PlaceManagerUI::findPlacesByGroup(group, error, handle, text, offset, asked, near, show);
}

QStringList names(const QList<CachedPlace> &places)
{
    QStringList result;
    for (const CachedPlace &place : places)
        result.append(place ? place->name() : QStringLiteral("<null>"));
    return result;
}

} // namespace

class tst_GroupDataLoader : public QObject
{
    Q_OBJECT

private:
    QScopedPointer<TestRoots> m_roots;
    int m_group = 0;

    QList<CachedPlace> fill(int start, int count, SearchHandle &handle, Error::Type &error)
    {
        return GroupDataLoader::fill(&shortPages, m_group, handle, QString(), Coordinates(43.46, -80.52), start, count,
                                     error);
    }

    QStringList wholeGroup()
    {
        Error::Type error = Error::None;
        SearchHandle handle;
        return names(PlaceManagerUI::findPlacesByGroup(m_group, error, handle, QString(), 0, 100,
                                                       Coordinates(43.46, -80.52), false));
    }

private slots:
    void init()
    {
        m_roots.reset(new TestRoots);
        for (int i = 0; i < 30; ++i)
            StoreFixture::addFavorite(QStringLiteral("Favourite %1").arg(i, 2, 10, QLatin1Char('0')), 43.4 + i * 0.001,
                                      -80.5);
        m_group = GroupMapper::mapSingle(FilterCategory::Favorites);
        pageLimit = 5;
        queryCalls = 0;
        failOnCall = 0;
        ignoreLimit = false;
    }

    void cleanup() { m_roots.reset(); }

    void shortPagesAreRefilledInOrder_data()
    {
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("expectedRows");
        QTest::addColumn<int>("expectedCalls");
        QTest::addColumn<bool>("moreAfter");
        QTest::newRow("a window from the start takes four short pages") << 0 << 20 << 20 << 4 << true;
        QTest::newRow("a window in the middle continues where the last page ended") << 12 << 7 << 7 << 2 << true;
        QTest::newRow("a window past the end stops when the store has no more") << 25 << 20 << 5 << 1 << false;
        QTest::newRow("a window ending exactly at the last result") << 20 << 10 << 10 << 2 << false;
    }

    void shortPagesAreRefilledInOrder()
    {
        QFETCH(int, start);
        QFETCH(int, count);
        QFETCH(int, expectedRows);
        QFETCH(int, expectedCalls);
        QFETCH(bool, moreAfter);
        SearchHandle handle;
        Error::Type error = Error::None;
        const QList<CachedPlace> rows = fill(start, count, handle, error);
        QCOMPARE(error, Error::None);
        QCOMPARE(names(rows), wholeGroup().mid(start, expectedRows));
        QCOMPARE(queryCalls, expectedCalls);
        QCOMPARE(handle.hasMoreData(), moreAfter);
    }

    void aPageLargerThanTheGapIsCut()
    {
        ignoreLimit = true;
        pageLimit = 8;
        SearchHandle handle;
        Error::Type error = Error::None;
        // 8 + 8 rows arrive; only the 4 still missing of the second page are kept.
        const QList<CachedPlace> rows = fill(0, 12, handle, error);
        QCOMPARE(names(rows), wholeGroup().mid(0, 12));
    }

    void anErrorKeepsWhatArrivedBefore()
    {
        failOnCall = 3;
        SearchHandle handle;
        Error::Type error = Error::None;
        const QList<CachedPlace> rows = fill(0, 20, handle, error);
        QCOMPARE(error, Error::Unknown);
        QCOMPARE(names(rows), wholeGroup().mid(0, 10));
    }

    void theLoaderReadsTheWholeGroupThroughTheStore()
    {
        GroupDataLoader loader(FilterCategory::Favorites, QString(), Coordinates(43.46, -80.52), true);
        QCOMPARE(names(loader(0, 63)), wholeGroup());
        QVERIFY(!loader.hasMoreData());
        QCOMPARE(names(loader(28, 10)), wholeGroup().mid(28));
        QVERIFY(loader(-1, 5).isEmpty());
        QVERIFY(loader(0, -5).isEmpty());
    }

    void theContactLoaderContinuesOneSearch()
    {
        for (int i = 0; i < 12; ++i)
            StoreFixture::addContact(QStringLiteral("Contact%1").arg(i, 2, 10, QLatin1Char('0')), QStringLiteral("Lee"),
                                     QStringLiteral("%1 King Street").arg(i + 1), QStringLiteral("Waterloo"));
        m_group = GroupMapper::mapSingle(FilterCategory::Contacts);
        const QStringList whole = wholeGroup();
        QCOMPARE(whole.size(), 12);

        ContactDataLoader loader(QString(), Coordinates(43.46, -80.52), true);
        QCOMPARE(names(loader(0, 5)), whole.mid(0, 5));
        QVERIFY(loader.hasMoreData());
        QCOMPARE(names(loader(5, 5)), whole.mid(5, 5));
        QCOMPARE(names(loader(10, 5)), whole.mid(10));
        QVERIFY(!loader.hasMoreData());
    }
};

QTEST_MAIN(tst_GroupDataLoader)
#include "tst_groupdataloader.moc"

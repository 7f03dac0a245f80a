#include <QtTest/QtTest>

#include <hx/platform/places/coordinates.h>
#include <hx/trellan/places/groupdataloader.h>
#include <hx/trellan/places/placesdatacache.h>

#include "gazetteerfixture.h"
#include "testroots.h"

#include <memory>

using namespace hx::trellan::places;
using namespace hx::platform::places;
using namespace hx::test;

namespace {

// Records every page the cache asks for, and passes it on.
class RecordingLoader : public PlacesDataLoader
{
public:
    RecordingLoader(PlacesDataLoader *inner, QList<QPair<int, int>> *calls) : m_inner(inner), m_calls(calls) { }
    QList<CachedPlace> operator()(int start, int count) override
    {
        m_calls->append(qMakePair(start, count));
        return (*m_inner)(start, count);
    }
    bool hasMoreData() const override { return m_inner->hasMoreData(); }

private:
    std::unique_ptr<PlacesDataLoader> m_inner;
    QList<QPair<int, int>> *m_calls;
};

// N results made on demand, named by their index, for walks too long for a store file.
class CountingLoader : public PlacesDataLoader
{
public:
    explicit CountingLoader(int total) : m_total(total) { }
    QList<CachedPlace> operator()(int start, int count) override
    {
        QList<CachedPlace> page;
        for (int i = start; i < qMin(start + count, m_total); ++i) {
            PlaceHeader *header = new PlaceHeader;
            header->setName(QString::number(i));
            page.append(CachedPlace(header));
        }
        m_hasMoreData = start + count < m_total;
        ++calls;
        return page;
    }
    int calls = 0;

private:
    int m_total;
};

} // namespace

class tst_PlacesDataCache : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void tenResultsFitTheFirstWindow();
    void windowWalks_data();
    void windowWalks();
    void scrollingBackAfterAJumpPrependsAPage();
    void negativeIndexesLoadNothing();
    void hundredThousandResultsScrolledEndToEnd();

private:
    void writePointsOfInterest(int count);
    PlacesDataLoader *recordingLoader();

    std::unique_ptr<TestRoots> m_roots;
    QList<QPair<int, int>> m_calls;
};

void tst_PlacesDataCache::init()
{
    m_roots.reset(new TestRoots);
    QVERIFY(m_roots->isValid());
    m_calls.clear();
}

void tst_PlacesDataCache::cleanup()
{
    m_roots.reset();
}

void tst_PlacesDataCache::writePointsOfInterest(int count)
{
    QList<hx::platform::places::GazetteerEntry> entries;
    for (int i = 0; i < count; ++i)
        entries.append(GazetteerFixture::poi(QStringLiteral("Cafe %1").arg(i, 4, 10, QLatin1Char('0')), 43.0 + i * 1e-4,
                                             -80.0, QStringLiteral("restaurant"), count - i));
    QVERIFY(GazetteerFixture::write(m_roots->gazetteerPath(), entries));
}

PlacesDataLoader *tst_PlacesDataCache::recordingLoader()
{
    return new RecordingLoader(new GroupDataLoader(FilterCategory::Pois, QStringLiteral("cafe"), Coordinates(), true),
                               &m_calls);
}

void tst_PlacesDataCache::tenResultsFitTheFirstWindow()
{
    writePointsOfInterest(10);
    PlacesDataCache cache;
    QSignalSpy added(&cache, &PlacesDataCache::entryAdded);
    cache.setDataLoader(recordingLoader());
    QCOMPARE(added.count(), 10);
    QCOMPARE(added.last().at(1).toInt(), 9);
    QCOMPARE(cache.size(), 10);
    QVERIFY(cache.place(9));
    QVERIFY(!cache.place(10));
    QCOMPARE(added.count(), 10);
}

void tst_PlacesDataCache::windowWalks_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("last");
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("firstAdded"); // the first index reported as new, -1 for none

    QTest::newRow("an index 20 from the end appends a page") << 50 << 7 << 69 << 63 << 7 << 63;
    QTest::newRow("an index 21 from the end loads nothing") << 41 << 0 << 62 << -1 << 0 << -1;
    QTest::newRow("an index near the start of the list loads nothing") << 5 << 0 << 62 << -1 << 0 << -1;
    QTest::newRow("a far index re-centres it in the fifth page and reports its first entry")
        << 500 << 469 << 531 << 469 << 63 << 469;
    QTest::newRow("the first index past the window re-centres") << 63 << 35 << 97 << 35 << 63 << 63;
}

void tst_PlacesDataCache::windowWalks()
{
    QFETCH(int, index);
    QFETCH(int, first);
    QFETCH(int, last);
    QFETCH(int, start);
    QFETCH(int, count);
    QFETCH(int, firstAdded);

    writePointsOfInterest(1000);
    PlacesDataCache cache;
    cache.setDataLoader(recordingLoader());
    QCOMPARE(m_calls, (QList<QPair<int, int>> { qMakePair(0, 63) }));
    m_calls.clear();

    QSignalSpy added(&cache, &PlacesDataCache::entryAdded);
    const CachedPlace place = cache.place(index);
    QCOMPARE(added.isEmpty() ? -1 : added.first().at(1).toInt(), firstAdded);
    QCOMPARE(added.count(), firstAdded < 0 ? 0 : last - firstAdded + 1);
    QVERIFY(place);
    QCOMPARE(place->name(), QStringLiteral("Cafe %1").arg(index, 4, 10, QLatin1Char('0')));
    QCOMPARE(cache.first(), first);
    QCOMPARE(cache.last(), last);
    if (start < 0)
        QVERIFY(m_calls.isEmpty());
    else
        QCOMPARE(m_calls, (QList<QPair<int, int>> { qMakePair(start, count) }));
}

void tst_PlacesDataCache::scrollingBackAfterAJumpPrependsAPage()
{
    writePointsOfInterest(1000);
    PlacesDataCache cache;
    cache.setDataLoader(recordingLoader());
    QVERIFY(cache.place(500));
    m_calls.clear();
    const CachedPlace place = cache.place(480);
    QCOMPARE(m_calls, (QList<QPair<int, int>> { qMakePair(462, 7) }));
    QCOMPARE(cache.first(), 462);
    QCOMPARE(cache.last(), 524);
    QCOMPARE(place->name(), QStringLiteral("Cafe 0480"));
    QCOMPARE(cache.at(462)->name(), QStringLiteral("Cafe 0462"));
    QCOMPARE(cache.at(468)->name(), QStringLiteral("Cafe 0468"));
}

void tst_PlacesDataCache::negativeIndexesLoadNothing()
{
    writePointsOfInterest(10);
    PlacesDataCache cache;
    cache.setDataLoader(recordingLoader());
    m_calls.clear();
    QVERIFY(!cache.place(-1));
    QTest::ignoreMessage(QtWarningMsg, "hx::trellan::places::PlacesDataCache::fullPlace(): invalid cache id");
    QVERIFY(!cache.fullPlace(-1));
    QVERIFY(m_calls.isEmpty());
}

void tst_PlacesDataCache::hundredThousandResultsScrolledEndToEnd()
{
    const int total = 100000;
    PlacesDataCache cache;
    CountingLoader *loader = new CountingLoader(total);
    cache.setDataLoader(loader);
    int held = 0;
    for (int i = 0; i < total; ++i) {
        const CachedPlace place = cache.place(i);
        QVERIFY2(place && place->name() == QString::number(i), qPrintable(QString::number(i)));
        held = qMax(held, cache.last() - cache.first() + 1);
    }
    QVERIFY(!cache.place(total));
    QCOMPARE(held, 63);
    QCOMPARE(cache.size(), total);
    // One page of 7 per 7 rows after the first window.
    QVERIFY2(loader->calls <= 1 + (total - 63) / 7 + 1, qPrintable(QString::number(loader->calls)));
}

QTEST_MAIN(tst_PlacesDataCache)
#include "tst_placesdatacache.moc"

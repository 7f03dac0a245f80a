#include <QtTest/QtTest>

#include <hx/platform/geo/boundingbox.h>
#include <hx/platform/places/coordinates.h>
#include <hx/trellan/places/tcsslicedatamodel.h>

#include "gazetteerfixture.h"
#include "signalwaiter.h"
#include "testroots.h"

#include <memory>

using namespace hx::trellan::places;
using hx::platform::geo::BoundingBox;
using hx::platform::places::Coordinates;
using namespace hx::test;

class tst_TCSSliceDataModel : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void slicesStopAtOneHundred_data();
    void slicesStopAtOneHundred();
    void sliceForIndex_data();
    void sliceForIndex();
    void aReplyAfterCancelAddsNoRows_data();
    void aReplyAfterCancelAddsNoRows();

private:
    void writeCafes(int count);
    // Loads the first slice and asks for the next ones until the model stops asking.
    static int loadAllSlices(TCSSliceDataModel &model);
    static void load(TCSSliceDataModel &model);

    std::unique_ptr<TestRoots> m_roots;
};

void tst_TCSSliceDataModel::init()
{
    m_roots.reset(new TestRoots);
    QVERIFY(m_roots->isValid());
}

void tst_TCSSliceDataModel::cleanup()
{
    m_roots.reset();
}

void tst_TCSSliceDataModel::writeCafes(int count)
{
    QList<hx::platform::places::GazetteerEntry> entries;
    for (int i = 0; i < count; ++i)
        entries.append(GazetteerFixture::poi(QStringLiteral("Cafe %1").arg(i), 43.0 + i * 1e-4, -80.0,
                                             QStringLiteral("restaurant"), count - i));
    QVERIFY(GazetteerFixture::write(m_roots->gazetteerPath(), entries));
}

void tst_TCSSliceDataModel::load(TCSSliceDataModel &model)
{
    QSignalSpy final(&model, &PlacesDataModel::modelLoadedFinal);
    model.load(QStringLiteral("cafe"), BoundingBox(), Coordinates(43.0, -80.0), { FilterCategory::RemotePlaces });
    QVERIFY(SignalWaiter::wait(final));
}

int tst_TCSSliceDataModel::loadAllSlices(TCSSliceDataModel &model)
{
    load(model);
    QSignalSpy asked(&model, &TCSSliceDataModel::gettingSlice);
    for (int round = 0; round < 20; ++round) {
        QSignalSpy final(&model, &PlacesDataModel::modelLoadedFinal);
        const int before = asked.count();
        model.getNextSlice();
        if (asked.count() == before)
            break;
        if (!SignalWaiter::wait(final))
            return -1;
    }
    return asked.count();
}

void tst_TCSSliceDataModel::slicesStopAtOneHundred_data()
{
    QTest::addColumn<int>("stored");
    QTest::addColumn<int>("rows");
    QTest::addColumn<int>("slicesAsked");

    QTest::newRow("150 matches stop at 10 slices of 10") << 150 << 100 << 9;
    QTest::newRow("exactly 100 matches fill the list") << 100 << 100 << 9;
    QTest::newRow("37 matches end with a short fourth slice") << 37 << 37 << 3;
    QTest::newRow("10 matches ask for no second slice") << 10 << 10 << 0;
}

void tst_TCSSliceDataModel::slicesStopAtOneHundred()
{
    QFETCH(int, stored);
    QFETCH(int, rows);
    QFETCH(int, slicesAsked);

    writeCafes(stored);
    TCSSliceDataModel model;
    QCOMPARE(loadAllSlices(model), slicesAsked);
    QCOMPARE(model.childCount(QVariantList()), rows);
    QCOMPARE(model.place(QVariantList { rows - 1 })->name(), QStringLiteral("Cafe %1").arg(rows - 1));

    // Full or finished, another call asks the store for nothing.
    QSignalSpy asked(&model, &TCSSliceDataModel::gettingSlice);
    model.getNextSlice();
    QCOMPARE(asked.count(), 0);
}

void tst_TCSSliceDataModel::sliceForIndex_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("count");

    QTest::newRow("row 25 of 37 lies in rows 20 to 29") << 25 << 20 << 10;
    QTest::newRow("row 35 of 37 lies in the short last slice") << 35 << 30 << 7;
    QTest::newRow("row 0 is in the first slice") << 0 << 0 << 10;
    QTest::newRow("row 30 starts the last slice") << 30 << 30 << 7;
    QTest::newRow("a row past the end has no slice") << 37 << 0 << 0;
    QTest::newRow("a negative row has no slice") << -1 << 0 << 0;
}

void tst_TCSSliceDataModel::sliceForIndex()
{
    QFETCH(int, row);
    QFETCH(int, first);
    QFETCH(int, count);

    writeCafes(37);
    TCSSliceDataModel model;
    QCOMPARE(loadAllSlices(model), 3);
    const auto slice = model.getSliceForIndex(QVariantList { row });
    QCOMPARE(slice.size(), count);
    for (int i = 0; i < slice.size(); ++i)
        QCOMPARE(slice.at(i)->name(), QStringLiteral("Cafe %1").arg(first + i));
}

void tst_TCSSliceDataModel::aReplyAfterCancelAddsNoRows_data()
{
    QTest::addColumn<bool>("firstSlice");

    QTest::newRow("the first slice") << true;
    QTest::newRow("a later slice") << false;
}

void tst_TCSSliceDataModel::aReplyAfterCancelAddsNoRows()
{
    QFETCH(bool, firstSlice);

    writeCafes(30);
    TCSSliceDataModel model;
    QSignalSpy raw(&model, &TCSSliceDataModel::resultAvailable);
    QSignalSpy final(&model, &PlacesDataModel::modelLoadedFinal);
    int rowsBefore = 0;
    if (firstSlice) {
        model.load(QStringLiteral("cafe"), BoundingBox(), Coordinates(), { FilterCategory::RemotePlaces });
    } else {
        load(model);
        rowsBefore = model.childCount(QVariantList());
        final.clear();
        raw.clear();
        model.getNextSlice();
    }
    model.cancelRequest();
    QVERIFY(model.isRequestCanceled());
    // The raw reply still reaches listeners; the model keeps out of it.
    QVERIFY(SignalWaiter::wait(raw));
    QCoreApplication::processEvents();
    QCOMPARE(final.count(), 0);
    QCOMPARE(model.childCount(QVariantList()), rowsBefore);

    // A new load takes replies again.
    load(model);
    QVERIFY(!model.isRequestCanceled());
    QCOMPARE(model.childCount(QVariantList()), 10);
}

QTEST_MAIN(tst_TCSSliceDataModel)
#include "tst_tcsslicedatamodel.moc"

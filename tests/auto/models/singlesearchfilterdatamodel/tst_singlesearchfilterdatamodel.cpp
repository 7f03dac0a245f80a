#include <QtCore/QThreadPool>
#include <QtTest/QtTest>

#include <hx/platform/places/coordinates.h>
#include <hx/platform/places/placeheader.h>
#include <hx/platform/places/placemanager.h>
#include <hx/trellan/places/modelmarker.h>
#include <hx/trellan/places/singlesearchfilterdatamodel.h>
#include <hx/trellan/places/zant_singlesearchfilterdatamodel.h>

#include "gazetteerfixture.h"
#include "signalwaiter.h"
#include "storefixture.h"
#include "testroots.h"

#include <algorithm>
#include <memory>

using namespace hx::trellan::places;
using namespace hx::platform::places;
using namespace hx::test;

class tst_SingleSearchFilterDataModel : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void recentsShowTen();
    void pointsOfInterestFillTheFirstWindow();
    void ratingsLandOnTheirRows_data();
    void ratingsLandOnTheirRows();
    void secondLoadReplacesTheFirst();
    void scrollingDuringTheFirstLoadLosesNoRows();
    void receiverThatCallsBackDoesNotHang_data();
    void receiverThatCallsBackDoesNotHang();
    void recentsAreGroupedByTimeOfUse_data();
    void recentsAreGroupedByTimeOfUse();
    void timeSlots_data();
    void timeSlots();
    void assistantListHandsOverItsContacts();
    void destroyedBeforeDuringAndAfterItsLoad_data();
    void destroyedBeforeDuringAndAfterItsLoad();

private:
    void writePointsOfInterest(int count);
    static QStringList types(SingleSearchFilterDataModel &model);

    std::unique_ptr<TestRoots> m_roots;
};

void tst_SingleSearchFilterDataModel::init()
{
    m_roots.reset(new TestRoots);
    QVERIFY(m_roots->isValid());
}

void tst_SingleSearchFilterDataModel::cleanup()
{
    QThreadPool::globalInstance()->waitForDone();
    SingleSearchFilterDataModel::setTimeSource({});
    m_roots.reset();
}

void tst_SingleSearchFilterDataModel::writePointsOfInterest(int count)
{
    QList<hx::platform::places::GazetteerEntry> entries;
    for (int i = 0; i < count; ++i)
        entries.append(GazetteerFixture::poi(QStringLiteral("Cafe %1").arg(i), 43.0 + i * 1e-4, -80.0,
                                             QStringLiteral("restaurant"), count - i));
    QVERIFY(GazetteerFixture::write(m_roots->gazetteerPath(), entries));
}

QStringList tst_SingleSearchFilterDataModel::types(SingleSearchFilterDataModel &model)
{
    QStringList result;
    for (int row = 0; row < model.childCount(QVariantList()); ++row)
        result.append(model.itemType(QVariantList { row }));
    return result;
}

void tst_SingleSearchFilterDataModel::recentsShowTen()
{
    for (int i = 0; i < 30; ++i)
        StoreFixture::addRecent(QStringLiteral("Recent %1").arg(i), 43.4 + i * 0.01, -80.5);
    SingleSearchFilterDataModel model;
    QSignalSpy final(&model, &PlacesDataModel::modelLoadedFinal);
    model.load(FilterCategory::Recents, QString(), Coordinates(), true);
    QVERIFY(SignalWaiter::wait(final));
    QCOMPARE(model.childCount(QVariantList()), 10);
    for (const QString &type : types(model))
        QCOMPARE(type, QStringLiteral("TYPE_W_RECENT"));
    QVERIFY(model.place(QVariantList { 9 }));
}

void tst_SingleSearchFilterDataModel::pointsOfInterestFillTheFirstWindow()
{
    writePointsOfInterest(100);
    SingleSearchFilterDataModel model;
    QSignalSpy loaded(&model, &PlacesDataModel::modelLoaded);
    QSignalSpy final(&model, &PlacesDataModel::modelLoadedFinal);
    model.load(FilterCategory::Pois, QStringLiteral("cafe"), Coordinates(), true);
    QVERIFY(SignalWaiter::wait(final));
    QCOMPARE(loaded.count(), 1);
    QCOMPARE(model.childCount(QVariantList()), 63);
    QCOMPARE(model.place(QVariantList { 0 })->name(), QStringLiteral("Cafe 0"));

    // Scrolling near the end of the window brings the next page in as rows.
    QVERIFY(model.place(QVariantList { 50 }));
    QCOMPARE(model.childCount(QVariantList()), 70);
    QCOMPARE(ModelMarker(model.data(QVariantList { 69 }).value<ModelMarker>()).index(), 69);
    QCOMPARE(model.place(QVariantList { 69 })->name(), QStringLiteral("Cafe 69"));
}

void tst_SingleSearchFilterDataModel::ratingsLandOnTheirRows_data()
{
    QTest::addColumn<int>("row");
    QTest::newRow("the top row") << 0;
    QTest::newRow("the first row of the next batch") << 14;
    QTest::newRow("the last row of the page") << 62;
}

void tst_SingleSearchFilterDataModel::ratingsLandOnTheirRows()
{
    QFETCH(int, row);
    // Cafe i is rated 1 + i / 20, so a rating on the wrong row shows.
    QList<hx::platform::places::GazetteerEntry> entries;
    for (int i = 0; i < 70; ++i) {
        entries.append(GazetteerFixture::poi(QStringLiteral("Cafe %1").arg(i), 43.0 + i * 1e-4, -80.0,
                                             QStringLiteral("restaurant"), 70 - i));
        entries.last().rating = 1.0 + i / 20.0;
        entries.last().ratingCount = i + 1;
    }
    QVERIFY(GazetteerFixture::write(m_roots->gazetteerPath(), entries));
    SingleSearchFilterDataModel model;
    QSignalSpy final(&model, &PlacesDataModel::modelLoadedFinal);
    model.load(FilterCategory::Pois, QStringLiteral("cafe"), Coordinates(), true);
    QVERIFY(SignalWaiter::wait(final));
    const int cafe = model.place(QVariantList { row })->name().mid(5).toInt();
    QTRY_VERIFY(model.ratingInfo(QVariantList { row }).isKnown());
    QCOMPARE(model.ratingInfo(QVariantList { row }).rating(), 1.0 + cafe / 20.0);
    QCOMPARE(model.ratingInfo(QVariantList { row }).ratingCount(), cafe + 1);
}

void tst_SingleSearchFilterDataModel::secondLoadReplacesTheFirst()
{
    writePointsOfInterest(100);
    StoreFixture::addFavorite(QStringLiteral("Home Cafe"), 43.4, -80.5);
    StoreFixture::addFavorite(QStringLiteral("Work Cafe"), 43.5, -80.5);
    SingleSearchFilterDataModel model;
    QSignalSpy final(&model, &PlacesDataModel::modelLoadedFinal);
    model.load(FilterCategory::Pois, QStringLiteral("cafe"), Coordinates(), true);
    model.load(FilterCategory::Favorites, QString(), Coordinates(), true);
    QVERIFY(SignalWaiter::wait(final));
    QThreadPool::globalInstance()->waitForDone();
    QCoreApplication::processEvents();
    QCOMPARE(final.count(), 1);
    QCOMPARE(types(model), (QStringList { QStringLiteral("TYPE_W_FAVORITE"), QStringLiteral("TYPE_W_FAVORITE") }));
}

void tst_SingleSearchFilterDataModel::scrollingDuringTheFirstLoadLosesNoRows()
{
    writePointsOfInterest(100);
    SingleSearchFilterDataModel model;
    QSignalSpy final(&model, &PlacesDataModel::modelLoadedFinal);
    model.load(FilterCategory::Pois, QStringLiteral("cafe"), Coordinates(), true);
    // The rows are laid out but the end of the load has not reached the model yet: the user
    // scrolls to the bottom of what is on show.
    QThreadPool::globalInstance()->waitForDone();
    QCOMPARE(model.childCount(QVariantList()), 63);
    QCOMPARE(model.place(QVariantList { 50 })->name(), QStringLiteral("Cafe 50"));
    QVERIFY(SignalWaiter::wait(final));

    QVERIFY(model.place(QVariantList { 62 }));
    QCOMPARE(model.childCount(QVariantList()), 70);
    for (int row = 63; row < 70; ++row)
        QCOMPARE(model.data(QVariantList { row }).value<ModelMarker>().index(), row);
    QCOMPARE(model.place(QVariantList { 63 })->name(), QStringLiteral("Cafe 63"));
}

void tst_SingleSearchFilterDataModel::receiverThatCallsBackDoesNotHang_data()
{
    QTest::addColumn<QString>("call");
    QTest::newRow("a row read near the end of the window") << "place";
    QTest::newRow("a full place read near the end of the window") << "fullPlace";
    QTest::newRow("the top places of the list") << "getTopItems";
}

void tst_SingleSearchFilterDataModel::receiverThatCallsBackDoesNotHang()
{
    QFETCH(QString, call);
    writePointsOfInterest(100);
    SingleSearchFilterDataModel model;
    QSignalSpy final(&model, &PlacesDataModel::modelLoadedFinal);
    model.load(FilterCategory::Pois, QStringLiteral("cafe"), Coordinates(), true);
    QVERIFY(SignalWaiter::wait(final));

    // A view that reads each new row as soon as it is told about it.
    QStringList seen;
    connect(
        &model, &hx::trellan::DataModel::itemAdded, &model,
        [&model, &seen](const QVariantList &path) {
            const CachedPlace place = model.place(path);
            seen.append(place ? place->name() : QString());
        },
        Qt::DirectConnection);
    if (call == QLatin1String("place"))
        QVERIFY(model.place(QVariantList { 50 }));
    else if (call == QLatin1String("fullPlace"))
        QVERIFY(model.fullPlace(QVariantList { 50 }));
    else
        QCOMPARE(model.getTopItems(70).size(), 63);
    // Each row read brings the next page in, down to the end of the results.
    QCOMPARE(model.childCount(QVariantList()), 100);
    QStringList expected;
    for (int index = 63; index < 100; ++index)
        expected.append(QStringLiteral("Cafe %1").arg(index));
    std::sort(seen.begin(), seen.end());
    QCOMPARE(seen, expected);
}

void tst_SingleSearchFilterDataModel::recentsAreGroupedByTimeOfUse_data()
{
    QTest::addColumn<QList<QDateTime>>("used");
    QTest::addColumn<QStringList>("rows");

    // Now is Sunday 15 March 2026, 10:00.
    const QString recent = QStringLiteral("TYPE_W_RECENT");
    QTest::newRow("one header above each period that has places")
        << QList<QDateTime> { QDateTime(QDate(2026, 3, 15), QTime(9, 0)), QDateTime(QDate(2026, 3, 14), QTime(21, 0)),
                              QDateTime(QDate(2026, 3, 10), QTime(8, 0)), QDateTime(QDate(2026, 3, 1), QTime(8, 0)),
                              QDateTime(QDate(2025, 12, 1), QTime(8, 0)) }
        << QStringList { "HEADER_TODAY", recent, recent,           "HEADER_WEEK", recent,
                         "HEADER_MONTH", recent, "HEADER_EARLIER", recent };
    QTest::newRow("a period without places has no header")
        << QList<QDateTime> { QDateTime(QDate(2026, 3, 15), QTime(9, 0)), QDateTime(QDate(2026, 2, 1), QTime(8, 0)) }
        << QStringList { "HEADER_TODAY", recent, "HEADER_EARLIER", recent };
}

void tst_SingleSearchFilterDataModel::recentsAreGroupedByTimeOfUse()
{
    QFETCH(QList<QDateTime>, used);
    QFETCH(QStringList, rows);

    PlaceManager manager;
    for (int i = 0; i < used.size(); ++i) {
        Place place = StoreFixture::makePlace(QStringLiteral("Recent %1").arg(i), 43.4 + i * 0.01, -80.5);
        place.setLastUsedTime(used.at(i).toSecsSinceEpoch());
        QCOMPARE(manager.addPlace(place), Error::None);
    }
    SingleSearchFilterDataModel::setTimeSource([] { return QDateTime(QDate(2026, 3, 15), QTime(10, 0)); });
    SingleSearchFilterDataModel model;
    QSignalSpy final(&model, &PlacesDataModel::modelLoadedFinal);
    model.load(FilterCategory::RecentGroup5, QString(), Coordinates(), true);
    QVERIFY(SignalWaiter::wait(final));
    QCOMPARE(types(model), rows);
    // Rows keep the order of use, most recent first.
    QCOMPARE(model.place(QVariantList { 1 })->name(), QStringLiteral("Recent 0"));
    QCOMPARE(model.place(QVariantList { rows.size() - 1 })->name(), QStringLiteral("Recent %1").arg(used.size() - 1));
}

void tst_SingleSearchFilterDataModel::timeSlots_data()
{
    QTest::addColumn<QDateTime>("used");
    QTest::addColumn<QString>("slot");

    // Now is Sunday 15 March 2026, 10:00.
    QTest::newRow("yesterday evening is today") << QDateTime(QDate(2026, 3, 14), QTime(21, 0)) << "HEADER_TODAY";
    QTest::newRow("the previous Sunday is this week") << QDateTime(QDate(2026, 3, 8), QTime(18, 0)) << "HEADER_WEEK";
    QTest::newRow("the Saturday before it is this month")
        << QDateTime(QDate(2026, 3, 7), QTime(18, 0)) << "HEADER_MONTH";
    QTest::newRow("the last day of February is this month")
        << QDateTime(QDate(2026, 2, 28), QTime(9, 0)) << "HEADER_MONTH";
    QTest::newRow("the day before it is earlier") << QDateTime(QDate(2026, 2, 27), QTime(23, 59)) << "HEADER_EARLIER";
    QTest::newRow("a place never used is earlier") << QDateTime::fromSecsSinceEpoch(0) << "HEADER_EARLIER";
}

void tst_SingleSearchFilterDataModel::timeSlots()
{
    QFETCH(QDateTime, used);
    QFETCH(QString, slot);

    SingleSearchFilterDataModel::setTimeSource([] { return QDateTime(QDate(2026, 3, 15), QTime(10, 0)); });
    SingleSearchFilterDataModel model;
    QSignalSpy final(&model, &PlacesDataModel::modelLoadedFinal);
    model.load(FilterCategory::RecentGroup5, QString(), Coordinates(), true);
    QVERIFY(SignalWaiter::wait(final));

    PlaceHeader *header = new PlaceHeader;
    header->setLastUsedTime(used.toSecsSinceEpoch());
    QCOMPARE(model.timeSlot(CachedPlace(header)), slot);
}

void tst_SingleSearchFilterDataModel::assistantListHandsOverItsContacts()
{
    StoreFixture::addContact(QStringLiteral("Ada"), QStringLiteral("Lovelace"), QStringLiteral("12 King Street"),
                             QStringLiteral("Waterloo"));
    StoreFixture::addContact(QStringLiteral("Alan"), QStringLiteral("Turing"), QStringLiteral("5 Queen Street"),
                             QStringLiteral("Kitchener"));
    ZANT_SingleSearchFilterDataModel model;
    QSignalSpy handed(&model,
                      qOverload<QList<QSharedPointer<Place>>>(&ZANT_SingleSearchFilterDataModel::modelLoadedFinal));
    model.load(FilterCategory::Contacts, QString(), Coordinates(), true);
    QVERIFY(SignalWaiter::wait(handed));
    const auto places = handed.first().first().value<QList<QSharedPointer<Place>>>();
    QCOMPARE(types(model), (QStringList { "TYPE_W_CONTACT", "TYPE_W_CONTACT" }));
    QCOMPARE(places.size(), 2);
    for (int row = 0; row < 2; ++row) {
        QVERIFY(!places.at(row)->locations().isEmpty());
        QCOMPARE(places.at(row)->name(), model.place(QVariantList { row })->name());
    }
}

void tst_SingleSearchFilterDataModel::destroyedBeforeDuringAndAfterItsLoad_data()
{
    QTest::addColumn<int>("stage");
    QTest::newRow("destroyed at once") << 0;
    QTest::newRow("destroyed while the first rows are laid out") << 1;
    QTest::newRow("destroyed after the load") << 2;
}

void tst_SingleSearchFilterDataModel::destroyedBeforeDuringAndAfterItsLoad()
{
    QFETCH(int, stage);
    writePointsOfInterest(1000);
    for (int round = 0; round < 5; ++round) {
        std::unique_ptr<SingleSearchFilterDataModel> model(new SingleSearchFilterDataModel);
        QSignalSpy final(model.get(), &PlacesDataModel::modelLoadedFinal);
        model->load(FilterCategory::Pois, QStringLiteral("cafe"), Coordinates(), true);
        SingleSearchFilterDataModel *raw = model.get();
        if (stage == 1)
            QVERIFY(SignalWaiter::waitFor([raw] { return raw->childCount(QVariantList()) > 0; }));
        else if (stage == 2)
            QVERIFY(SignalWaiter::wait(final));
        model.reset();
        QThreadPool::globalInstance()->waitForDone();
        // A load posted before the destruction is dropped with the model.
        QCoreApplication::processEvents();
    }
}

QTEST_MAIN(tst_SingleSearchFilterDataModel)
#include "tst_singlesearchfilterdatamodel.moc"

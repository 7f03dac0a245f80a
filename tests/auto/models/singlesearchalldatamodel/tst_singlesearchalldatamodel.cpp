#include <QtTest/QtTest>

#include <hx/platform/places/coordinates.h>
#include <hx/trellan/places/combineddatamodel.h>
#include <hx/trellan/places/modelmarker.h>
#include <hx/trellan/places/separator.h>
#include <hx/trellan/places/singlesearchalldatamodel.h>

#include "gazetteerfixture.h"
#include "signalwaiter.h"
#include "storefixture.h"
#include "testroots.h"

#include <memory>

using namespace hx::trellan::places;
using hx::platform::places::Coordinates;
using namespace hx::test;

class tst_SingleSearchAllDataModel : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void sections_data();
    void sections();
    void aMistypedNameListsTheNamesOneLetterAway_data();
    void aMistypedNameListsTheNamesOneLetterAway();
    void myPlacesComeFirst();
    void combinedListPutsItsMyPlacesFirst();
    void onlyTheLastOfTwoQuickLoadsShows();
    void aFailedQueryStillCompletes_data();
    void aFailedQueryStillCompletes();

private:
    void writePointsOfInterest(int count);
    static QStringList types(PlacesDataModel &model);
    template<typename Model>
    static void loadAndWait(Model &model, const QString &text, const QList<FilterCategory::Type> &categories);

    std::unique_ptr<TestRoots> m_roots;
};

void tst_SingleSearchAllDataModel::init()
{
    m_roots.reset(new TestRoots);
    QVERIFY(m_roots->isValid());
}

void tst_SingleSearchAllDataModel::cleanup()
{
    m_roots.reset();
}

void tst_SingleSearchAllDataModel::writePointsOfInterest(int count)
{
    if (count == 0)
        return;
    QList<hx::platform::places::GazetteerEntry> entries;
    for (int i = 0; i < count; ++i) {
        entries.append(GazetteerFixture::poi(QStringLiteral("Cafe %1").arg(i), 43.0 + i * 1e-4, -80.0,
                                             QStringLiteral("restaurant"), count - i));
        if (i < 5) {
            entries.last().rating = 4.5 - i * 0.5;
            entries.last().ratingCount = 10 + i;
        }
    }
    QVERIFY(GazetteerFixture::write(m_roots->gazetteerPath(), entries));
}

QStringList tst_SingleSearchAllDataModel::types(PlacesDataModel &model)
{
    QStringList result;
    for (int row = 0; row < model.childCount(QVariantList()); ++row)
        result.append(model.itemType(QVariantList { row }));
    return result;
}

template<typename Model>
void tst_SingleSearchAllDataModel::loadAndWait(Model &model, const QString &text,
                                               const QList<FilterCategory::Type> &categories)
{
    QSignalSpy final(&model, &PlacesDataModel::modelLoadedFinal);
    model.load(text, Coordinates(), categories, true);
    QVERIFY(SignalWaiter::wait(final));
}

void tst_SingleSearchAllDataModel::sections_data()
{
    QTest::addColumn<int>("places");
    QTest::addColumn<bool>("collapsed");
    QTest::addColumn<QStringList>("rows");

    const QString poi = QStringLiteral("TYPE_POI");
    QTest::newRow("five collapsed points of interest show two and a footer")
        << 5 << true << QStringList { "HEADER_POI", poi, poi, "FOOTER_MORE_NONE" };
    QTest::newRow("exactly two collapsed points of interest need no footer")
        << 2 << true << QStringList { "HEADER_POI", poi, poi };
    QTest::newRow("an expanded list shows all five and no footer")
        << 5 << false << QStringList { "HEADER_POI", poi, poi, poi, poi, poi };
    QTest::newRow("a group without results leaves no header") << 0 << true << QStringList();
}

void tst_SingleSearchAllDataModel::sections()
{
    QFETCH(int, places);
    QFETCH(bool, collapsed);
    QFETCH(QStringList, rows);

    writePointsOfInterest(places);
    SingleSearchAllDataModel model(collapsed);
    loadAndWait(model, QStringLiteral("cafe"), { FilterCategory::Pois });
    QCOMPARE(types(model), rows);
    if (!rows.isEmpty()) {
        QVERIFY(!model.place(QVariantList { 0 }));
        QCOMPARE(model.place(QVariantList { 1 })->name(), QStringLiteral("Cafe 0"));
        QVERIFY(!model.hasMoreItems(QVariantList { 1 }));
    }
    // Only the footer row opens more, and it is no place.
    if (rows.size() > 3) {
        QCOMPARE(model.hasMoreItems(QVariantList { 3 }), rows.at(3).startsWith(QLatin1String("FOOTER_")));
        QCOMPARE(!model.place(QVariantList { 3 }), rows.at(3).startsWith(QLatin1String("FOOTER_")));
    }
}

void tst_SingleSearchAllDataModel::aMistypedNameListsTheNamesOneLetterAway_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("title"); // of the suggestions' header; empty: no suggestions
    QTest::newRow("two letters swapped") << "cfae"
                                         << "Did You Mean";
    QTest::newRow("a letter too many") << "caffe"
                                       << "Did You Mean";
    QTest::newRow("a wrong letter in a finished word") << "cafr 1"
                                                       << "Did You Mean";
    QTest::newRow("a name that is found as typed is not corrected") << "cafe"
                                                                    << "";
    QTest::newRow("nothing one letter away") << "zzzzzz"
                                             << "";
}

void tst_SingleSearchAllDataModel::aMistypedNameListsTheNamesOneLetterAway()
{
    QFETCH(QString, text);
    QFETCH(QString, title);

    writePointsOfInterest(3);
    SingleSearchAllDataModel model(true);
    loadAndWait(model, text, { FilterCategory::Suggestions });
    const QStringList rows = types(model);
    if (title.isEmpty()) {
        QCOMPARE(rows, QStringList());
        return;
    }
    QVERIFY(rows.size() > 1);
    QCOMPARE(Separator::headerTitle(rows.first()), title);
    QVERIFY(model.place(QVariantList { 1 })->name().startsWith(QLatin1String("Cafe")));
}

void tst_SingleSearchAllDataModel::myPlacesComeFirst()
{
    writePointsOfInterest(3);
    StoreFixture::addFavorite(QStringLiteral("Cafe Favourite"), 43.4, -80.5);
    SingleSearchAllDataModel model(true);
    // My Places are asked for last and still come first.
    loadAndWait(model, QStringLiteral("cafe"), { FilterCategory::Pois, FilterCategory::MyPlaces });
    const QStringList rows = types(model);
    QCOMPARE(rows.mid(0, 2), (QStringList { "HEADER_MYPLACES", "TYPE_MYPLACES" }));
    QCOMPARE(rows.mid(2), (QStringList { "HEADER_POI", "TYPE_POI", "TYPE_POI", "FOOTER_MORE_NONE" }));
    QCOMPARE(model.place(QVariantList { 1 })->name(), QStringLiteral("Cafe Favourite"));
    QCOMPARE(model.place(QVariantList { 3 })->name(), QStringLiteral("Cafe 0"));

    // The ratings asked for the points of interest land on their rows, moved down by the block above.
    auto rating = [&model](int row) { return model.data(QVariantList { row }).value<ModelMarker>().ratingInfo(); };
    QTRY_COMPARE(rating(3).rating(), 4.5);
    QTRY_COMPARE(rating(4).rating(), 4.0);
    QCOMPARE(rating(4).ratingCount(), 11);
    QCOMPARE(rating(1).rating(), -1.0);
}

void tst_SingleSearchAllDataModel::combinedListPutsItsMyPlacesFirst()
{
    writePointsOfInterest(12);
    StoreFixture::addFavorite(QStringLiteral("Cafe Favourite"), 43.4, -80.5);
    CombinedDataModel model;
    QSignalSpy withPlaces(&model, &CombinedDataModel::modelLoadedWithPlaces);
    loadAndWait(model, QStringLiteral("cafe"), { FilterCategory::Pois, FilterCategory::MyPlacesGroup14 });
    const QStringList rows = types(model);
    QCOMPARE(rows.size(), 2 + 11);
    QCOMPARE(rows.mid(0, 3), (QStringList { "HEADER_MYPLACES", "TYPE_MYPLACES", "HEADER_POI" }));
    QCOMPARE(rows.count(QStringLiteral("TYPE_POI")), 10);
    QCOMPARE(withPlaces.count(), 1);
    QCOMPARE(withPlaces.first().first().value<QList<QSharedPointer<hx::platform::places::Place>>>().size(), 11);
}

void tst_SingleSearchAllDataModel::onlyTheLastOfTwoQuickLoadsShows()
{
    writePointsOfInterest(5);
    StoreFixture::addFavorite(QStringLiteral("Bakery"), 43.4, -80.5);
    SingleSearchAllDataModel model(true);
    QSignalSpy final(&model, &PlacesDataModel::modelLoadedFinal);
    QSignalSpy loaded(&model, &PlacesDataModel::modelLoaded);
    model.load(QStringLiteral("cafe"), Coordinates(), { FilterCategory::Pois }, true);
    model.load(QStringLiteral("bakery"), Coordinates(), { FilterCategory::MyPlaces }, true);
    QVERIFY(SignalWaiter::wait(final));
    // The replies of the first query were already queued; let them all arrive.
    QVERIFY(!SignalWaiter::wait(final, 2, 200));
    QCOMPARE(loaded.count(), 1);
    QCOMPARE(types(model), (QStringList { "HEADER_MYPLACES", "TYPE_MYPLACES" }));
    QCOMPARE(model.place(QVariantList { 1 })->name(), QStringLiteral("Bakery"));
}

void tst_SingleSearchAllDataModel::aFailedQueryStillCompletes_data()
{
    QTest::addColumn<bool>("combined");
    QTest::newRow("the search-all list") << false;
    QTest::newRow("the combined list") << true;
}

void tst_SingleSearchAllDataModel::aFailedQueryStillCompletes()
{
    QFETCH(bool, combined);
    // A store file that is not a database: every group of the user's places fails.
    QFile store(m_roots->storePath());
    QVERIFY(store.open(QIODevice::WriteOnly));
    store.write(QByteArray(4096, 'x'));
    store.close();

    std::unique_ptr<PlacesDataModel> model;
    QStringList emitted;
    auto record = [&emitted](const char *name) { return [&emitted, name] { emitted.append(QLatin1String(name)); }; };
    if (combined) {
        auto *list = new CombinedDataModel;
        connect(list, &CombinedDataModel::errorEvent, record("errorEvent"));
        model.reset(list);
    } else {
        auto *list = new SingleSearchAllDataModel(true);
        connect(list, &SingleSearchAllDataModel::errorEvent, record("errorEvent"));
        model.reset(list);
    }
    connect(model.get(), &PlacesDataModel::modelLoaded, record("modelLoaded"));
    connect(model.get(), &PlacesDataModel::modelLoadedFinal, record("modelLoadedFinal"));
    const QRegularExpression logged("^hx::trellan::places::SingleSearchAllDataModel::onResultAvailable\\(\\): "
                                    "SearchManager error = \\d+$");
    for (int group = 0; group < 2 && !combined; ++group)
        QTest::ignoreMessage(QtWarningMsg, logged);
    if (combined)
        static_cast<CombinedDataModel *>(model.get())
            ->load(QString(), Coordinates(), { FilterCategory::Favorites, FilterCategory::Recents }, true);
    else
        static_cast<SingleSearchAllDataModel *>(model.get())
            ->load(QString(), Coordinates(), { FilterCategory::Favorites, FilterCategory::Recents }, true);
    QVERIFY(SignalWaiter::waitFor([&emitted] { return emitted.contains(QLatin1String("modelLoadedFinal")); }));
    QCOMPARE(emitted, (QStringList { "errorEvent", "modelLoaded", "errorEvent", "modelLoadedFinal" }));
    QCOMPARE(model->childCount(QVariantList()), 0);
}

QTEST_MAIN(tst_SingleSearchAllDataModel)
#include "tst_singlesearchalldatamodel.moc"

#include <QtTest/QtTest>

#include <hx/platform/places/coordinates.h>
#include <hx/platform/places/placeheader.h>
#include <hx/trellan/places/widgetdatamodel.h>
#include <hx/trellan/places/widgetutils.h>

#include "ppsstatusfile.h"
#include "signalwaiter.h"
#include "storefixture.h"
#include "testroots.h"

#include <memory>

using namespace hx::trellan::places;
using hx::platform::places::Coordinates;
using namespace hx::test;

class tst_WidgetDataModel : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void modelsMadeTogetherStartFromDifferentIds();
    void favouritesAreAlwaysIncluded_data();
    void favouritesAreAlwaysIncluded();
    void homeAndWorkAreReadAfresh();
    void fullPlace_data();
    void fullPlace();

private:
    std::unique_ptr<TestRoots> m_roots;
};

void tst_WidgetDataModel::init()
{
    m_roots.reset(new TestRoots);
    QVERIFY(m_roots->isValid());
}

void tst_WidgetDataModel::cleanup()
{
    m_roots.reset();
}

void tst_WidgetDataModel::modelsMadeTogetherStartFromDifferentIds()
{
    QSet<int> ids;
    std::vector<std::unique_ptr<WidgetDataModel>> models;
    for (int i = 0; i < 8; ++i) {
        models.emplace_back(new WidgetDataModel);
        QVERIFY(models.back()->searchId() >= 0);
        ids.insert(models.back()->searchId());
    }
    QCOMPARE(ids.size(), 8);
}

void tst_WidgetDataModel::favouritesAreAlwaysIncluded_data()
{
    QTest::addColumn<bool>("collapsed");
    QTest::addColumn<QStringList>("rows");

    QTest::newRow("collapsed, two of three and a footer")
        << true << QStringList { "HEADER_MYPLACES", "TYPE_MYPLACES", "TYPE_MYPLACES", "FOOTER_MORE_MYPLACES" };
    QTest::newRow("expanded, all three") << false
                                         << QStringList { "HEADER_MYPLACES", "TYPE_MYPLACES", "TYPE_MYPLACES",
                                                          "TYPE_MYPLACES" };
}

void tst_WidgetDataModel::favouritesAreAlwaysIncluded()
{
    QFETCH(bool, collapsed);
    QFETCH(QStringList, rows);

    StoreFixture::addFavorite(QStringLiteral("Cafe One"), 43.40, -80.50);
    StoreFixture::addFavorite(QStringLiteral("Cafe Two"), 43.41, -80.50);
    StoreFixture::addFavorite(QStringLiteral("Cafe Three"), 43.42, -80.50);
    WidgetDataModel model(collapsed);
    const int start = model.searchId();
    QSignalSpy final(&model, &PlacesDataModel::modelLoadedFinal);
    model.load(QStringLiteral("cafe"), Coordinates(), { FilterCategory::MyPlaces });
    QVERIFY(SignalWaiter::wait(final));
    QCOMPARE(model.searchId(), start + 1);
    QStringList types;
    for (int row = 0; row < model.childCount(QVariantList()); ++row)
        types.append(model.itemType(QVariantList { row }));
    QCOMPARE(types, rows);
    QCOMPARE(model.hasMoreItems(QVariantList { 3 }), collapsed);
}

void tst_WidgetDataModel::homeAndWorkAreReadAfresh()
{
    QVERIFY(!WidgetUtils::hasMyHome());
    QVERIFY(!WidgetUtils::hasMyWork());
    // Stored behind the cache's back, as another process would.
    StoreFixture::addHome(QStringLiteral("Home"), 43.46, -80.52);
    QVERIFY(WidgetUtils::hasMyHome());
    QVERIFY(!WidgetUtils::hasMyWork());
    StoreFixture::addWork(QStringLiteral("Office"), 43.47, -80.54);
    QVERIFY(WidgetUtils::hasMyWork());
}

void tst_WidgetDataModel::fullPlace_data()
{
    QTest::addColumn<bool>("header");
    QTest::addColumn<bool>("stored");
    QTest::addColumn<QString>("name");

    QTest::newRow("a full place comes back as it is") << false << false << "Unsaved";
    QTest::newRow("a stored header is read in full") << true << true << "Cafe Stored";
    QTest::newRow("a header of a deleted place gives null") << true << false << QString();
}

void tst_WidgetDataModel::fullPlace()
{
    QFETCH(bool, header);
    QFETCH(bool, stored);
    QFETCH(QString, name);

    using namespace hx::platform::places;
    QSharedPointer<AbstractPlace> place;
    if (!header) {
        place.reset(new Place(StoreFixture::makePlace(QStringLiteral("Unsaved"), 43.0, -80.0)));
    } else {
        const Place saved = StoreFixture::addFavorite(QStringLiteral("Cafe Stored"), 43.0, -80.0);
        auto *placeHeader = new PlaceHeader;
        placeHeader->setId(stored ? saved.id() : saved.id() + 1000);
        placeHeader->setName(saved.name());
        place.reset(placeHeader);
    }
    const QSharedPointer<Place> full = WidgetUtils::getFullPlace(place);
    QCOMPARE(full ? full->name() : QString(), name);
    if (!header)
        QCOMPARE(full.data(), static_cast<Place *>(place.data()));
}

QTEST_MAIN(tst_WidgetDataModel)
#include "tst_widgetdatamodel.moc"

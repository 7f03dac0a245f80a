#include <QtTest/QtTest>

#include <hx/platform/places/coordinates.h>
#include <hx/trellan/arraydatamodel.h>
#include <hx/trellan/places/cachedplacedatamodel.h>
#include <hx/trellan/places/groupdataloader.h>
#include <hx/trellan/places/modelmarker.h>

#include "gazetteerfixture.h"
#include "testroots.h"

#include <memory>

using namespace hx::trellan::places;
using namespace hx::platform::places;
using namespace hx::test;

namespace {

// A list that shows a header and then its places, and asks their ratings as the concrete
// models do after a reply.
class RatedList : public CachedPlaceDataModel
{
public:
    void show(const QList<CachedPlace> &places, int searchId)
    {
        {
            QMutexLocker locker(&mutex());
            storage() = places.toVector();
        }
        rows()->clear();
        rows()->append(QVariant::fromValue(ModelMarker(QStringLiteral("HEADER_POI"))));
        QVariantList placeRows;
        for (int i = 0; i < places.size(); ++i) {
            rows()->append(QVariant::fromValue(ModelMarker(i, QStringLiteral("TYPE_POI"))));
            placeRows.append(i + 1);
        }
        requestForRating(places, searchId, placeRows);
    }

    RatingInfo rating(int row) { return data(QVariantList { row }).value<ModelMarker>().ratingInfo(); }
};

} // namespace

class tst_PlacesDataModel : public QObject
{
    Q_OBJECT

private slots:
    void ratingsLandOnTheirRows_data();
    void ratingsLandOnTheirRows();

private:
    static CachedPlace named(const QList<CachedPlace> &places, const QString &name);
};

CachedPlace tst_PlacesDataModel::named(const QList<CachedPlace> &places, const QString &name)
{
    for (const CachedPlace &place : places) {
        if (place && place->name() == name)
            return place;
    }
    return CachedPlace();
}

void tst_PlacesDataModel::ratingsLandOnTheirRows_data()
{
    QTest::addColumn<QString>("first"); // the place asked for on row 1 under search id 5
    QTest::addColumn<QString>("second"); // asked next on row 1 under search id 6; empty: no second query
    QTest::addColumn<double>("expected");

    QTest::newRow("a rating asked under a new search id lands") << "Rated Cafe" << QString() << 4.5;
    QTest::newRow("a rating of zero leaves the row unrated") << "New Cafe" << QString() << -1.0;
    QTest::newRow("a reply for the previous query changes nothing") << "Rated Cafe"
                                                                    << "New Cafe" << -1.0;
}

void tst_PlacesDataModel::ratingsLandOnTheirRows()
{
    QFETCH(QString, first);
    QFETCH(QString, second);
    QFETCH(double, expected);

    TestRoots roots;
    QList<GazetteerEntry> entries { GazetteerFixture::poi(QStringLiteral("Rated Cafe"), 43.0, -80.0),
                                    GazetteerFixture::poi(QStringLiteral("New Cafe"), 43.001, -80.0),
                                    GazetteerFixture::poi(QStringLiteral("Control Cafe"), 43.002, -80.0) };
    entries[0].rating = 4.5;
    entries[0].ratingCount = 10;
    entries[1].rating = 0.0;
    entries[2].rating = 4.0;
    entries[2].ratingCount = 3;
    QVERIFY(GazetteerFixture::write(roots.gazetteerPath(), entries));
    const QList<CachedPlace> found
        = GroupDataLoader(FilterCategory::Pois, QStringLiteral("cafe"), Coordinates(), true)(0, 3);
    const CachedPlace control = named(found, QStringLiteral("Control Cafe"));
    QVERIFY(control);

    RatedList list;
    list.show({ named(found, first), control }, 5);
    if (!second.isEmpty())
        list.show({ named(found, second), control }, 6);
    // Replies keep their order, so once the control row is rated the row before it is settled.
    QTRY_COMPARE(list.rating(2).rating(), 4.0);
    QCOMPARE(list.rating(1).rating(), expected);
}

QTEST_MAIN(tst_PlacesDataModel)
#include "tst_placesdatamodel.moc"

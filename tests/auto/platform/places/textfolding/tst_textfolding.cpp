#include <hx/platform/places/internalplacemanager.h>
#include <hx/platform/places/placemanager.h>
#include <hx/platform/places/searchresultgroup.h>

#include <QtTest/QtTest>

#include "gazetteerfixture.h"
#include "storefixture.h"
#include "testroots.h"

using namespace hx::platform::places;
using hx::test::GazetteerFixture;
using hx::test::StoreFixture;
using hx::test::TestRoots;

namespace {
QStringList namesFound(int group, const QString &text)
{
    InternalPlaceManager manager;
    Error::Type error = Error::Unknown;
    SearchHandle handle;
    QStringList names;
    for (const QSharedPointer<AbstractPlace> &place :
         manager.findPlacesByGroup(group, error, handle, text, 0, 10, Coordinates()))
        names.append(place->name());
    return error == Error::None ? names : QStringList { QStringLiteral("error %1").arg(int(error)) };
}
} // namespace

// The user's places and the gazetteer fold names the same way: a query finds a name in both or
// in neither.
class tst_TextFolding : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void storeAndGazetteerMatchAlike_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("query");
        QTest::addColumn<bool>("found");
        QTest::newRow("diacritics") << QStringLiteral("Café Nord") << QStringLiteral("cafe") << true;
        QTest::newRow("sharp s folds to ss") << QStringLiteral("Straße Eins") << QStringLiteral("strasse") << true;
        QTest::newRow("capital sharp s") << QStringLiteral("GROẞE Halle") << QStringLiteral("grosse") << true;
        QTest::newRow("dotted capital I") << QStringLiteral("İstanbul Kebap") << QStringLiteral("istanbul") << true;
        QTest::newRow("Greek accents and final sigma")
            << QStringLiteral("Ὀδυσσεύς Ταβέρνα") << QStringLiteral("ΟΔΥΣΣΕΥΣ") << true;
        QTest::newRow("Cyrillic case and diaeresis") << QStringLiteral("Ёлка Москва") << QStringLiteral("елка") << true;
        QTest::newRow("letters outside the basic plane fold case")
            << QString::fromUcs4(U"\U00010400\U00010401 Inn") << QString::fromUcs4(U"\U00010428\U00010429") << true;
        QTest::newRow("an emoji separates words and is not one")
            << QString::fromUcs4(U"Pizza\U0001F355Roma") << QString::fromUcs4(U"\U0001F355 rom") << true;
        QTest::newRow("an emoji alone finds nothing")
            << QString::fromUcs4(U"\U0001F355 Pizza") << QString::fromUcs4(U"\U0001F355") << false;
        QTest::newRow("ASCII capitals, digits and signs")
            << QStringLiteral("KING-ST. 24B Deli") << QStringLiteral("24b") << true;
        QTest::newRow("an ASCII query finds an accented name")
            << QStringLiteral("Crème Brûlée Bar") << QStringLiteral("CREME BRU") << true;
        QTest::newRow("an accented query finds an ASCII name")
            << QStringLiteral("Creme Cafe") << QStringLiteral("CRÈME") << true;
        QTest::newRow("a different letter is no match")
            << QStringLiteral("Straße Eins") << QStringLiteral("strase") << false;
    }

    void storeAndGazetteerMatchAlike()
    {
        QFETCH(QString, name);
        QFETCH(QString, query);
        QFETCH(bool, found);
        TestRoots roots;
        // A kilometre apart, so the gazetteer's place is not the favourite listed again.
        QVERIFY(GazetteerFixture::write(roots.gazetteerPath(), { GazetteerFixture::poi(name, 43.47, -80.52) }));
        StoreFixture::addFavorite(name, 43.46, -80.52);
        const QStringList expected = found ? QStringList { name } : QStringList();
        QCOMPARE(namesFound(SearchResultGroup::MyPlaces, query), expected);
        QCOMPARE(namesFound(SearchResultGroup::PointsOfInterest, query), expected);
    }
};

QTEST_GUILESS_MAIN(tst_TextFolding)
#include "tst_textfolding.moc"

#include <QtTest/QtTest>

#include <hx/platform/places/auxiliarydata.h>
#include <hx/platform/places/internaltags.h>
#include <hx/platform/places/place.h>
#include <hx/platform/places/placeheader.h>
#include <hx/platform/places/tags.h>
#include <hx/trellan/places/iconitemtype.h>

#include <functional>

using namespace hx::trellan::places;
using namespace hx::platform::places;

using Predicate = std::function<bool(const AbstractPlace *)>;
Q_DECLARE_METATYPE(Predicate)

class tst_IconItemType : public QObject
{
    Q_OBJECT

private slots:
    void predicates_data();
    void predicates();
    void nullIsNothing();
};

void tst_IconItemType::predicates_data()
{
    QTest::addColumn<Predicate>("predicate");
    QTest::addColumn<QStringList>("tags");
    QTest::addColumn<QString>("auxiliaryType");
    QTest::addColumn<bool>("onPlace");
    QTest::addColumn<bool>("onHeader");

    const QString none;
    const QString contact = QLatin1String(AuxiliaryData::TypeContact);
    QTest::newRow("one main category is not several") << Predicate(IconItemType::hasMultipleMainCategories)
                                                      << QStringList { Tags::Restaurant } << none << false << false;
    QTest::newRow("restaurant and shopping are several")
        << Predicate(IconItemType::hasMultipleMainCategories) << QStringList { Tags::Restaurant, Tags::Shopping }
        << none << true << true;
    QTest::newRow("an airport category tag is an airport on headers too")
        << Predicate(IconItemType::isAirport) << QStringList { Tags::Airport } << none << true << true;
    QTest::newRow("an airport suggestion tag counts only on full places")
        << Predicate(IconItemType::isAirport) << QStringList { InternalTags::SuggestionAirport } << none << true
        << false;
    QTest::newRow("a gas suggestion is never recognised on a header")
        << Predicate(IconItemType::isGas) << QStringList { InternalTags::SuggestionGas } << none << true << false;
    QTest::newRow("a category suggestion is recognised on full places")
        << Predicate(IconItemType::isCategory) << QStringList { InternalTags::SuggestionCategory } << none << true
        << false;
    QTest::newRow("a home tag without contact data is not a contact's home")
        << Predicate(IconItemType::isContactHome) << QStringList { Tags::Home } << none << false << false;
    QTest::newRow("a home tag with contact data is a contact's home")
        << Predicate(IconItemType::isContactHome) << QStringList { Tags::Home } << contact << true << true;
    QTest::newRow("contact data makes a contact")
        << Predicate(IconItemType::isContact) << QStringList() << contact << true << true;
    QTest::newRow("point-of-interest data makes a point of interest")
        << Predicate(IconItemType::isPOI) << QStringList() << QString::fromLatin1(AuxiliaryData::TypePointOfInterest)
        << true << true;
    QTest::newRow("my work tag is my work")
        << Predicate(IconItemType::isMyWork) << QStringList { Tags::MyWork } << none << true << true;
}

void tst_IconItemType::predicates()
{
    QFETCH(Predicate, predicate);
    QFETCH(QStringList, tags);
    QFETCH(QString, auxiliaryType);
    QFETCH(bool, onPlace);
    QFETCH(bool, onHeader);

    Place place;
    PlaceHeader header;
    for (const QString &tag : tags) {
        place.addTag(tag);
        header.addTag(tag);
    }
    if (!auxiliaryType.isEmpty()) {
        place.addAuxiliaryData(AuxiliaryData(auxiliaryType));
        header.addAuxiliaryData(AuxiliaryData(auxiliaryType));
    }
    QCOMPARE(predicate(&place), onPlace);
    QCOMPARE(predicate(&header), onHeader);
}

void tst_IconItemType::nullIsNothing()
{
    QVERIFY(!IconItemType::isFavorite(nullptr));
    QVERIFY(!IconItemType::isAirport(nullptr));
    QVERIFY(!IconItemType::hasMultipleMainCategories(nullptr));
    QVERIFY(!IconItemType::hasCoordinates(nullptr));
}

QTEST_APPLESS_MAIN(tst_IconItemType)
#include "tst_iconitemtype.moc"

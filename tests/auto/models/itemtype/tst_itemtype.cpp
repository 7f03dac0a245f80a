#include <QtTest/QtTest>

#include <hx/trellan/places/groupmapper.h>
#include <hx/trellan/places/itemtype.h>

using namespace hx::trellan::places;

class tst_ItemType : public QObject
{
    Q_OBJECT

private slots:
    void predicates_data();
    void predicates();
    void getFilter_data();
    void getFilter();
    void mapListKeepsOrderAndLength();
};

void tst_ItemType::predicates_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<bool>("header");
    QTest::addColumn<bool>("footer");
    QTest::addColumn<bool>("listItem");
    QTest::addColumn<bool>("updatable");

    QTest::newRow("the bare header prefix is a header") << "HEADER_" << true << false << false << false;
    QTest::newRow("a header key without its underscore is nothing") << "HEADER" << false << false << false << false;
    QTest::newRow("the collapse footer is a footer") << "FOOTER_COLLAPSE" << false << true << false << false;
    QTest::newRow("footers are case-sensitive") << "footer_more_none" << false << false << false << false;
    QTest::newRow("TYPE_NONE is not a list item") << "TYPE_NONE" << false << false << false << false;
    QTest::newRow("a point of interest is a list item") << "TYPE_POI" << false << false << true << false;
    QTest::newRow("a point-of-interest header is not a list item") << "HEADER_POI" << true << false << false << false;
    QTest::newRow("a recent row is refreshed from the store") << "TYPE_W_RECENT" << false << false << true << true;
    QTest::newRow("a recent search term is not refreshed") << "TYPE_RECENTSEARCH" << false << false << true << false;
    QTest::newRow("TYPE_NONEX is a list item") << "TYPE_NONEX" << false << false << true << false;
}

void tst_ItemType::predicates()
{
    QFETCH(QString, key);
    QFETCH(bool, header);
    QFETCH(bool, footer);
    QFETCH(bool, listItem);
    QFETCH(bool, updatable);
    QCOMPARE(ItemType::isHeader(key), header);
    QCOMPARE(ItemType::isFooter(key), footer);
    QCOMPARE(ItemType::isListItem(key), listItem);
    QCOMPARE(ItemType::isUpdatable(key), updatable);
}

void tst_ItemType::getFilter_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<int>("category");

    QTest::newRow("a My Places row opens My Places") << "TYPE_MYPLACES" << 4;
    QTest::newRow("the My Places footer opens My Places") << "FOOTER_MORE_MYPLACES" << 4;
    QTest::newRow("the suggestion footer opens suggestions") << "FOOTER_MORE_SUGGESTION" << 9;
    QTest::newRow("a suggestion row opens suggestions") << "TYPE_SUGGESTION" << 9;
    QTest::newRow("the remote footer opens remote places") << "FOOTER_MORE_REMOTEPLACES" << 5;
    QTest::newRow("the collapse footer opens nothing") << "FOOTER_COLLAPSE" << 0;
    QTest::newRow("the unnamed footer opens nothing") << "FOOTER_MORE_NONE" << 0;
    QTest::newRow("a point of interest opens nothing") << "TYPE_POI" << 0;
}

void tst_ItemType::getFilter()
{
    QFETCH(QString, key);
    QFETCH(int, category);
    QCOMPARE(int(ItemType::getFilter(key)), category);
}

void tst_ItemType::mapListKeepsOrderAndLength()
{
    const QList<FilterCategory::Type> categories
        = { FilterCategory::Pois, FilterCategory::MyPlaces, FilterCategory::Type(99), FilterCategory::Suggestions };
    QCOMPARE(GroupMapper::mapList(categories), (QList<int> { 10, 7, 0, 11 }));
    QVERIFY(GroupMapper::mapList({}).isEmpty());
}

QTEST_APPLESS_MAIN(tst_ItemType)
#include "tst_itemtype.moc"

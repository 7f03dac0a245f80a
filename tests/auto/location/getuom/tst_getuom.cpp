#include <hx/trellan/places/getuom.h>
#include <hx/trellan/places/placeutils.h>

#include "ppsstatusfile.h"
#include "testroots.h"

#include <QtTest/QtTest>

using namespace hx::test;
using namespace hx::trellan::places;

namespace {
const QString UOM = QStringLiteral("/pps/services/locale/uom");
}

class tst_GetUOM : public QObject
{
    Q_OBJECT

private slots:
    void unitOfMeasurement_data();
    void unitOfMeasurement();
    void distanceInfo_data();
    void distanceInfo();
    void distanceFollowsTheStoredUnit();
};

void tst_GetUOM::unitOfMeasurement_data()
{
    QTest::addColumn<QByteArray>("text"); // null: no object at all
    QTest::addColumn<int>("unit");

    QTest::newRow("metric in capitals") << QByteArray("@uom\nuom::METRIC\n") << 2;
    QTest::newRow("met is a prefix of metric") << QByteArray("@uom\nuom::met\n") << 2;
    QTest::newRow("the empty text counts as metric") << QByteArray("@uom\nuom::\n") << 2;
    QTest::newRow("metrics is longer than metric") << QByteArray("@uom\nuom::metrics\nsubuom::yards/miles\n") << 1;
    QTest::newRow("imperial with yards and miles") << QByteArray("@uom\nuom::imperial\nsubuom::yards/miles\n") << 1;
    QTest::newRow("yards is a prefix of yards/miles") << QByteArray("@uom\nuom::imperial\nsubuom::Yards\n") << 1;
    QTest::newRow("imperial with feet") << QByteArray("@uom\nuom::imperial\nsubuom::feet/miles\n") << 0;
    QTest::newRow("imperial without a sub-unit") << QByteArray("@uom\nuom::imperial\n") << 0;
    QTest::newRow("no uom at all") << QByteArray("@uom\nsubuom::yards/miles\n") << 0;
    QTest::newRow("uom is not text") << QByteArray("@uom\nuom:n:3\n") << 0;
    QTest::newRow("not an object") << QByteArray("garbage without a header") << 0;
    QTest::newRow("no object at all") << QByteArray() << 0;
}

void tst_GetUOM::unitOfMeasurement()
{
    QFETCH(QByteArray, text);
    QFETCH(int, unit);

    TestRoots roots;
    if (!text.isNull())
        QVERIFY(PpsStatusFile::write(UOM, text));
    QCOMPARE(GetUOM::getUnitOfMeasurement(), unit);
}

void tst_GetUOM::distanceInfo_data()
{
    QTest::addColumn<int>("unitOfMeasurement");
    QTest::addColumn<double>("metres");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("text");

    // One row per unit code: the rounding rules are pinned on the screen by the distance control's tests.
    QTest::newRow("metric just under a kilometre") << 2 << 999.4 << 0 << "999";
    QTest::newRow("metric one and a half kilometres") << 2 << 1500.0 << 1 << "1.5";
    QTest::newRow("yards/miles always in miles") << 1 << 300.0 << 3 << "0.2";
    QTest::newRow("imperial default 300 m in feet") << 0 << 300.0 << 2 << "984";
    QTest::newRow("imperial default 1000 m in miles") << 0 << 1000.0 << 3 << "0.6";
}

void tst_GetUOM::distanceInfo()
{
    QFETCH(int, unitOfMeasurement);
    QFETCH(double, metres);
    QFETCH(int, code);
    QFETCH(QString, text);

    const QList<QVariant> info = GetUOM::distanceInfo(metres, unitOfMeasurement);
    QCOMPARE(info.size(), 2);
    QCOMPARE(info.at(0).toInt(), code);
    QCOMPARE(info.at(1).toString(), text);
}

void tst_GetUOM::distanceFollowsTheStoredUnit()
{
    TestRoots roots;
    QVERIFY(PpsStatusFile::write(UOM, "@uom\nuom::metric\n"));
    QCOMPARE(PlaceUtils::distanceInfo(1500), (QList<QVariant> { 1, QStringLiteral("1.5") }));
    QVERIFY(PpsStatusFile::remove(UOM));
    QCOMPARE(GetUOM::distanceInfo(1500), (QList<QVariant> { 3, QStringLiteral("0.9") }));
}

QTEST_GUILESS_MAIN(tst_GetUOM)
#include "tst_getuom.moc"

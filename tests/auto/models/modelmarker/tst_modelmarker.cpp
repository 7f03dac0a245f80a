#include <QtTest/QtTest>

#include <hx/trellan/places/modelmarker.h>

using namespace hx::trellan::places;

class tst_ModelMarker : public QObject
{
    Q_OBJECT

private slots:
    void constructors_data();
    void constructors();
    void ratingSurvivesAVariantRoundTrip();
    void unconvertibleRatingGivesDefault();
    void debugOutput();
};

void tst_ModelMarker::constructors_data()
{
    QTest::addColumn<QVariantList>("list");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("type");

    QTest::newRow("an empty marker is invalid") << QVariantList(ModelMarker()) << false << -1 << "TYPE_NONE";
    QTest::newRow("a place row keeps its index and key")
        << QVariantList(ModelMarker(5, QStringLiteral("TYPE_POI"))) << true << 5 << "TYPE_POI";
    QTest::newRow("a header has index -1")
        << QVariantList(ModelMarker(QStringLiteral("HEADER_POI"))) << true << -1 << "HEADER_POI";
    QTest::newRow("a two-entry list reads as no row")
        << QVariantList { 3, QStringLiteral("TYPE_POI") } << false << -1 << "TYPE_NONE";
    QTest::newRow("a four-entry list reads as no row")
        << QVariantList { 3, QStringLiteral("TYPE_POI"), QVariant(), 1 } << false << -1 << "TYPE_NONE";
}

void tst_ModelMarker::constructors()
{
    QFETCH(QVariantList, list);
    QFETCH(bool, valid);
    QFETCH(int, index);
    QFETCH(QString, type);

    const ModelMarker marker(list);
    QCOMPARE(marker.isValid(), valid);
    QCOMPARE(marker.index(), index);
    QCOMPARE(marker.type(), type);
    QCOMPARE(marker.ratingInfo(), RatingInfo(-1.0, -1));
}

void tst_ModelMarker::ratingSurvivesAVariantRoundTrip()
{
    ModelMarker marker(2, QStringLiteral("TYPE_W_FAVORITE"));
    marker.updateRatingInfo(RatingInfo(4.5, 12));
    const QVariant row = QVariant::fromValue(marker);
    const ModelMarker back = row.value<ModelMarker>();
    QCOMPARE(back.index(), 2);
    QCOMPARE(back.ratingInfo().rating(), 4.5);
    QCOMPARE(back.ratingInfo().ratingCount(), 12);
    QVERIFY(!back.isHeader());
    QVERIFY(ModelMarker(QStringLiteral("FOOTER_MORE_NONE")).isFooter());
}

void tst_ModelMarker::unconvertibleRatingGivesDefault()
{
    const ModelMarker marker(QVariantList { 1, QStringLiteral("TYPE_POI"), QStringLiteral("five stars") });
    QVERIFY(marker.isValid());
    QCOMPARE(marker.ratingInfo(), RatingInfo());
}

void tst_ModelMarker::debugOutput()
{
    QString text;
    QDebug(&text) << ModelMarker(7, QStringLiteral("TYPE_POI"));
    QVERIFY2(text.startsWith(QLatin1String("ModelMarker(7, \"TYPE_POI\"")), qPrintable(text));
}

QTEST_APPLESS_MAIN(tst_ModelMarker)
#include "tst_modelmarker.moc"

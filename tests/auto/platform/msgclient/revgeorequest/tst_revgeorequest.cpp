#include <hx/msgclient/revgeorequest.h>

#include <QtTest/QtTest>

using hx::msgclient::RevGeoRequest;

class tst_RevGeoRequest : public QObject
{
    Q_OBJECT

private slots:
    void parses_data();
    void parses();
};

void tst_RevGeoRequest::parses_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<double>("latitude");
    QTest::addColumn<double>("longitude");
    QTest::addColumn<int>("boundary");

    QTest::newRow("the library's request, byte for byte")
        << QByteArray("{\"lat\":43.5000000, \"lon\":-80.2500000, \"boundary\": \"address\"}") << true << 43.5 << -80.25
        << int(RevGeoRequest::Address);
    QTest::newRow("a city request") << QByteArray("{\"lat\":1.2500000, \"lon\":2.0000000, \"boundary\": \"city\"}")
                                    << true << 1.25 << 2.0 << int(RevGeoRequest::City);
    QTest::newRow("every boundary text is known") << QByteArray("{\"lat\":0,\"lon\":0,\"boundary\":\"timezone\"}")
                                                  << true << 0.0 << 0.0 << int(RevGeoRequest::Timezone);
    QTest::newRow("no boundary means address")
        << QByteArray("{\"lon\":10,\"lat\":-10,\"extra\":[1]}") << true << -10.0 << 10.0 << int(RevGeoRequest::Address);
    QTest::newRow("an unknown boundary") << QByteArray("{\"lat\":0,\"lon\":0,\"boundary\":\"street\"}") << false << 0.0
                                         << 0.0 << 0;
    QTest::newRow("a boundary that is a number")
        << QByteArray("{\"lat\":0,\"lon\":0,\"boundary\":3}") << false << 0.0 << 0.0 << 0;
    QTest::newRow("a latitude past the pole") << QByteArray("{\"lat\":90.5,\"lon\":0}") << false << 0.0 << 0.0 << 0;
    QTest::newRow("a longitude past the date line")
        << QByteArray("{\"lat\":0,\"lon\":-180.1}") << false << 0.0 << 0.0 << 0;
    QTest::newRow("coordinates given as text")
        << QByteArray("{\"lat\":\"1\",\"lon\":\"2\"}") << false << 0.0 << 0.0 << 0;
    QTest::newRow("a missing longitude") << QByteArray("{\"lat\":1}") << false << 0.0 << 0.0 << 0;
    QTest::newRow("an array instead of an object") << QByteArray("[43.5,-80.25]") << false << 0.0 << 0.0 << 0;
    QTest::newRow("garbage") << QByteArray("\x01\x02garbage\xff") << false << 0.0 << 0.0 << 0;
    QTest::newRow("an empty request") << QByteArray() << false << 0.0 << 0.0 << 0;
    QTest::newRow("a request past the size limit")
        << "{\"lat\":1,\"lon\":2,\"pad\":\"" + QByteArray(RevGeoRequest::MaxSize, ' ') + "\"}" << false << 0.0 << 0.0
        << 0;
}

void tst_RevGeoRequest::parses()
{
    QFETCH(QByteArray, text);
    QFETCH(bool, valid);
    QFETCH(double, latitude);
    QFETCH(double, longitude);
    QFETCH(int, boundary);

    const RevGeoRequest request = RevGeoRequest::parse(text);
    QCOMPARE(request.isValid(), valid);
    QCOMPARE(request.error.isEmpty(), valid);
    if (valid) {
        QCOMPARE(request.latitude, latitude);
        QCOMPARE(request.longitude, longitude);
        QCOMPARE(int(request.boundary), boundary);
    }
}

QTEST_APPLESS_MAIN(tst_RevGeoRequest)
#include "tst_revgeorequest.moc"

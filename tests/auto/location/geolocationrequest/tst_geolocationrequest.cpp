#include <hx/trellan/places/geolocationrequest.h>

#include <QtCore/QHash>
#include <QtTest/QtTest>

using hx::trellan::places::GeolocationRequest;

class tst_GeolocationRequest : public QObject
{
    Q_OBJECT

private slots:
    void id_data();
    void id();
    void sameRequest_data();
    void sameRequest();
};

void tst_GeolocationRequest::id_data()
{
    QTest::addColumn<int>("provider");
    QTest::addColumn<int>("accuracy");
    QTest::addColumn<QString>("expected");

    QTest::newRow("my-location preset") << 1 << 90 << "places.1.hybrid.90";
    QTest::newRow("satellites only") << 2 << 500 << "places.2.gnss.500";
    QTest::newRow("network only") << 3 << 0 << "places.3.network.0";
    QTest::newRow("default provider has an empty word") << 0 << 10 << "places.0..10";
    QTest::newRow("unknown provider number has an empty word") << 7 << -5 << "places.7..-5";
}

void tst_GeolocationRequest::id()
{
    QFETCH(int, provider);
    QFETCH(int, accuracy);
    QFETCH(QString, expected);

    const GeolocationRequest request(accuracy, 1, 60, GeolocationRequest::Provider(provider), true, 0, false);
    QCOMPARE(request.id(), expected);
}

void tst_GeolocationRequest::sameRequest_data()
{
    QTest::addColumn<GeolocationRequest>("other");
    QTest::addColumn<bool>("same");

    // Compared against: accuracy 90, hybrid, foreground.
    QTest::newRow("only the timing and reset differ")
        << GeolocationRequest(90, 5, 10, GeolocationRequest::Hybrid, false, 180, false) << true;
    QTest::newRow("another accuracy") << GeolocationRequest(60, 1, 60, GeolocationRequest::Hybrid, true, 0, false)
                                      << false;
    QTest::newRow("another provider") << GeolocationRequest(90, 1, 60, GeolocationRequest::Gnss, true, 0, false)
                                      << false;
    QTest::newRow("in the background") << GeolocationRequest(90, 1, 60, GeolocationRequest::Hybrid, true, 0, true)
                                       << false;
}

void tst_GeolocationRequest::sameRequest()
{
    QFETCH(GeolocationRequest, other);
    QFETCH(bool, same);

    const GeolocationRequest mine(90, 1, 60, GeolocationRequest::Hybrid, true, 0, false);
    // The worker table is keyed by requests: equal ones must share a worker, and so a hash.
    QCOMPARE(mine == other, same);
    QCOMPARE(mine != other, !same);
    if (same)
        QCOMPARE(qHash(mine), qHash(other));
}

QTEST_GUILESS_MAIN(tst_GeolocationRequest)
#include "tst_geolocationrequest.moc"

#include <QtCore/QDateTime>
#include <QtCore/QTimeZone>
#include <QtTest/QtTest>

#include <hx/trellan/places/placeutils.h>

#include <cmath>
#include <ctime>

using hx::trellan::places::PlaceUtils;

class tst_PlaceUtils : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void distance_data();
    void distance();
    void dayBoundaries_data();
    void dayBoundaries();
    void emailAddresses_data();
    void emailAddresses();

private:
    QByteArray m_savedTz;
    bool m_hadTz = false;
};

void tst_PlaceUtils::initTestCase()
{
    // Day boundaries are local dates: run them in a zone with daylight saving that switches at
    // midnight, where 00:00 does not exist on the day the clocks go forward.
    m_hadTz = qEnvironmentVariableIsSet("TZ");
    m_savedTz = qgetenv("TZ");
    qputenv("TZ", "America/Sao_Paulo");
    tzset();
}

void tst_PlaceUtils::cleanupTestCase()
{
    if (m_hadTz)
        qputenv("TZ", m_savedTz);
    else
        qunsetenv("TZ");
    tzset();
}

void tst_PlaceUtils::distance_data()
{
    QTest::addColumn<double>("latitude1");
    QTest::addColumn<double>("longitude1");
    QTest::addColumn<double>("latitude2");
    QTest::addColumn<double>("longitude2");
    QTest::addColumn<double>("expected");
    QTest::addColumn<double>("tolerance");

    QTest::newRow("identical points are 0 m apart") << 43.47 << -80.54 << 43.47 << -80.54 << 0.0 << 0.0;
    QTest::newRow("one degree of longitude on the equator") << 0.0 << 0.0 << 0.0 << 1.0 << 111195.0 << 1.0;
    QTest::newRow("one degree of latitude") << 10.0 << 20.0 << 11.0 << 20.0 << 111195.0 << 1.0;
    QTest::newRow("pole to pole is half the circumference") << 90.0 << 0.0 << -90.0 << 0.0 << M_PI * 6371009.0 << 1.0;
    QTest::newRow("across the date line is short") << 0.0 << 179.5 << 0.0 << -179.5 << 111195.0 << 1.0;
    QTest::newRow("antipodes do not overflow the square root") << 0.0 << 0.0 << 0.0 << 180.0 << M_PI * 6371009.0 << 1.0;
    QTest::newRow("waterloo to toronto") << 43.4643 << -80.5204 << 43.6532 << -79.3832 << 94300.0 << 500.0;
}

void tst_PlaceUtils::distance()
{
    QFETCH(double, latitude1);
    QFETCH(double, longitude1);
    QFETCH(double, latitude2);
    QFETCH(double, longitude2);
    QFETCH(double, expected);
    QFETCH(double, tolerance);

    const double metres = PlaceUtils::distance(latitude1, longitude1, latitude2, longitude2);
    QVERIFY2(std::fabs(metres - expected) <= tolerance, qPrintable(QString::number(metres, 'f', 3)));
    // The distance is symmetric.
    QCOMPARE(PlaceUtils::distance(latitude2, longitude2, latitude1, longitude1), metres);
}

void tst_PlaceUtils::dayBoundaries_data()
{
    QTest::addColumn<QDateTime>("now");
    QTest::addColumn<QDate>("yesterday");
    QTest::addColumn<QDate>("lastWeek");
    QTest::addColumn<QDate>("lastMonth");

    const QTime noon(12, 0);
    QTest::newRow("wednesday looks back to sunday")
        << QDateTime(QDate(2014, 6, 11), noon) << QDate(2014, 6, 10) << QDate(2014, 6, 8) << QDate(2014, 5, 31);
    QTest::newRow("a sunday looks back a whole week")
        << QDateTime(QDate(2014, 6, 15), noon) << QDate(2014, 6, 14) << QDate(2014, 6, 8) << QDate(2014, 5, 31);
    QTest::newRow("a monday looks back one day to sunday")
        << QDateTime(QDate(2014, 6, 16), QTime(0, 0)) << QDate(2014, 6, 15) << QDate(2014, 6, 15) << QDate(2014, 5, 31);
    QTest::newRow("the first of the month ends the previous month")
        << QDateTime(QDate(2014, 3, 1), QTime(23, 59, 59)) << QDate(2014, 2, 28) << QDate(2014, 2, 23)
        << QDate(2014, 2, 28);
    QTest::newRow("new year's day looks back into the old year")
        << QDateTime(QDate(2015, 1, 1), noon) << QDate(2014, 12, 31) << QDate(2014, 12, 28) << QDate(2014, 12, 31);
    QTest::newRow("leap day") << QDateTime(QDate(2016, 3, 1), noon) << QDate(2016, 2, 29) << QDate(2016, 2, 28)
                              << QDate(2016, 2, 29);
    // Clocks went forward at midnight on 2014-10-19 in Sao Paulo: that day has no 00:00.
    QTest::newRow("yesterday whose midnight was skipped by daylight saving")
        << QDateTime(QDate(2014, 10, 20), noon) << QDate(2014, 10, 19) << QDate(2014, 10, 19) << QDate(2014, 9, 30);
    QTest::newRow("the day after clocks went back")
        << QDateTime(QDate(2015, 2, 23), noon) << QDate(2015, 2, 22) << QDate(2015, 2, 22) << QDate(2015, 1, 31);
}

void tst_PlaceUtils::dayBoundaries()
{
    QFETCH(QDateTime, now);
    QFETCH(QDate, yesterday);
    QFETCH(QDate, lastWeek);
    QFETCH(QDate, lastMonth);

    const QDateTime results[]
        = { PlaceUtils::endOfYesterday(now), PlaceUtils::endOfLastWeek(now), PlaceUtils::endOfLastMonth(now) };
    const QDate dates[] = { yesterday, lastWeek, lastMonth };
    for (int i = 0; i < 3; ++i) {
        QVERIFY(results[i].isValid());
        QCOMPARE(results[i].timeSpec(), Qt::LocalTime);
        QCOMPARE(results[i].date(), dates[i]);
        // The boundary is the first moment of that day: 00:00, or the first valid time after a skipped midnight.
        QVERIFY(results[i].time() <= QTime(1, 0));
        QVERIFY(results[i] < now);
        QVERIFY(results[i].addSecs(-1).date() < dates[i]);
    }
}

void tst_PlaceUtils::emailAddresses_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("accepted");

    QTest::newRow("a plain address") << QStringLiteral("jane.doe@example.com") << true;
    QTest::newRow("plus and percent in the local part") << QStringLiteral("a+b%c@mail.example.org") << true;
    QTest::newRow("a four-letter top-level domain") << QStringLiteral("x@example.info") << true;
    QTest::newRow("a five-letter top-level domain") << QStringLiteral("x@example.store") << false;
    QTest::newRow("no at sign") << QStringLiteral("example.com") << false;
    QTest::newRow("no domain dot") << QStringLiteral("x@localhost") << false;
    QTest::newRow("text around the address") << QStringLiteral("mail x@example.com now") << false;
    QTest::newRow("a blank inside") << QStringLiteral("jane doe@example.com") << false;
    QTest::newRow("empty") << QString() << false;
}

void tst_PlaceUtils::emailAddresses()
{
    QFETCH(QString, text);
    QFETCH(bool, accepted);
    QRegExp pattern = PlaceUtils::emailRegExp;
    QCOMPARE(pattern.exactMatch(text), accepted);
}

QTEST_APPLESS_MAIN(tst_PlaceUtils)
#include "tst_placeutils.moc"

#include <hx/trellan/places/getlocationsettings.h>

#include "ppsstatusfile.h"
#include "testroots.h"

#include <QtTest/QtTest>

using namespace hx::test;
using hx::trellan::places::GetLocationSettings;

class tst_GetLocationSettings : public QObject
{
    Q_OBJECT

private slots:
    void settings_data();
    void settings();
};

void tst_GetLocationSettings::settings_data()
{
    QTest::addColumn<QByteArray>("text"); // null: no object at all
    QTest::addColumn<int>("expected");

    QTest::newRow("location services on")
        << QByteArray("@status\nstatus:json:{\"location_manager_location_on\":true}\n") << 2;
    QTest::newRow("location services off, among other members")
        << QByteArray("@status\nactive:n:2\nstatus:json:{\"mode\":\"gps\",\"location_manager_location_on\":false}\n")
        << 1;
    QTest::newRow("the setting outside the status member")
        << QByteArray("@status\nlocation_manager_location_on:b:true\n") << 0;
    QTest::newRow("a status member without the setting") << QByteArray("@status\nstatus:json:{\"other\":true}\n") << 0;
    QTest::newRow("the setting as text") << QByteArray(
        "@status\nstatus:json:{\"location_manager_location_on\":\"true\"}\n")
                                         << 0;
    QTest::newRow("an empty file") << QByteArray("") << 0;
    QTest::newRow("no status object is a read failure") << QByteArray() << 0;
}

void tst_GetLocationSettings::settings()
{
    QFETCH(QByteArray, text);
    QFETCH(int, expected);

    TestRoots roots;
    if (!text.isNull())
        QVERIFY(PpsStatusFile::write(QStringLiteral("/pps/services/geolocation/status"), text));
    QCOMPARE(GetLocationSettings::getSettings(), expected);
}

QTEST_GUILESS_MAIN(tst_GetLocationSettings)
#include "tst_getlocationsettings.moc"

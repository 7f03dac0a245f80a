#include <hx/trellan/places/getdataservices.h>
#include <hx/trellan/places/placeutils.h>

#include "ppsstatusfile.h"
#include "testroots.h"

#include <QtTest/QtTest>

using namespace hx::test;
using namespace hx::trellan::places;

namespace {
const QString STATUS = QStringLiteral("/pps/services/networking/status_public");
}

class tst_GetDataServices : public QObject
{
    Q_OBJECT

private slots:
    void networkStatus_data();
    void networkStatus();
    void missingObject();
};

void tst_GetDataServices::networkStatus_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<int>("status");
    QTest::addColumn<bool>("online");

    QTest::newRow("ip ok") << QByteArray("@status_public\nip_ok::yes\n") << 1 << true;
    QTest::newRow("YES in capitals is usable but not online")
        << QByteArray("@status_public\nip_ok::YES\n") << 1 << false;
    QTest::newRow("no connectivity") << QByteArray("@status_public\nip_ok::no\n") << 0 << false;
    QTest::newRow("other members only") << QByteArray("@status_public\nconnected::yes\n") << -1 << false;
    // The reader wants text; the online check compares values as QVariant does, so true is "yes".
    QTest::newRow("ip_ok as a boolean") << QByteArray("@status_public\nip_ok:b:true\n") << -1 << true;
    QTest::newRow("an empty file") << QByteArray() << -1 << false;
    QTest::newRow("a broken file") << QByteArray("@status_public\nip_ok:json:{\"unterminated\n") << -1 << false;
}

void tst_GetDataServices::networkStatus()
{
    QFETCH(QByteArray, text);
    QFETCH(int, status);
    QFETCH(bool, online);

    TestRoots roots;
    QVERIFY(PpsStatusFile::write(STATUS, text));
    QCOMPARE(GetDataServices::getNetworkStatus(), status);
    QCOMPARE(PlaceUtils::isOnline(), online);
}

void tst_GetDataServices::missingObject()
{
    TestRoots roots;
    QCOMPARE(GetDataServices::getNetworkStatus(), -1);
    QTest::ignoreMessage(QtWarningMsg,
                         QRegularExpression("^hx::trellan::places::PlaceUtils::isOnline\\(\\), error: could not read "
                                            "from PPS: \".*\"$"));
    QCOMPARE(PlaceUtils::isOnline(), false);
}

QTEST_GUILESS_MAIN(tst_GetDataServices)
#include "tst_getdataservices.moc"

#include <hx/pps/ppsobject.h>
#include <hx/pps/ppspath.h>

#include <serviceprocess.h>
#include <testroots.h>

#include <QtCore/QFile>
#include <QtCore/QFileInfo>
#include <QtCore/QProcess>
#include <QtTest/QtTest>

#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

class tst_HxLocationd : public QObject
{
    Q_OBJECT

private slots:
    void servesAFixedPositionAndStopsOnSigterm();
    void playsATrackFile();
    void aSecondServiceOnTheSameRootRefusesToStart();
    void refusesBadArguments_data();
    void refusesBadArguments();
    void aDaemonLeftRunningFailsTheTestAndIsEnded();
};

namespace {

// Writes one location request on the control object and returns the first location reply.
QVariantMap requestLocation()
{
    const int fd = hx::pps::openObject(QStringLiteral("/pps/services/geolocation/control"), O_RDWR);
    if (fd < 0)
        return {};
    const QByteArray request = "@control\nmsg::location\nid::places.1.hybrid.0\ndat:json:{\"period\":1}\n";
    QVariantMap location;
    if (::write(fd, request.constData(), size_t(request.size())) == request.size()) {
        for (int i = 0; i < 5 && location.isEmpty(); ++i) {
            pollfd p { fd, POLLIN, 0 };
            char buffer[20481] = {};
            if (::poll(&p, 1, 3000) != 1 || ::read(fd, buffer, 20480) <= 0)
                break;
            const QVariantMap reply = hx::PpsObject::decode(buffer).value(QStringLiteral("@control")).toMap();
            if (reply.value(QStringLiteral("res")) == QVariant(QStringLiteral("location")))
                location = reply.value(QStringLiteral("dat")).toMap();
        }
    }
    ::close(fd);
    return location;
}

} // namespace

void tst_HxLocationd::servesAFixedPositionAndStopsOnSigterm()
{
    hx::test::TestRoots roots;
    hx::test::ServiceProcess daemon(QStringLiteral("hx-locationd"));
    QVERIFY2(daemon.start({ QStringLiteral("--root"), roots.ppsRoot(), QStringLiteral("--position"),
                            QStringLiteral("43.5,-80.25"), QStringLiteral("--accuracy"), QStringLiteral("30") }),
             qPrintable(daemon.errorOutput()));
    const QVariantMap fix = requestLocation();
    QCOMPARE(fix.value(QStringLiteral("latitude")).toDouble(), 43.5);
    QCOMPARE(fix.value(QStringLiteral("longitude")).toDouble(), -80.25);
    QCOMPARE(fix.value(QStringLiteral("accuracy")).toDouble(), 30.0);

    QFile status(roots.ppsRoot() + QStringLiteral("/services/geolocation/status"));
    QVERIFY(status.open(QIODevice::ReadOnly));
    QCOMPARE(status.readAll(), QByteArray("@status\nstatus:json:{\"location_manager_location_on\":true}\n"));

    QVERIFY2(daemon.terminate(), qPrintable(daemon.errorOutput()));
    QVERIFY(!QFileInfo::exists(roots.ppsRoot() + QStringLiteral("/services/geolocation/control")));
}

void tst_HxLocationd::aSecondServiceOnTheSameRootRefusesToStart()
{
    hx::test::TestRoots roots;
    const QStringList arguments { QStringLiteral("--root"), roots.ppsRoot(), QStringLiteral("--position"),
                                  QStringLiteral("43.5,-80.25") };
    hx::test::ServiceProcess first(QStringLiteral("hx-locationd"));
    QVERIFY2(first.start(arguments), qPrintable(first.errorOutput()));
    QProcess second;
    second.start(hx::test::ServiceProcess::programPath(QStringLiteral("hx-locationd")), arguments);
    QVERIFY(second.waitForFinished(30000));
    QCOMPARE(second.exitCode(), 1);
    const QString said = QString::fromUtf8(second.readAllStandardError());
    QVERIFY2(said.contains(QStringLiteral("is already served by PID")), qPrintable(said));
    // The second went without taking the first's socket along.
    QCOMPARE(requestLocation().value(QStringLiteral("latitude")).toDouble(), 43.5);
    QVERIFY2(first.terminate(), qPrintable(first.errorOutput()));
}

void tst_HxLocationd::playsATrackFile()
{
    hx::test::TestRoots roots;
    const QString track = roots.path() + QStringLiteral("/track.jsonl");
    QFile file(track);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("{\"delay\":10,\"fix\":{\"latitude\":-33.86,\"longitude\":151.21,\"accuracy\":5}}\n");
    file.close();
    hx::test::ServiceProcess daemon(QStringLiteral("hx-locationd"));
    QVERIFY2(daemon.start({ QStringLiteral("--root"), roots.ppsRoot(), QStringLiteral("--track"), track }),
             qPrintable(daemon.errorOutput()));
    QCOMPARE(requestLocation().value(QStringLiteral("latitude")).toDouble(), -33.86);
    QVERIFY(daemon.terminate());
}

void tst_HxLocationd::refusesBadArguments_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::newRow("a position without a longitude") << QStringList({ "--position", "43.5" });
    QTest::newRow("a latitude past the pole") << QStringList({ "--position", "91,0" });
    QTest::newRow("a track that does not exist") << QStringList({ "--track", "/nonexistent/track" });
}

void tst_HxLocationd::refusesBadArguments()
{
    QFETCH(QStringList, arguments);
    hx::test::TestRoots roots;
    QProcess process;
    process.start(hx::test::ServiceProcess::programPath(QStringLiteral("hx-locationd")),
                  QStringList({ QStringLiteral("--root"), roots.ppsRoot() }) + arguments);
    QVERIFY(process.waitForFinished(10000));
    QCOMPARE(process.exitCode(), 1);
    QVERIFY(process.readAllStandardError().startsWith("hx-locationd: "));
}

void tst_HxLocationd::aDaemonLeftRunningFailsTheTestAndIsEnded()
{
    // Made before the roots, the daemon outlives them, as in a test that forgot to stop it.
    hx::test::ServiceProcess daemon(QStringLiteral("hx-locationd"));
    {
        hx::test::TestRoots roots;
        QVERIFY2(daemon.start({ QStringLiteral("--root"), roots.ppsRoot(), QStringLiteral("--position"),
                                QStringLiteral("43.5,-80.25") }),
                 qPrintable(daemon.errorOutput()));
        QEXPECT_FAIL("", "the daemon is left running on purpose", Continue);
    }
    // Killed by the roots' check, it cannot stop cleanly any more.
    QVERIFY(!daemon.terminate());
}

QTEST_GUILESS_MAIN(tst_HxLocationd)
#include "tst_hxlocationd.moc"

#include <hx/device/desktopplatform.h>
#include <hx/msgclient/messageserver.h>
#include <hx/pps/ppsobject.h>
#include <hx/pps/ppspath.h>

#include <serviceprocess.h>
#include <testroots.h>

#include <QtCore/QDir>
#include <QtCore/QFile>
#include <QtCore/QFileInfo>
#include <QtCore/QTemporaryDir>
#include <QtTest/QtTest>

#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

using hx::device::DesktopPlatform;

namespace {

// The latitude the location service answers a request with; NaN when it answers nothing.
double answeredLatitude()
{
    const int fd = hx::pps::openObject(QStringLiteral("/pps/services/geolocation/control"), O_RDWR);
    if (fd < 0)
        return qQNaN();
    const QByteArray request = "@control\nmsg::location\nid::places.1.hybrid.0\ndat:json:{\"period\":1}\n";
    double latitude = qQNaN();
    if (::write(fd, request.constData(), size_t(request.size())) == request.size()) {
        for (int i = 0; i < 5 && qIsNaN(latitude); ++i) {
            pollfd p { fd, POLLIN, 0 };
            char buffer[20481] = {};
            if (::poll(&p, 1, 10000) != 1 || ::read(fd, buffer, 20480) <= 0)
                break;
            const QVariantMap reply = hx::PpsObject::decode(buffer).value(QStringLiteral("@control")).toMap();
            if (reply.value(QStringLiteral("res")) == QVariant(QStringLiteral("location")))
                latitude = reply.value(QStringLiteral("dat")).toMap().value(QStringLiteral("latitude")).toDouble();
        }
    }
    ::close(fd);
    return latitude;
}

QByteArray setting(const QString &object)
{
    QFile file(hx::pps::localPath(object));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool writeSetting(const QString &object, const QByteArray &text)
{
    const QString path = hx::pps::localPath(object);
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(text) == text.size();
}

const QString Units = QStringLiteral("/pps/services/locale/uom");
const QString Network = QStringLiteral("/pps/services/networking/status_public");

} // namespace

class tst_DesktopPlatform : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void bringsUpThePhoneOnRootsOfItsOwn();
    void usesALocationServiceAlreadyRunning();
    void keepsTheSettingsItFinds_data();
    void keepsTheSettingsItFinds();
    void saysWhatIsMissingAndLeavesNothing_data();
    void saysWhatIsMissingAndLeavesNothing();

private:
    QScopedPointer<hx::test::TestRoots> m_roots;
    QTemporaryDir m_registry;
};

void tst_DesktopPlatform::init()
{
    m_roots.reset(new hx::test::TestRoots);
    QVERIFY(m_roots->isValid());
    // The build's picker card, registered as an installed one would be.
    QFile entry(m_registry.filePath(QStringLiteral("placepickercard.json")));
    QVERIFY(entry.open(QIODevice::WriteOnly));
    entry.write(R"({"target": "sys.places.placepicker", "program": ")" HX_PICKER_CARD R"("})");
    entry.close();
    qputenv("HX_CARD_REGISTRY", QFile::encodeName(m_registry.path()));
}

void tst_DesktopPlatform::cleanup()
{
    qunsetenv("HX_CARD_REGISTRY");
    m_roots.reset();
}

void tst_DesktopPlatform::bringsUpThePhoneOnRootsOfItsOwn()
{
    qunsetenv("HX_PPS_ROOT");
    qunsetenv("HX_MSG_ROOT");
    QString ppsRoot;
    {
        DesktopPlatform platform;
        platform.setPosition(51.5, -0.12);
        QString message;
        QVERIFY2(platform.start(&message), qPrintable(message));
        ppsRoot = platform.ppsRoot();
        QVERIFY(ppsRoot.startsWith(QDir::tempPath()));
        QCOMPARE(qEnvironmentVariable("HX_PPS_ROOT"), ppsRoot);
        QCOMPARE(setting(Network), QByteArray("@status_public\nip_ok::yes\n"));
        QVERIFY(!setting(Units).isEmpty());
        QVERIFY(platform.runsLocationService());
        QCOMPARE(answeredLatitude(), 51.5);
        // The phone moves at once.
        platform.setPosition(48.85, 2.35);
        QCOMPARE(answeredLatitude(), 48.85);
        QVERIFY(platform.runsReverseGeocoder());
        QVERIFY(QFileInfo::exists(hx::msgclient::MessageServer::socketPath(QStringLiteral("revgeocode"))));
        QCOMPARE(platform.cardRegistry(), m_registry.path());
    }
    QVERIFY(!QFileInfo::exists(ppsRoot));
    QVERIFY(qEnvironmentVariableIsEmpty("HX_PPS_ROOT"));
    QVERIFY(qEnvironmentVariableIsEmpty("HX_MSG_ROOT"));
}

void tst_DesktopPlatform::usesALocationServiceAlreadyRunning()
{
    // Set up by hand, somewhere else than the platform would put the phone.
    hx::test::ServiceProcess daemon(QStringLiteral("hx-locationd"));
    QVERIFY2(daemon.start({ QStringLiteral("--root"), m_roots->ppsRoot(), QStringLiteral("--position"),
                            QStringLiteral("-33.86,151.2") }),
             qPrintable(daemon.errorOutput()));
    {
        DesktopPlatform platform;
        QString message;
        QVERIFY2(platform.start(&message), qPrintable(message));
        QCOMPARE(platform.ppsRoot(), m_roots->ppsRoot());
        QVERIFY(!platform.runsLocationService());
        QCOMPARE(answeredLatitude(), -33.86);
    }
    // What it did not start, it leaves running.
    QCOMPARE(answeredLatitude(), -33.86);
    QVERIFY(daemon.terminate());
}

void tst_DesktopPlatform::keepsTheSettingsItFinds_data()
{
    QTest::addColumn<QByteArray>("found");
    QTest::addColumn<int>("units");
    QTest::addColumn<QByteArray>("published");
    const QByteArray imperial("@uom\nuom::imperial\nsubuom::feet/miles\n");
    const QByteArray metric("@uom\nuom::metric\n");
    QTest::newRow("the user's setting stays") << imperial << int(DesktopPlatform::Units::Unchanged) << imperial;
    QTest::newRow("units asked for replace it") << imperial << int(DesktopPlatform::Units::Metric) << metric;
    QTest::newRow("units asked for on a new root") << QByteArray() << int(DesktopPlatform::Units::Imperial) << imperial;
}

void tst_DesktopPlatform::keepsTheSettingsItFinds()
{
    QFETCH(QByteArray, found);
    QFETCH(int, units);
    QFETCH(QByteArray, published);
    const QByteArray offline("@status_public\nip_ok::no\n");
    QVERIFY(writeSetting(Network, offline));
    if (!found.isEmpty())
        QVERIFY(writeSetting(Units, found));
    DesktopPlatform platform;
    platform.setUnits(DesktopPlatform::Units(units));
    QString message;
    QVERIFY2(platform.start(&message), qPrintable(message));
    QCOMPARE(setting(Units), published);
    QCOMPARE(setting(Network), offline);
}

void tst_DesktopPlatform::saysWhatIsMissingAndLeavesNothing_data()
{
    QTest::addColumn<QString>("gazetteer");
    QTest::addColumn<bool>("emptyRegistry");
    QTest::addColumn<QString>("said");
    QTest::newRow("a gazetteer that is not there")
        << QStringLiteral("/nonexistent/gazetteer.db") << false
        << QStringLiteral("/nonexistent/gazetteer.db: no such gazetteer file");
    QTest::newRow("no picker card registered")
        << QString() << true << QStringLiteral("no place picker card is registered in ");
}

void tst_DesktopPlatform::saysWhatIsMissingAndLeavesNothing()
{
    QFETCH(QString, gazetteer);
    QFETCH(bool, emptyRegistry);
    QFETCH(QString, said);
    QTemporaryDir registry;
    if (emptyRegistry)
        qputenv("HX_CARD_REGISTRY", QFile::encodeName(registry.path()));
    qunsetenv("HX_PPS_ROOT");
    qunsetenv("HX_MSG_ROOT");
    const QStringList before = QDir::temp().entryList({ QStringLiteral("hxdesktop-*") }, QDir::Dirs);
    DesktopPlatform platform;
    platform.setGazetteerPath(gazetteer);
    QString message;
    QVERIFY(!platform.start(&message));
    QVERIFY2(message.startsWith(said), qPrintable(message));
    QVERIFY(!platform.runsLocationService());
    QVERIFY(qEnvironmentVariableIsEmpty("HX_PPS_ROOT"));
    QCOMPARE(QDir::temp().entryList({ QStringLiteral("hxdesktop-*") }, QDir::Dirs), before);
}

QTEST_GUILESS_MAIN(tst_DesktopPlatform)
#include "tst_desktopplatform.moc"

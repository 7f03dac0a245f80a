#include <hx/pps/ppsobject.h>
#include <hx/pps/ppspath.h>

#include <testroots.h>

#include <QtCore/QDateTime>
#include <QtCore/QFile>
#include <QtCore/QFileInfo>
#include <QtTest/QtTest>

#include <cerrno>
#include <cmath>
#include <fcntl.h>
#include <unistd.h>

using hx::PpsObject;

class tst_PpsObject : public QObject
{
    Q_OBJECT

private slots:
    void mapsThePpsPrefixOntoTheRoot_data();
    void mapsThePpsPrefixOntoTheRoot();
    void publishCreatesAPrivateObjectThatSubscribersRead();
    void readsThatCannotWorkFailWithTheReason();
    void decodesStatusObjects();
    void encodesABackgroundMessageThatDecodesBack();
    void refusesWhatCannotBeEncoded_data();
    void refusesWhatCannotBeEncoded();
    void decodeReportsMalformedText();
    void openObjectGivesAPlainDescriptor();
};

void tst_PpsObject::mapsThePpsPrefixOntoTheRoot_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("relative");

    QTest::newRow("a status object") << "/pps/services/geolocation/status"
                                     << "/services/geolocation/status";
    QTest::newRow("a query suffix is dropped") << "/pps/services/networking/status_public?f=ip_ok"
                                               << "/services/networking/status_public";
    QTest::newRow("the root itself") << "/pps"
                                     << "";
}

void tst_PpsObject::mapsThePpsPrefixOntoTheRoot()
{
    QFETCH(QString, path);
    QFETCH(QString, relative);
    hx::test::TestRoots roots;
    QCOMPARE(hx::pps::localPath(path), roots.ppsRoot() + relative);
    QCOMPARE(hx::pps::localPath(QStringLiteral("/ppsx/a?b")), QStringLiteral("/ppsx/a"));
}

void tst_PpsObject::publishCreatesAPrivateObjectThatSubscribersRead()
{
    hx::test::TestRoots roots;
    PpsObject publisher(QStringLiteral("/pps/system/navigator/background"));
    QVERIFY2(publisher.open(PpsObject::Publish), qPrintable(publisher.errorString()));
    QVERIFY(publisher.write("msg::first\n"));
    QVERIFY(publisher.write("msg::second\n"));

    const QString file = roots.ppsRoot() + QStringLiteral("/system/navigator/background");
    QCOMPARE(QFileInfo(file).permissions() & 0x7077, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    QCOMPARE(QFileInfo(roots.ppsRoot() + QStringLiteral("/system/navigator")).permissions() & 0x7077,
             QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);

    PpsObject subscriber(QStringLiteral("/pps/system/navigator/background?f=msg"));
    QVERIFY(subscriber.open(PpsObject::Subscribe));
    bool ok = false;
    QCOMPARE(subscriber.read(&ok), QByteArray("msg::second\n"));
    QVERIFY(ok);
    QCOMPARE(subscriber.error(), 0);
}

// A missing object, or one opened only for publishing, cannot be read.
void tst_PpsObject::readsThatCannotWorkFailWithTheReason()
{
    hx::test::TestRoots roots;
    PpsObject missing(QStringLiteral("/pps/services/networking/status_public?f=ip_ok"));
    QVERIFY(!missing.open(PpsObject::Subscribe));
    QCOMPARE(missing.error(), ENOENT);
    QVERIFY(!missing.errorString().isEmpty());
    bool ok = true;
    QVERIFY(missing.read(&ok).isEmpty());
    QVERIFY(!ok);

    PpsObject published(QStringLiteral("/pps/a"));
    QVERIFY(published.open(PpsObject::Publish));
    ok = true;
    published.read(&ok);
    QVERIFY(!ok);
    QCOMPARE(published.error(), EBADF);
    published.close();
    QVERIFY(!published.isOpen());
    QVERIFY(!published.write("x::y\n"));
}

void tst_PpsObject::decodesStatusObjects()
{
    bool ok = false;
    const QVariantMap map = PpsObject::decode("@status_public\nip_ok::yes\nlinks:n:2\nratio:n:0.5\n"
                                              "big:n:5000000000\nup:b:true\nextra:json:{\"a\":[1,null]}\n",
                                              &ok);
    QVERIFY(ok);
    const QVariantMap status = map.value(QStringLiteral("@status_public")).toMap();
    QVERIFY(status.value(QStringLiteral("ip_ok")) == QVariant(QStringLiteral("yes")));
    QCOMPARE(status.value(QStringLiteral("links")), QVariant(2));
    QCOMPARE(status.value(QStringLiteral("ratio")), QVariant(0.5));
    QCOMPARE(status.value(QStringLiteral("big")), QVariant(qlonglong(5000000000LL)));
    QCOMPARE(status.value(QStringLiteral("up")), QVariant(true));
    const QVariantList list = status.value(QStringLiteral("extra")).toMap().value(QStringLiteral("a")).toList();
    QCOMPARE(list.size(), 2);
    QCOMPARE(list.at(0), QVariant(1));
    QVERIFY(!list.at(1).isValid());
}

void tst_PpsObject::encodesABackgroundMessageThatDecodesBack()
{
    QVariantMap dat;
    dat.insert(QStringLiteral("action"), QStringLiteral("hx.action.NAVIGATETO"));
    dat.insert(QStringLiteral("perimeter"), QStringLiteral("personal"));
    dat.insert(QStringLiteral("type"), QStringLiteral("application/vnd.korvane.place-id"));
    dat.insert(QStringLiteral("data"), QStringLiteral("NDI="));
    QVariantMap message;
    message.insert(QStringLiteral("msg"), QStringLiteral("invokeTarget"));
    message.insert(QStringLiteral("id"), QStringLiteral("30"));
    message.insert(QStringLiteral("dat"), dat);

    bool ok = false;
    const QByteArray text = PpsObject::encode(message, &ok);
    QVERIFY(ok);
    QVERIFY2(text.startsWith("dat:json:{\"action\":\"hx.action.NAVIGATETO\""), text.constData());
    QVERIFY(text.contains("\nid::30\n"));
    QCOMPARE(PpsObject::decode(text, &ok), message);
    QVERIFY(ok);

    QVariantMap withObject;
    withObject.insert(QStringLiteral("@status"), QVariantMap({ { QStringLiteral("on"), true } }));
    withObject.insert(QStringLiteral("note"), QStringLiteral("line one\nline two"));
    QCOMPARE(PpsObject::decode(PpsObject::encode(withObject, &ok)), withObject);
    QVERIFY(ok);
}

void tst_PpsObject::refusesWhatCannotBeEncoded_data()
{
    QTest::addColumn<QVariantMap>("map");
    QTest::newRow("a key holding a colon") << QVariantMap({ { QStringLiteral("a:b"), 1 } });
    QTest::newRow("an empty key") << QVariantMap({ { QString(), 1 } });
    QTest::newRow("a date, which has no text form here")
        << QVariantMap({ { QStringLiteral("when"), QDateTime::currentDateTimeUtc() } });
    QTest::newRow("a NaN inside a nested map")
        << QVariantMap({ { QStringLiteral("dat"), QVariantMap({ { QStringLiteral("x"), std::nan("") } }) } });
    QTest::newRow("an object entry that is not a map") << QVariantMap({ { QStringLiteral("@status"), 3 } });
}

void tst_PpsObject::refusesWhatCannotBeEncoded()
{
    QFETCH(QVariantMap, map);
    bool ok = true;
    QVERIFY(PpsObject::encode(map, &ok).isEmpty());
    QVERIFY(!ok);
}

void tst_PpsObject::decodeReportsMalformedText()
{
    bool ok = true;
    QVERIFY(PpsObject::decode("@a\nx:json:{\"unterminated\n", &ok).isEmpty());
    QVERIFY(!ok);
}

void tst_PpsObject::openObjectGivesAPlainDescriptor()
{
    hx::test::TestRoots roots;
    const int writer = hx::pps::openObject(QStringLiteral("/pps/services/locale/uom"), O_WRONLY | O_CREAT | O_TRUNC);
    QVERIFY(writer >= 0);
    QCOMPARE(::write(writer, "@uom\nuom::metric\n", 17), ssize_t(17));
    ::close(writer);
    const int reader = hx::pps::openObject(QStringLiteral("/pps/services/locale/uom"), O_RDONLY);
    QVERIFY(reader >= 0);
    char buffer[64] = {};
    QCOMPARE(::read(reader, buffer, sizeof buffer - 1), ssize_t(17));
    ::close(reader);
    QCOMPARE(hx::pps::openObject(QStringLiteral("/pps/services/missing"), O_RDONLY), -1);
    QCOMPARE(errno, ENOENT);
}

QTEST_MAIN(tst_PpsObject)
#include "tst_ppsobject.moc"

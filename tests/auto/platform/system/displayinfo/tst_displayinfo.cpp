#include <hx/device/displayinfo.h>
#include <hx/device/hardwareinfo.h>

#include <QtQml/QQmlComponent>
#include <QtQml/QQmlEngine>
#include <QtTest/QtTest>

using namespace hx::device;

class tst_DisplayInfo : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();
    void sizeComesFromTheEnvironment_data();
    void sizeComesFromTheEnvironment();
    void layoutDocumentsCanUseIt();
    void hardwareFlags_data();
    void hardwareFlags();
};

void tst_DisplayInfo::cleanup()
{
    qunsetenv("HX_DISPLAY_SIZE");
    qunsetenv("HX_PHYSICAL_KEYBOARD");
}

void tst_DisplayInfo::sizeComesFromTheEnvironment_data()
{
    QTest::addColumn<QByteArray>("variable");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<int>("aspect");
    QTest::newRow("unset gives the default phone") << QByteArray() << QSize(720, 1280) << 1;
    QTest::newRow("a square device") << QByteArray("1440x1440") << QSize(1440, 1440) << 2;
    QTest::newRow("a landscape display") << QByteArray("1280X768") << QSize(1280, 768) << 0;
    QTest::newRow("garbage falls back") << QByteArray("wide") << QSize(720, 1280) << 1;
    QTest::newRow("a zero width falls back") << QByteArray("0x500") << QSize(720, 1280) << 1;
}

void tst_DisplayInfo::sizeComesFromTheEnvironment()
{
    QFETCH(QByteArray, variable);
    QFETCH(QSize, size);
    QFETCH(int, aspect);
    if (!variable.isEmpty())
        qputenv("HX_DISPLAY_SIZE", variable);
    DisplayInfo info;
    QCOMPARE(info.pixelSize(), size);
    QCOMPARE(info.width(), size.width());
    QCOMPARE(int(info.aspectType()), aspect);
}

void tst_DisplayInfo::layoutDocumentsCanUseIt()
{
    qputenv("HX_DISPLAY_SIZE", "1440x1440");
    DisplayInfo::registerQmlType();
    DisplayInfo::registerQmlType();
    QQmlEngine engine;
    QQmlComponent component(&engine);
    component.setData("import QtQml 2.0\nimport hx.displayInfo 1.0\n"
                      "QtObject { property DisplayInfo info: DisplayInfo {}\n"
                      "property int w: info.width; property int aspect: info.aspectType }",
                      QUrl());
    QScopedPointer<QObject> root(component.create());
    QVERIFY2(root, qPrintable(component.errorString()));
    QCOMPARE(root->property("w").toInt(), 1440);
    QCOMPARE(root->property("aspect").toInt(), 2);
}

void tst_DisplayInfo::hardwareFlags_data()
{
    QTest::addColumn<QByteArray>("value");
    QTest::addColumn<bool>("keyboard");
    QTest::newRow("unset means none") << QByteArray() << false;
    QTest::newRow("1 means present") << QByteArray("1") << true;
    QTest::newRow("true means present") << QByteArray("True") << true;
    QTest::newRow("0 means none") << QByteArray("0") << false;
}

void tst_DisplayInfo::hardwareFlags()
{
    QFETCH(QByteArray, value);
    QFETCH(bool, keyboard);
    if (!value.isEmpty())
        qputenv("HX_PHYSICAL_KEYBOARD", value);
    HardwareInfo info;
    QCOMPARE(info.isPhysicalKeyboardDevice(), keyboard);
    QVERIFY(!info.isTrackpadDevice());
}

QTEST_GUILESS_MAIN(tst_DisplayInfo)
#include "tst_displayinfo.moc"

#include <hx/device/displayinfo.h>
#include <hx/device/hardwareinfo.h>
#include <hx/device/simulateddevice.h>
#include <hx/trellan/uiconfig.h>

#include <QtTest/QtTest>

using hx::device::DisplayInfo;
using hx::device::HardwareInfo;
using hx::device::SimulatedDevice;
using hx::trellan::UIConfig;

class tst_UIConfig : public QObject
{
    Q_OBJECT
private slots:
    void cleanup();
    void oneDisplayForEveryReader_data();
    void oneDisplayForEveryReader();
    void physicalKeyboardIsADeviceSetting_data();
    void physicalKeyboardIsADeviceSetting();
};

void tst_UIConfig::cleanup()
{
    SimulatedDevice::reset();
    qunsetenv("HX_DISPLAY_SIZE");
    qunsetenv("HX_PHYSICAL_KEYBOARD");
}

void tst_UIConfig::oneDisplayForEveryReader_data()
{
    QTest::addColumn<QByteArray>("environment");
    QTest::addColumn<QString>("setter");
    QTest::addColumn<QSize>("set");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QString>("folder");

    QTest::newRow("the environment until set")
        << QByteArray("1440x1440") << "" << QSize() << QSize(1440, 1440) << "1440x1440";
    QTest::newRow("set through the toolkit")
        << QByteArray("1440x1440") << "toolkit" << QSize(720, 720) << QSize(720, 720) << "720x720";
    QTest::newRow("set on the device") << QByteArray() << "device" << QSize(1080, 1920) << QSize(1080, 1920)
                                       << "1080x1920";
    QTest::newRow("an empty size goes back to the environment")
        << QByteArray("720x720") << "toolkit" << QSize(0, 0) << QSize(720, 720) << "720x720";
}

void tst_UIConfig::oneDisplayForEveryReader()
{
    QFETCH(QByteArray, environment);
    QFETCH(QString, setter);
    QFETCH(QSize, set);
    QFETCH(QSize, size);
    QFETCH(QString, folder);

    if (!environment.isEmpty())
        qputenv("HX_DISPLAY_SIZE", environment);
    // Made before the change: it follows it all the same.
    DisplayInfo before;
    if (setter == QLatin1String("toolkit"))
        UIConfig::setDisplaySize(set);
    else if (setter == QLatin1String("device"))
        SimulatedDevice::setDisplaySize(set);

    DisplayInfo after;
    QCOMPARE(UIConfig::displaySize(), size);
    QCOMPARE(before.pixelSize(), size);
    QCOMPARE(after.pixelSize(), size);
    QCOMPARE(UIConfig::resolutionFolder(), folder);
}

void tst_UIConfig::physicalKeyboardIsADeviceSetting_data()
{
    QTest::addColumn<QByteArray>("environment");
    QTest::addColumn<int>("set");
    QTest::addColumn<bool>("keyboard");

    QTest::newRow("none by default") << QByteArray() << -1 << false;
    QTest::newRow("the environment until set") << QByteArray("yes") << -1 << true;
    QTest::newRow("a test takes it away") << QByteArray("1") << 0 << false;
    QTest::newRow("a test gives one") << QByteArray() << 1 << true;
}

void tst_UIConfig::physicalKeyboardIsADeviceSetting()
{
    QFETCH(QByteArray, environment);
    QFETCH(int, set);
    QFETCH(bool, keyboard);

    if (!environment.isEmpty())
        qputenv("HX_PHYSICAL_KEYBOARD", environment);
    if (set >= 0)
        SimulatedDevice::setPhysicalKeyboard(set == 1);
    QCOMPARE(HardwareInfo().isPhysicalKeyboardDevice(), keyboard);
    QCOMPARE(SimulatedDevice::hasPhysicalKeyboard(), keyboard);
}

QTEST_MAIN(tst_UIConfig)
#include "tst_uiconfig.moc"

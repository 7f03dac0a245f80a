#include <hx/trellan/orientationsupport.h>

#include <QtTest/QtTest>

using namespace hx::trellan;

class tst_OrientationSupport : public QObject
{
    Q_OBJECT
private slots:
    void cleanup();
    void turnsAreAnnouncedThenMade_data();
    void turnsAreAnnouncedThenMade();
};

void tst_OrientationSupport::cleanup()
{
    OrientationSupport::instance()->rotateTo(UIOrientation::Portrait);
}

void tst_OrientationSupport::turnsAreAnnouncedThenMade_data()
{
    QTest::addColumn<int>("to");
    QTest::addColumn<int>("orientation");
    QTest::addColumn<QStringList>("heard");

    QTest::newRow("to landscape") << 1 << 1 << QStringList { "about to turn to 1 from 0", "turned to 1" };
    QTest::newRow("to the orientation it has") << 0 << 0 << QStringList();
    QTest::newRow("to an orientation that does not exist") << 2 << 0 << QStringList();
}

void tst_OrientationSupport::turnsAreAnnouncedThenMade()
{
    QFETCH(int, to);
    QFETCH(int, orientation);
    QFETCH(QStringList, heard);

    OrientationSupport *support = OrientationSupport::instance();
    QStringList log;
    // Queued receivers need the type registered by name, as the screens connect it.
    QVERIFY(QMetaType::type("hx::trellan::UIOrientation::Type") != QMetaType::UnknownType);
    QMetaObject::Connection about
        = connect(support, &OrientationSupport::orientationAboutToChange, this, [&](UIOrientation::Type next) {
              log.append(QStringLiteral("about to turn to %1 from %2").arg(int(next)).arg(support->orientation()));
          });
    QMetaObject::Connection changed
        = connect(support, &OrientationSupport::orientationChanged, this,
                  [&](UIOrientation::Type now) { log.append(QStringLiteral("turned to %1").arg(int(now))); });
    support->rotateTo(to);
    disconnect(about);
    disconnect(changed);
    QCOMPARE(support->orientation(), orientation);
    QCOMPARE(support->displayDirection(), orientation == 1 ? 90 : 0);
    QCOMPARE(log, heard);
}

QTEST_MAIN(tst_OrientationSupport)
#include "tst_orientationsupport.moc"

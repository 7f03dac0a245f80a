#include <hx/system/systemtoast.h>
#include <hx/system/systemui.h>
#include <hx/system/systemuibutton.h>

#include <signalwaiter.h>

#include <QtTest/QtTest>

using namespace hx::system;

class tst_SystemToast : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();
    void toastTimesOutWithResultFour();
    void toastButtonPressIsNotATimeOut();
    void toastWithoutLabelHasNoButton();
    void defaultDurationReachesToastsMadeElsewhere();
    void cancelStopsTheClock();
};

void tst_SystemToast::cleanup()
{
    SystemToast::resetDefaultDuration();
    QCOMPARE(SystemUi::visibleCount(), 0);
}

void tst_SystemToast::toastTimesOutWithResultFour()
{
    SystemToast toast;
    toast.setObjectName("FavoriteToast");
    toast.setBody("Added to Favorites!");
    toast.setPosition(SystemUiPosition::MiddleCenter);
    toast.setDuration(30);
    QSignalSpy finished(&toast, &SystemToast::finished);
    toast.show();

    const SystemUiRecord record = SystemUi::findByObjectName("FavoriteToast");
    QCOMPARE(record.kind, SystemUiRecord::Toast);
    QCOMPARE(record.body, QString("Added to Favorites!"));
    QCOMPARE(int(record.position), 2);
    QVERIFY(hx::test::SignalWaiter::wait(finished, 1, 3000));
    QCOMPARE(int(finished.first().first().value<SystemUiResult::Type>()), 4);
    QVERIFY(!toast.isShown());
    QTest::qWait(60);
    QCOMPARE(finished.count(), 1);
}

void tst_SystemToast::toastButtonPressIsNotATimeOut()
{
    SystemToast toast;
    toast.setBody("Favorite Removed!");
    toast.button()->setLabel("Undo");
    toast.setDuration(60000);
    QSignalSpy finished(&toast, &SystemToast::finished);
    toast.show();
    QCOMPARE(SystemUi::top().buttonLabels(), QStringList { "Undo" });
    QVERIFY(SystemUi::pressButton("Undo"));
    QCOMPARE(finished.count(), 1);
    QCOMPARE(finished.first().first().value<SystemUiResult::Type>(), SystemUiResult::ButtonSelection);
}

void tst_SystemToast::toastWithoutLabelHasNoButton()
{
    SystemToast toast;
    toast.setBody("Home Deleted!");
    toast.show();
    QVERIFY(SystemUi::top().buttons.isEmpty());
    QVERIFY(!SystemUi::pressButton(SystemUiResult::ButtonSelection));
    toast.cancel();
}

void tst_SystemToast::defaultDurationReachesToastsMadeElsewhere()
{
    SystemToast::setDefaultDuration(20);
    auto *toast = new SystemToast;
    connect(toast, &SystemToast::finished, toast, &QObject::deleteLater);
    QSignalSpy destroyed(toast, &QObject::destroyed);
    QCOMPARE(toast->duration(), 20);
    toast->show();
    QVERIFY(hx::test::SignalWaiter::wait(destroyed, 1, 3000));
    QCOMPARE(SystemUi::history().constLast().result, SystemUiResult::TimeOut);
}

void tst_SystemToast::cancelStopsTheClock()
{
    SystemToast toast;
    toast.setDuration(20);
    QSignalSpy finished(&toast, &SystemToast::finished);
    toast.show();
    toast.cancel();
    QTest::qWait(80);
    QCOMPARE(finished.count(), 0);
}

QTEST_GUILESS_MAIN(tst_SystemToast)
#include "tst_systemtoast.moc"

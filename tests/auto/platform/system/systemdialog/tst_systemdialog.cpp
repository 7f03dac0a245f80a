#include <hx/system/systemdialog.h>
#include <hx/system/systemprogressdialog.h>
#include <hx/system/systemui.h>
#include <hx/system/systemuibutton.h>

#include <signalwaiter.h>

#include <QtCore/QPointer>
#include <QtCore/QThread>
#include <QtCore/QTimer>
#include <QtTest/QtTest>

#include <atomic>

using namespace hx::system;

class tst_SystemDialog : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void shownDialogIsReadBackFromTheRegistry();
    void pressEmitsFinishedOnceAndCloses_data();
    void pressEmitsFinishedOnceAndCloses();
    void emptyLabelMeansNoButton();
    void disabledButtonCannotBePressed();
    void execReturnsThePressedResultWithoutFinished();
    void cancelClosesWithoutFinished();
    void autoUpdateDecidesWhenChangesReachTheScreen();
    void topmostDialogAnswersALabelPress();
    void historyKeepsHowEachDialogEnded();
    void dialogThatStaysUpAfterAPress();
    void deletedDialogLeavesTheScreen();
    void pressFromAnotherThreadRunsOnTheDialogsThread();
    void progressDialogShowsItsProgress();
};

void tst_SystemDialog::init()
{
    SystemUi::clearHistory();
}

void tst_SystemDialog::cleanup()
{
    QCOMPARE(SystemUi::visibleCount(), 0);
}

void tst_SystemDialog::shownDialogIsReadBackFromTheRegistry()
{
    QSignalSpy changes(SystemUi::instance(), &SystemUi::visibleChanged);
    SystemDialog dialog;
    dialog.setObjectName("MaxDialog");
    dialog.setTitle("Maximum Limit Reached");
    dialog.setBody("You have reached the maximum limit for favorites.");
    dialog.cancelButton()->setLabel(QString());
    QVERIFY(SystemUi::visible().isEmpty());

    dialog.show();
    QVERIFY(changes.count() >= 1);
    const QList<SystemUiRecord> shown = SystemUi::visible();
    QCOMPARE(shown.size(), 1);
    const SystemUiRecord record = shown.first();
    QCOMPARE(record.kind, SystemUiRecord::Dialog);
    QCOMPARE(record.objectName, QString("MaxDialog"));
    QCOMPARE(record.title, QString("Maximum Limit Reached"));
    QCOMPARE(record.body, QString("You have reached the maximum limit for favorites."));
    QCOMPARE(record.buttonLabels(), QStringList { "OK" });
    QCOMPARE(record.buttonLabel(SystemUiResult::ConfirmButtonSelection), QString("OK"));
    QCOMPARE(SystemUi::findByObjectName("MaxDialog").serial, record.serial);
    dialog.cancel();
}

void tst_SystemDialog::pressEmitsFinishedOnceAndCloses_data()
{
    QTest::addColumn<QString>("label");
    QTest::addColumn<int>("expected");
    QTest::newRow("the confirm button gives 2") << "Replace" << 2;
    QTest::newRow("the cancel button gives 3") << "Cancel" << 3;
    QTest::newRow("a custom button gives 1") << "Later" << 1;
}

void tst_SystemDialog::pressEmitsFinishedOnceAndCloses()
{
    QFETCH(QString, label);
    QFETCH(int, expected);

    SystemDialog dialog("Replace", "Cancel");
    dialog.appendButton(new SystemUiButton("Later"));
    QSignalSpy finished(&dialog, &SystemDialog::finished);
    dialog.show();
    QCOMPARE(SystemUi::top().buttonLabels(), (QStringList { "Later", "Cancel", "Replace" }));

    QVERIFY(SystemUi::pressButton(label));
    QCOMPARE(finished.count(), 1);
    QCOMPARE(int(finished.first().first().value<SystemUiResult::Type>()), expected);
    QCOMPARE(int(dialog.result()), expected);
    QCOMPARE(dialog.buttonSelection()->label(), label);
    QVERIFY(!dialog.isShown());
    QVERIFY(!SystemUi::pressButton(label));
    QCOMPARE(finished.count(), 1);
}

void tst_SystemDialog::emptyLabelMeansNoButton()
{
    SystemDialog dialog;
    dialog.setAutoUpdateEnabled(true);
    dialog.show();
    QCOMPARE(SystemUi::top().buttonLabels(), (QStringList { "Cancel", "OK" }));
    dialog.cancelButton()->resetLabel();
    QCOMPARE(SystemUi::top().buttonLabels(), QStringList { "OK" });
    QVERIFY(!SystemUi::pressButton(SystemUiResult::CancelButtonSelection));
    QVERIFY(dialog.isShown());
    dialog.cancel();
}

void tst_SystemDialog::disabledButtonCannotBePressed()
{
    SystemDialog dialog("Accept", "Cancel");
    dialog.confirmButton()->setEnabled(false);
    QSignalSpy finished(&dialog, &SystemDialog::finished);
    dialog.show();
    QVERIFY(!SystemUi::pressButton("Accept"));
    QVERIFY(!SystemUi::top().buttons.last().enabled);
    QCOMPARE(finished.count(), 0);
    dialog.confirmButton()->setEnabled(true);
    dialog.update();
    QVERIFY(SystemUi::pressButton(SystemUiResult::ConfirmButtonSelection));
    QCOMPARE(finished.count(), 1);
}

void tst_SystemDialog::execReturnsThePressedResultWithoutFinished()
{
    SystemDialog dialog("Use Coordinates", "Cancel");
    dialog.setTitle("Address Not Found");
    QSignalSpy finished(&dialog, &SystemDialog::finished);
    QString seenTitle;
    QTimer::singleShot(0, [&] {
        seenTitle = SystemUi::top().title;
        SystemUi::pressButton("Use Coordinates");
    });
    QCOMPARE(dialog.exec(), SystemUiResult::ConfirmButtonSelection);
    QCOMPARE(seenTitle, QString("Address Not Found"));
    QCOMPARE(finished.count(), 0);
    QVERIFY(!dialog.isShown());
}

void tst_SystemDialog::cancelClosesWithoutFinished()
{
    SystemDialog dialog;
    QSignalSpy finished(&dialog, &SystemDialog::finished);
    dialog.show();
    dialog.cancel();
    QVERIFY(!dialog.isShown());
    QCoreApplication::processEvents();
    QCOMPARE(finished.count(), 0);
    QCOMPARE(dialog.result(), SystemUiResult::None);
    // A cancel while exec() waits ends it without a result.
    QTimer::singleShot(0, &dialog, &SystemDialog::cancel);
    QCOMPARE(dialog.exec(), SystemUiResult::None);
}

void tst_SystemDialog::autoUpdateDecidesWhenChangesReachTheScreen()
{
    SystemDialog dialog;
    dialog.setBody("Getting your location");
    dialog.show();
    dialog.setBody("Somewhere else");
    QCOMPARE(SystemUi::top().body, QString("Getting your location"));
    dialog.update();
    QCOMPARE(SystemUi::top().body, QString("Somewhere else"));

    dialog.setAutoUpdateEnabled(true);
    dialog.confirmButton()->setLabel("Accept");
    QCOMPARE(SystemUi::top().buttonLabel(SystemUiResult::ConfirmButtonSelection), QString("Accept"));
    dialog.cancel();
}

void tst_SystemDialog::topmostDialogAnswersALabelPress()
{
    SystemDialog lower;
    SystemDialog upper;
    QSignalSpy lowerFinished(&lower, &SystemDialog::finished);
    QSignalSpy upperFinished(&upper, &SystemDialog::finished);
    lower.setTitle("lower");
    upper.setTitle("upper");
    lower.show();
    upper.show();
    QCOMPARE(SystemUi::top().title, QString("upper"));
    QVERIFY(SystemUi::pressButton("OK"));
    QCOMPARE(upperFinished.count(), 1);
    QCOMPARE(lowerFinished.count(), 0);
    QCOMPARE(SystemUi::top().title, QString("lower"));
    QVERIFY(SystemUi::pressButton(SystemUi::top().serial, SystemUiResult::CancelButtonSelection));
    QCOMPARE(lowerFinished.count(), 1);
}

void tst_SystemDialog::historyKeepsHowEachDialogEnded()
{
    SystemDialog first;
    first.setTitle("first");
    first.show();
    SystemUi::pressButton("Cancel");
    SystemDialog second;
    second.setTitle("second");
    second.show();
    second.cancel();

    const QList<SystemUiRecord> history = SystemUi::history();
    QCOMPARE(history.size(), 2);
    QCOMPARE(history.at(0).title, QString("first"));
    QVERIFY(history.at(0).closed);
    QCOMPARE(history.at(0).result, SystemUiResult::CancelButtonSelection);
    QCOMPARE(history.at(1).title, QString("second"));
    QVERIFY(history.at(1).closed);
    QCOMPARE(history.at(1).result, SystemUiResult::None);
    QVERIFY(history.at(1).serial > history.at(0).serial);
}

void tst_SystemDialog::dialogThatStaysUpAfterAPress()
{
    SystemDialog dialog;
    dialog.setDismissAutomatically(false);
    QSignalSpy finished(&dialog, &SystemDialog::finished);
    dialog.show();
    QVERIFY(SystemUi::pressButton("OK"));
    QCOMPARE(finished.count(), 1);
    QVERIFY(dialog.isShown());
    dialog.cancel();
    QCOMPARE(finished.count(), 1);
}

void tst_SystemDialog::deletedDialogLeavesTheScreen()
{
    auto *dialog = new SystemDialog;
    connect(dialog, &SystemDialog::finished, dialog, &QObject::deleteLater);
    QPointer<SystemDialog> guard(dialog);
    dialog->show();
    QVERIFY(SystemUi::pressButton("OK"));
    QVERIFY(hx::test::SignalWaiter::waitFor([&] { return guard.isNull(); }, 2000));

    auto *shownAndDeleted = new SystemDialog;
    shownAndDeleted->show();
    delete shownAndDeleted;
    QCOMPARE(SystemUi::visibleCount(), 0);
}

void tst_SystemDialog::pressFromAnotherThreadRunsOnTheDialogsThread()
{
    SystemDialog dialog;
    QThread *finishedOn = nullptr;
    connect(&dialog, &SystemDialog::finished, [&] { finishedOn = QThread::currentThread(); });
    dialog.show();
    std::atomic<bool> pressed { false };
    QThread *presser = QThread::create([&] { pressed = SystemUi::pressButton("OK"); });
    presser->start();
    QVERIFY(presser->wait(5000));
    delete presser;
    QVERIFY(pressed.load());
    QVERIFY(hx::test::SignalWaiter::waitFor([&] { return finishedOn != nullptr; }, 2000));
    QCOMPARE(finishedOn, QThread::currentThread());
}

void tst_SystemDialog::progressDialogShowsItsProgress()
{
    SystemProgressDialog dialog;
    QSignalSpy finished(&dialog, &SystemProgressDialog::finished);
    dialog.setTitle("Your current location:");
    dialog.setBody("Getting your location");
    dialog.confirmButton()->resetLabel();
    dialog.setProgress(140);
    dialog.show();
    const SystemUiRecord record = SystemUi::top();
    QCOMPARE(record.kind, SystemUiRecord::ProgressDialog);
    QCOMPARE(record.progress, 100);
    QCOMPARE(record.buttonLabels(), QStringList { "Cancel" });
    dialog.finish(SystemUiResult::CancelButtonSelection);
    QCOMPARE(finished.count(), 1);
    QCOMPARE(SystemUi::visibleCount(), 0);
}

QTEST_GUILESS_MAIN(tst_SystemDialog)
#include "tst_systemdialog.moc"

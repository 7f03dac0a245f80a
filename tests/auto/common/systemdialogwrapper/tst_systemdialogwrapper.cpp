#include <hx/system/localehandler.h>
#include <hx/system/systemdialog.h>
#include <hx/system/systemui.h>
#include <hx/trellan/places/duplicateplacedialog.h>
#include <hx/trellan/places/enabledataservicesdialog.h>
#include <hx/trellan/places/enablelocationdialog.h>
#include <hx/trellan/places/placenotfounddialog.h>

#include <QtCore/QPointer>
#include <QtTest/QtTest>

#include "signalwaiter.h"

using namespace hx::trellan::places;
using hx::system::SystemUi;
using hx::system::SystemUiRecord;
using hx::system::SystemUiResult;
using hx::test::SignalWaiter;

namespace {

SystemDialogWrapper *createDialog(const QString &kind)
{
    if (kind == QLatin1String("duplicate"))
        return new DuplicatePlaceDialog;
    if (kind == QLatin1String("dataservices"))
        return new EnableDataServicesDialog;
    if (kind == QLatin1String("location"))
        return new EnableLocationDialog;
    return new PlaceNotFoundDialog;
}

} // namespace

class tst_SystemDialogWrapper : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void showsItsTexts_data();
    void showsItsTexts();
    void languageChangeWhileShownReappliesEveryText();
    void duplicateDialogForwardsTheAnswer_data();
    void duplicateDialogForwardsTheAnswer();
    void placeNotFoundDialogDeletesItselfWhenClosed();
};

void tst_SystemDialogWrapper::init()
{
    hx::system::LocaleHandler::setLanguage(QStringLiteral("en"));
    SystemUi::clearHistory();
}

void tst_SystemDialogWrapper::cleanup()
{
    hx::system::LocaleHandler::setLanguage(QStringLiteral("en"));
}

void tst_SystemDialogWrapper::showsItsTexts_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("body");
    QTest::addColumn<QStringList>("buttons");

    QTest::newRow("the duplicate dialog offers to replace the stored place")
        << "duplicate"
        << "Duplicate Place"
        << "This place already exists on the device. Do you want to replace the existing place?"
        << QStringList { "Cancel", "Replace" };
    QTest::newRow("the data services dialog offers the settings")
        << "dataservices"
        << "Data Services"
        << "Data Services are turned off or your device isn't connected to the network. To turn on Data "
           "Services, open Settings. After your device is connected to the network, try again."
        << QStringList { "Exit", "Settings" };
    QTest::newRow("the location dialog offers the settings")
        << "location"
        << "Location Services Off"
        << "Some features are unavailable because Location Services are turned off. To turn on Location "
           "Services, open Settings."
        << QStringList { "Not Now", "Settings" };
    QTest::newRow("the place-not-found dialog has only an OK button")
        << "notfound"
        << "Place not found"
        << "The selected place could not be found." << QStringList { "OK" };
}

void tst_SystemDialogWrapper::showsItsTexts()
{
    QFETCH(QString, kind);
    QFETCH(QString, title);
    QFETCH(QString, body);
    QFETCH(QStringList, buttons);

    QPointer<SystemDialogWrapper> wrapper = createDialog(kind);
    wrapper->show();

    QCOMPARE(SystemUi::visibleCount(), 1);
    const SystemUiRecord shown = SystemUi::top();
    QCOMPARE(shown.title, title);
    QCOMPARE(shown.body, body);
    QCOMPARE(shown.buttonLabels(), buttons);
    QVERIFY(shown.autoUpdate);
    delete wrapper;
}

void tst_SystemDialogWrapper::languageChangeWhileShownReappliesEveryText()
{
    // Every dialog re-applies its texts the same way: the one with the most texts stands for all.
    DuplicatePlaceDialog dialog;
    dialog.show();
    const int serial = SystemUi::top().serial;

    QVERIFY(hx::system::LocaleHandler::setLanguage(QStringLiteral("fr")));
    QVERIFY(SignalWaiter::waitFor([&] { return SystemUi::find(serial).title == QStringLiteral("Lieu en double"); }));

    // The same dialog, still on screen, now reads entirely in the new language.
    const SystemUiRecord shown = SystemUi::find(serial);
    QCOMPARE(SystemUi::visibleCount(), 1);
    QCOMPARE(shown.body,
             QStringLiteral("Ce lieu existe déjà sur l'appareil. Voulez-vous remplacer le lieu existant ?"));
    QCOMPARE(shown.buttonLabels(), (QStringList { "Annuler", "Remplacer" }));
}

void tst_SystemDialogWrapper::duplicateDialogForwardsTheAnswer_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("result");

    QTest::newRow("Replace answers with confirm") << "Replace" << int(SystemUiResult::ConfirmButtonSelection);
    QTest::newRow("Cancel answers with cancel") << "Cancel" << int(SystemUiResult::CancelButtonSelection);
}

void tst_SystemDialogWrapper::duplicateDialogForwardsTheAnswer()
{
    QFETCH(QString, button);
    QFETCH(int, result);

    DuplicatePlaceDialog dialog;
    QSignalSpy finished(&dialog, &DuplicatePlaceDialog::finished);
    dialog.show();
    QVERIFY(SystemUi::pressButton(button));
    QVERIFY(SignalWaiter::wait(finished));
    QCOMPARE(finished.count(), 1);
    QCOMPARE(int(finished.first().first().value<SystemUiResult::Type>()), result);
}

void tst_SystemDialogWrapper::placeNotFoundDialogDeletesItselfWhenClosed()
{
    QPointer<PlaceNotFoundDialog> dialog = new PlaceNotFoundDialog;
    // Its texts are there before show(), for callers that read them first.
    QCOMPARE(dialog->dialog()->title(), QStringLiteral("Place not found"));
    dialog->show();
    QVERIFY(SystemUi::pressButton(QStringLiteral("OK")));
    QVERIFY(SignalWaiter::waitFor([&] { return dialog.isNull(); }));
    QCOMPARE(SystemUi::visibleCount(), 0);
}

QTEST_MAIN(tst_SystemDialogWrapper)
#include "tst_systemdialogwrapper.moc"

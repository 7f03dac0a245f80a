#include <hx/system/carddonemessage.h>
#include <hx/system/invokedcard.h>
#include <hx/system/invokemanager.h>
#include <hx/system/invokerequest.h>
#include <hx/system/systemui.h>
#include <hx/trellan/places/enabledataservicesdialog.h>
#include <hx/trellan/places/enablelocationdialog.h>

#include <QtTest/QtTest>

#include "signalwaiter.h"

using namespace hx::trellan::places;
using hx::system::CardDoneMessage;
using hx::system::InvokedCard;
using hx::system::InvokeManager;
using hx::system::InvokeRequest;
using hx::system::SystemUi;
using hx::test::SignalWaiter;

namespace {

const QString SettingsCard = QStringLiteral("sys.settings.card");

SettingsCardDialog *createDialog(const QString &kind)
{
    if (kind == QLatin1String("location"))
        return new EnableLocationDialog;
    return new EnableDataServicesDialog;
}

} // namespace

class tst_SettingsCardDialog : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void settingsOpensTheCardAndReportsTheReturn_data();
    void settingsOpensTheCardAndReportsTheReturn();
    void otherButtonReportsFalse_data();
    void otherButtonReportsFalse();
    void settingsCardThatCannotOpenReportsFalse_data();
    void settingsCardThatCannotOpenReportsFalse();

private:
    QList<InvokedCard> m_openCards;
};

void tst_SettingsCardDialog::init()
{
    SystemUi::clearHistory();
    InvokeManager::clearRecordedRequests();
    m_openCards.clear();
    // The settings card runs in-process: it opens and waits until the test closes it.
    InvokeManager::bindTarget(SettingsCard, [this](const InvokedCard &card) { m_openCards.append(card); });
}

void tst_SettingsCardDialog::cleanup()
{
    InvokeManager::unbindTarget(SettingsCard);
}

void tst_SettingsCardDialog::settingsOpensTheCardAndReportsTheReturn_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("uri");

    QTest::newRow("data services open the network connections page") << "dataservices"
                                                                     << "settings://networkconnections";
    QTest::newRow("location services open the location page") << "location"
                                                              << "settings://location";
}

void tst_SettingsCardDialog::settingsOpensTheCardAndReportsTheReturn()
{
    QFETCH(QString, kind);
    QFETCH(QString, uri);

    QScopedPointer<SettingsCardDialog> dialog(createDialog(kind));
    QSignalSpy done(dialog.data(), &SettingsCardDialog::done);
    dialog->show();
    QVERIFY(SystemUi::pressButton(QStringLiteral("Settings")));

    QVERIFY(SignalWaiter::waitFor([this] { return !m_openCards.isEmpty(); }));
    const InvokeRequest request = m_openCards.first().request();
    QCOMPARE(request.action(), QStringLiteral("hx.action.OPEN"));
    QCOMPARE(request.mimeType(), QStringLiteral("settings/view"));
    QCOMPARE(request.target(), SettingsCard);
    QCOMPARE(request.uri(), QUrl(uri));
    QCOMPARE(InvokeManager::recordedRequests().size(), 1);
    // Nothing is decided while the user is still in the settings card.
    QCOMPARE(done.count(), 0);

    // Coming back counts, even when the user changed nothing there.
    QVERIFY(m_openCards.first().done(CardDoneMessage(QStringLiteral("closed"), QString())));
    QVERIFY(SignalWaiter::wait(done));
    QCOMPARE(done.count(), 1);
    QCOMPARE(done.first().first().toBool(), true);
    QVERIFY(!dialog->dialog());
    QCOMPARE(SystemUi::visibleCount(), 0);
}

void tst_SettingsCardDialog::otherButtonReportsFalse_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("button");

    QTest::newRow("Exit leaves data services off") << "dataservices"
                                                   << "Exit";
    QTest::newRow("Not Now leaves location services off") << "location"
                                                          << "Not Now";
}

void tst_SettingsCardDialog::otherButtonReportsFalse()
{
    QFETCH(QString, kind);
    QFETCH(QString, button);

    QScopedPointer<SettingsCardDialog> dialog(createDialog(kind));
    QSignalSpy done(dialog.data(), &SettingsCardDialog::done);
    dialog->show();
    QVERIFY(SystemUi::pressButton(button));

    QVERIFY(SignalWaiter::wait(done));
    QCOMPARE(done.first().first().toBool(), false);
    QCOMPARE(SystemUi::visibleCount(), 0);
    QVERIFY(InvokeManager::recordedRequests().isEmpty());
}

void tst_SettingsCardDialog::settingsCardThatCannotOpenReportsFalse_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("data services without a settings card") << "dataservices";
    QTest::newRow("location services without a settings card") << "location";
}

void tst_SettingsCardDialog::settingsCardThatCannotOpenReportsFalse()
{
    QFETCH(QString, kind);
    InvokeManager::unbindTarget(SettingsCard);

    QScopedPointer<SettingsCardDialog> dialog(createDialog(kind));
    QSignalSpy done(dialog.data(), &SettingsCardDialog::done);
    dialog->show();
    QVERIFY(SystemUi::pressButton(QStringLiteral("Settings")));

    QVERIFY(SignalWaiter::wait(done));
    QCOMPARE(done.count(), 1);
    QCOMPARE(done.first().first().toBool(), false);
    QCOMPARE(InvokeManager::recordedRequests().size(), 1);
    QVERIFY(!dialog->dialog());
    QCOMPARE(SystemUi::visibleCount(), 0);
}

QTEST_MAIN(tst_SettingsCardDialog)
#include "tst_settingscarddialog.moc"

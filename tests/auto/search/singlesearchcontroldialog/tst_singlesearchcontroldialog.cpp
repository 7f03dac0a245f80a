#include <QtTest/QtTest>

#include <hx/system/localehandler.h>
#include <hx/system/systemui.h>
#include <hx/trellan/places/singlesearchcontroldialog.h>

using namespace hx::trellan::places;
using hx::system::SystemUi;
using hx::system::SystemUiRecord;

class tst_SingleSearchControlDialog : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();
    void texts_data();
    void texts();
    void failureReplacesProgressInTheSameDialog();
    void followsTheLanguage();
};

void tst_SingleSearchControlDialog::cleanup()
{
    hx::system::LocaleHandler::setLanguage(QStringLiteral("en"));
}

void tst_SingleSearchControlDialog::texts_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("body");
    QTest::addColumn<QStringList>("buttons");
    QTest::addColumn<bool>("indicator");

    QTest::newRow("progress: a spinner and no button to press") << 1 << "Retrieving details"
                                                                << "" << QStringList() << true;
    QTest::newRow("failure: what went wrong and OK") << 2 << "Can't find location"
                                                     << "Address not found" << QStringList { "OK" } << false;
}

void tst_SingleSearchControlDialog::texts()
{
    QFETCH(int, type);
    QFETCH(QString, title);
    QFETCH(QString, body);
    QFETCH(QStringList, buttons);
    QFETCH(bool, indicator);

    SingleSearchControlDialog dialog { SingleSearchControlDialog::Type(type) };
    dialog.show();
    const SystemUiRecord shown = SystemUi::findByObjectName(QStringLiteral("SingleSearchControlDialog"));
    QCOMPARE(shown.title, title);
    QCOMPARE(shown.body, body);
    QCOMPARE(shown.buttonLabels(), buttons);
    QCOMPARE(shown.activityIndicatorVisible, indicator);
    dialog.cancel();
}

void tst_SingleSearchControlDialog::failureReplacesProgressInTheSameDialog()
{
    SingleSearchControlDialog dialog;
    QSignalSpy finished(&dialog, &SingleSearchControlDialog::finished);
    dialog.show();
    const int before = SystemUi::visibleCount();
    // Nothing a user presses ends the wait.
    QVERIFY(!SystemUi::pressButton(QStringLiteral("OK")));
    dialog.setType(SingleSearchControlDialog::Failure);
    QCOMPARE(SystemUi::visibleCount(), before);
    QCOMPARE(SystemUi::top().title, QStringLiteral("Can't find location"));
    QVERIFY(SystemUi::pressButton(QStringLiteral("OK")));
    QCOMPARE(finished.count(), 1);
    QVERIFY(!dialog.isShown());
}

void tst_SingleSearchControlDialog::followsTheLanguage()
{
    SingleSearchControlDialog dialog { SingleSearchControlDialog::Failure };
    dialog.show();
    hx::system::LocaleHandler::setLanguage(QStringLiteral("fr"));
    QTRY_COMPARE(SystemUi::top().title, QStringLiteral("Position introuvable"));
    QCOMPARE(SystemUi::top().body, QStringLiteral("Adresse introuvable"));
    dialog.cancel();
}

QTEST_MAIN(tst_SingleSearchControlDialog)
#include "tst_singlesearchcontroldialog.moc"

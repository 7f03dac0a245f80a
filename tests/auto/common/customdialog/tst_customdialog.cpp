#include <hx/system/localehandler.h>
#include <hx/trellan/container.h>
#include <hx/trellan/dialog.h>
#include <hx/trellan/label.h>
#include <hx/trellan/places/customdialog.h>
#include <hx/trellan/places/customradiogroup.h>
#include <hx/trellan/radiogroup.h>
#include <hx/trellan/testdriver.h>

#include <QtCore/QPointer>
#include <QtCore/QTranslator>
#include <QtTest/QtTest>

#include "signalwaiter.h"

using namespace hx::trellan;
using namespace hx::trellan::places;
using hx::test::SignalWaiter;

Q_DECLARE_METATYPE(hx::trellan::Control *)

namespace {

// Brackets every text of the dialog's own context, so a test sees which texts were re-applied.
class BracketTranslator : public QTranslator
{
public:
    QString translate(const char *context, const char *sourceText, const char *, int) const override
    {
        if (qstrcmp(context, "hx::trellan::places::CustomDialog") != 0)
            return QString();
        return QLatin1Char('[') + QLatin1String(sourceText) + QLatin1Char(']');
    }
};

// What the user sees: the open dialogs only.
QString screen()
{
    return TestDriver::screen(nullptr);
}

} // namespace

class tst_CustomDialog : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void showsTitleContentAndButtons();
    void buttonClosesAndHandsBackContentAndUserData_data();
    void buttonClosesAndHandsBackContentAndUserData();
    void showingTwiceOpensOneDialog();
    void resetDropsContentAndUserDataForTheNextUse();
    void buttonTextsFollowTheLanguageWhileShown();
    void chosenAddressComesBackThroughTheDialog();
};

void tst_CustomDialog::initTestCase()
{
    qRegisterMetaType<hx::trellan::Control *>();
}

void tst_CustomDialog::cleanup()
{
    hx::system::LocaleHandler::setLanguage(QStringLiteral("en"));
    QCOMPARE(Dialog::openDialogs().size(), 0);
}

void tst_CustomDialog::showsTitleContentAndButtons()
{
    CustomDialog dialog;
    dialog.setTitle(QStringLiteral("2 Addresses Found"));
    dialog.setContent(new Label(QStringLiteral("12 Main Street")));
    QVERIFY(!dialog.isOpened());
    QVERIFY(!screen().contains(QLatin1String("Addresses Found")));
    QCOMPARE(dialog.getResult(), 1); // cancel until a button says otherwise

    dialog.show();

    QVERIFY(dialog.isOpened());
    QCOMPARE(dialog.getResult(), 1);
    const QString shown = screen();
    QVERIFY2(shown.contains(QLatin1String("2 Addresses Found")), qPrintable(shown));
    QVERIFY2(shown.contains(QLatin1String("12 Main Street")), qPrintable(shown));
    QVERIFY2(shown.indexOf(QLatin1String("OK")) < shown.indexOf(QLatin1String("Cancel")), qPrintable(shown));
    // The title sits above the content, the buttons below it.
    QVERIFY(shown.indexOf(QLatin1String("Addresses Found")) < shown.indexOf(QLatin1String("Main Street")));
    QVERIFY(shown.indexOf(QLatin1String("Main Street")) < shown.indexOf(QLatin1String("OK")));

    dialog.onCancelButton();
}

void tst_CustomDialog::buttonClosesAndHandsBackContentAndUserData_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("result");

    QTest::newRow("OK confirms with result 0") << "OK" << 0;
    QTest::newRow("Cancel declines with result 1") << "Cancel" << 1;
}

void tst_CustomDialog::buttonClosesAndHandsBackContentAndUserData()
{
    QFETCH(QString, button);
    QFETCH(int, result);

    CustomDialog dialog;
    Label *content = new Label(QStringLiteral("content"));
    dialog.setContent(content);
    dialog.setUserData(QVariant(42));
    QSignalSpy results(&dialog, &CustomDialog::dialogResult);
    dialog.show();

    QVERIFY(TestDriver::clickButton(nullptr, button));

    QVERIFY(!dialog.isOpened());
    QCOMPARE(dialog.getResult(), result);
    QCOMPARE(results.count(), 1);
    QCOMPARE(results.first().at(0).value<hx::trellan::Control *>(), static_cast<Control *>(content));
    QCOMPARE(results.first().at(1), QVariant(42));
    QVERIFY(!screen().contains(QLatin1String("content")));
    QCOMPARE(dialog.content(), static_cast<Control *>(content));
}

void tst_CustomDialog::showingTwiceOpensOneDialog()
{
    CustomDialog dialog;
    QSignalSpy results(&dialog, &CustomDialog::dialogResult);
    dialog.show();
    dialog.show();
    QCOMPARE(Dialog::openDialogs().size(), 1);

    QVERIFY(TestDriver::clickButton(nullptr, QStringLiteral("OK")));
    QCOMPARE(results.count(), 1);
    QCOMPARE(Dialog::openDialogs().size(), 0);
}

void tst_CustomDialog::resetDropsContentAndUserDataForTheNextUse()
{
    CustomDialog dialog;
    QPointer<Label> first = new Label(QStringLiteral("first content"));
    dialog.setContent(first);
    dialog.setUserData(QStringLiteral("first"));
    dialog.show();
    QVERIFY(TestDriver::clickButton(nullptr, QStringLiteral("OK")));
    QCOMPARE(dialog.getResult(), 0);

    dialog.reset();
    QCOMPARE(dialog.content(), static_cast<Control *>(nullptr));
    QVERIFY(SignalWaiter::waitFor([&] { return first.isNull(); }));

    // Shown again with new content: only the new content is there, and no old user data rides along.
    QSignalSpy results(&dialog, &CustomDialog::dialogResult);
    Label *second = new Label(QStringLiteral("second content"));
    dialog.setContent(second);
    dialog.show();
    const QString shown = screen();
    QVERIFY2(shown.contains(QLatin1String("second content")), qPrintable(shown));
    QVERIFY2(!shown.contains(QLatin1String("first content")), qPrintable(shown));
    QVERIFY2(shown.contains(QLatin1String("OK")), qPrintable(shown));

    QVERIFY(TestDriver::clickButton(nullptr, QStringLiteral("Cancel")));
    QCOMPARE(dialog.getResult(), 1);
    QCOMPARE(results.count(), 1);
    QCOMPARE(results.first().at(0).value<hx::trellan::Control *>(), static_cast<Control *>(second));
    QVERIFY(!results.first().at(1).isValid());
}

void tst_CustomDialog::buttonTextsFollowTheLanguageWhileShown()
{
    BracketTranslator translator;
    QCoreApplication::installTranslator(&translator);
    CustomDialog dialog;
    QCoreApplication::removeTranslator(&translator);
    dialog.show();
    QVERIFY(screen().contains(QLatin1String("[OK]")));

    // The translator leaves; the next language change brings the plain texts back at once.
    QVERIFY(hx::system::LocaleHandler::setLanguage(QStringLiteral("fr")));
    QVERIFY(SignalWaiter::waitFor([] { return !screen().contains(QLatin1String("[OK]")); }));
    const QString shown = screen();
    QVERIFY2(!shown.contains(QLatin1String("[Cancel]")), qPrintable(shown));
    QVERIFY(TestDriver::clickButton(nullptr, QStringLiteral("OK")));
}

void tst_CustomDialog::chosenAddressComesBackThroughTheDialog()
{
    CustomDialog dialog;
    CustomRadioGroup *addresses = new CustomRadioGroup;
    addresses->addOption(QStringLiteral("Home  12 Main Street"), QStringLiteral("home"));
    addresses->addOption(QStringLiteral("Work  1 Office Park"), QStringLiteral("work"));
    dialog.setTitle(QStringLiteral("2 Addresses Found"));
    dialog.setContent(addresses);
    dialog.setUserData(QStringLiteral("contact 7"));
    QSignalSpy results(&dialog, &CustomDialog::dialogResult);
    dialog.show();

    RadioGroup *group = Dialog::openDialogs().first()->findChild<RadioGroup *>();
    QVERIFY(group);
    QVERIFY(group->choose(1));
    QVERIFY(TestDriver::clickButton(nullptr, QStringLiteral("OK")));

    QCOMPARE(results.count(), 1);
    auto *chosen = qobject_cast<CustomRadioGroup *>(results.first().at(0).value<hx::trellan::Control *>());
    QVERIFY(chosen);
    QCOMPARE(chosen->selectedValue(), QVariant(QStringLiteral("work")));
    QCOMPARE(results.first().at(1), QVariant(QStringLiteral("contact 7")));
}

QTEST_MAIN(tst_CustomDialog)
#include "tst_customdialog.moc"

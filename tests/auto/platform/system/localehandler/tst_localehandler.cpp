#include <hx/system/localehandler.h>
#include <hx/system/systemdialog.h>
#include <hx/system/systemui.h>

#include <signalwaiter.h>

#include <QtCore/QCoreApplication>
#include <QtCore/QThread>
#include <QtTest/QtTest>

using namespace hx::system;

// Re-applies its dialog's texts on every language change, as the library's screens do.
class TranslatedDialog : public QObject
{
    Q_OBJECT
public:
    TranslatedDialog()
    {
        dialog.setAutoUpdateEnabled(true);
        connect(&handler, &LocaleHandler::languageChanged, this, &TranslatedDialog::retranslate);
        retranslate();
    }
    void retranslate()
    {
        dialog.setTitle(QCoreApplication::translate("Places", "Maximum Limit Reached"));
        dialog.cancelButton()->setLabel(QCoreApplication::translate("Places", "Cancel"));
    }
    SystemDialog dialog;
    LocaleHandler handler;
};

class tst_LocaleHandler : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void languageSwitchReappliesTranslatedTexts();
    void everyHandlerHearsTheChange();
    void languageWithoutTranslationsStillSwitches();
    void handlerOnAnotherThreadHearsFromItsOwnLoop();
    void measurementSystemChange();
};

void tst_LocaleHandler::initTestCase()
{
    LocaleHandler::addTranslationSource(QStringLiteral(TEST_TRANSLATIONS_DIR), QStringLiteral("tst_localehandler"));
}

void tst_LocaleHandler::cleanup()
{
    LocaleHandler::setLanguage(QString());
}

void tst_LocaleHandler::languageSwitchReappliesTranslatedTexts()
{
    TranslatedDialog translated;
    translated.dialog.show();
    QCOMPARE(SystemUi::top().title, QString("Maximum Limit Reached"));

    QVERIFY(LocaleHandler::setLanguage("fr_FR"));
    QCOMPARE(LocaleHandler::language(), QString("fr_FR"));
    QCOMPARE(QLocale().language(), QLocale::French);
    QCOMPARE(SystemUi::top().title, QString("Limite maximale atteinte"));
    QCOMPARE(SystemUi::top().buttonLabel(SystemUiResult::CancelButtonSelection), QString("Annuler"));

    QVERIFY(!LocaleHandler::setLanguage(QString()));
    QCOMPARE(SystemUi::top().title, QString("Maximum Limit Reached"));
    translated.dialog.cancel();
}

void tst_LocaleHandler::everyHandlerHearsTheChange()
{
    LocaleHandler region;
    LocaleHandler language(LocaleType::Language);
    QSignalSpy regionLanguage(&region, &LocaleHandler::languageChanged);
    QSignalSpy regionChanged(&region, &LocaleHandler::changed);
    QSignalSpy languageLanguage(&language, &LocaleHandler::languageChanged);
    LocaleHandler::setLanguage("fr");
    QCOMPARE(regionLanguage.count(), 1);
    QCOMPARE(regionChanged.count(), 1);
    QCOMPARE(languageLanguage.count(), 1);
    QCOMPARE(QCoreApplication::translate("Places", "Cancel"), QString("Annuler"));
}

void tst_LocaleHandler::languageWithoutTranslationsStillSwitches()
{
    LocaleHandler handler;
    QSignalSpy changed(&handler, &LocaleHandler::languageChanged);
    QVERIFY(!LocaleHandler::setLanguage("de_DE"));
    QCOMPARE(changed.count(), 1);
    QCOMPARE(QLocale().language(), QLocale::German);
    QCOMPARE(QCoreApplication::translate("Places", "Cancel"), QString("Cancel"));
}

void tst_LocaleHandler::handlerOnAnotherThreadHearsFromItsOwnLoop()
{
    QThread thread;
    auto *remote = new LocaleHandler;
    remote->moveToThread(&thread);
    QSignalSpy changed(remote, &LocaleHandler::languageChanged);
    thread.start();
    LocaleHandler::setLanguage("fr");
    QVERIFY(hx::test::SignalWaiter::wait(changed, 1, 3000));
    QMetaObject::invokeMethod(remote, &QObject::deleteLater);
    thread.quit();
    QVERIFY(thread.wait(5000));
}

void tst_LocaleHandler::measurementSystemChange()
{
    LocaleHandler::setMeasurementSystem(MeasurementSystem::Metric);
    LocaleHandler handler;
    QSignalSpy measurement(&handler, &LocaleHandler::measurementSystemChanged);
    QSignalSpy changed(&handler, &LocaleHandler::changed);
    QSignalSpy language(&handler, &LocaleHandler::languageChanged);
    LocaleHandler::setMeasurementSystem(MeasurementSystem::Imperial);
    QCOMPARE(measurement.count(), 1);
    QCOMPARE(measurement.first().first().value<MeasurementSystem::Type>(), MeasurementSystem::Imperial);
    QCOMPARE(handler.measurementSystem(), MeasurementSystem::Imperial);
    QCOMPARE(changed.count(), 1);
    QCOMPARE(language.count(), 0);
    LocaleHandler::setMeasurementSystem(MeasurementSystem::Imperial);
    QCOMPARE(measurement.count(), 1);
    LocaleHandler::setMeasurementSystem(MeasurementSystem::Metric);
}

QTEST_GUILESS_MAIN(tst_LocaleHandler)
#include "tst_localehandler.moc"

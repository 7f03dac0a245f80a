#include <hx/system/localehandler.h>
#include <hx/trellan/places/pickerretrans.h>
#include <hx/trellan/places/retranslatehelper.h>

#include <QtCore/QCoreApplication>
#include <QtTest/QtTest>

#include "signalwaiter.h"

using namespace hx::trellan::places;
using hx::test::SignalWaiter;

namespace {

// A component that re-applies one translated text, the way every screen of the library does.
class Caption : public PickerRetrans
{
public:
    explicit Caption(bool enable) : PickerRetrans(enable) { retranslateUI(); }
    void retranslateUI() override
    {
        ++calls;
        text = QCoreApplication::translate("Places", "Added to Favorites!");
    }
    int calls = 0;
    QString text;
};

} // namespace

class tst_PickerRetrans : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();
    void enabledComponentFollowsTheLanguage();
    void disabledComponentKeepsItsTexts();
    void helperEmitsRetranslate();
};

void tst_PickerRetrans::cleanup()
{
    hx::system::LocaleHandler::setLanguage(QStringLiteral("en"));
}

void tst_PickerRetrans::enabledComponentFollowsTheLanguage()
{
    Caption caption(true);
    QCOMPARE(caption.text, QStringLiteral("Added to Favorites!"));

    hx::system::LocaleHandler::setLanguage(QStringLiteral("fr"));
    QVERIFY(SignalWaiter::waitFor([&] { return caption.text == QStringLiteral("Ajouté aux favoris !"); }));

    hx::system::LocaleHandler::setLanguage(QStringLiteral("en"));
    QVERIFY(SignalWaiter::waitFor([&] { return caption.text == QStringLiteral("Added to Favorites!"); }));
}

void tst_PickerRetrans::disabledComponentKeepsItsTexts()
{
    Caption caption(false);
    hx::system::LocaleHandler::setLanguage(QStringLiteral("fr"));
    QCoreApplication::processEvents();
    QCOMPARE(caption.calls, 1);
    QCOMPARE(caption.text, QStringLiteral("Added to Favorites!"));
}

void tst_PickerRetrans::helperEmitsRetranslate()
{
    RetranslateHelper helper;
    QSignalSpy retranslate(&helper, &RetranslateHelper::retranslate);
    hx::system::LocaleHandler::setLanguage(QStringLiteral("fr"));
    QVERIFY(SignalWaiter::wait(retranslate));
    QCOMPARE(retranslate.count(), 1);
}

QTEST_MAIN(tst_PickerRetrans)
#include "tst_pickerretrans.moc"

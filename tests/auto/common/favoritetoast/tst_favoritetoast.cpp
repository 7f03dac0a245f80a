#include <hx/system/localehandler.h>
#include <hx/system/systemtoast.h>
#include <hx/system/systemui.h>
#include <hx/trellan/places/favoritetoast.h>

#include <QtCore/QPointer>
#include <QtTest/QtTest>

#include "signalwaiter.h"

using namespace hx::trellan::places;
using hx::system::SystemToast;
using hx::system::SystemUi;
using hx::system::SystemUiPosition;
using hx::system::SystemUiRecord;
using hx::test::SignalWaiter;

class tst_FavoriteToast : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void showsInTheMiddleAndGoesAwayByItself();
    void followsTheLanguageWhileShown();
};

void tst_FavoriteToast::init()
{
    hx::system::LocaleHandler::setLanguage(QStringLiteral("en"));
    SystemUi::clearHistory();
}

void tst_FavoriteToast::cleanup()
{
    SystemToast::resetDefaultDuration();
    hx::system::LocaleHandler::setLanguage(QStringLiteral("en"));
}

void tst_FavoriteToast::showsInTheMiddleAndGoesAwayByItself()
{
    SystemToast::setDefaultDuration(50);
    QPointer<FavoriteToast> toast = new FavoriteToast;
    toast->show();

    const SystemUiRecord shown = SystemUi::findByObjectName(QStringLiteral("FavoriteToast"));
    QVERIFY(!shown.isNull());
    QCOMPARE(shown.kind, SystemUiRecord::Toast);
    QCOMPARE(shown.body, QStringLiteral("Added to Favorites!"));
    QCOMPARE(int(shown.position), 2);
    QVERIFY(shown.autoUpdate);

    // Fire and forget: once timed out the toast is gone from the screen and from memory.
    QVERIFY(SignalWaiter::waitFor([&] { return toast.isNull(); }));
    QCOMPARE(SystemUi::visibleCount(), 0);
}

void tst_FavoriteToast::followsTheLanguageWhileShown()
{
    SystemToast::setDefaultDuration(60000);
    QPointer<FavoriteToast> toast = new FavoriteToast;
    toast->show();

    hx::system::LocaleHandler::setLanguage(QStringLiteral("fr"));
    QVERIFY(SignalWaiter::waitFor([] {
        return SystemUi::findByObjectName(QStringLiteral("FavoriteToast")).body
            == QStringLiteral("Ajouté aux favoris !");
    }));
    delete toast;
}

QTEST_MAIN(tst_FavoriteToast)
#include "tst_favoritetoast.moc"

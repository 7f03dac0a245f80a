#include <hx/system/localehandler.h>
#include <hx/trellan/places/separator.h>

#include <QtTest/QtTest>

#include "signalwaiter.h"

using hx::test::SignalWaiter;
using hx::trellan::places::Separator;

class tst_Separator : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();
    void titleFollowsTheLanguage_data();
    void titleFollowsTheLanguage();
};

void tst_Separator::cleanup()
{
    hx::system::LocaleHandler::setLanguage(QStringLiteral("en"));
}

void tst_Separator::titleFollowsTheLanguage_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("english");
    QTest::addColumn<QString>("french");

    QTest::newRow("recents of the last two days") << "HEADER_TODAY"
                                                  << "Today"
                                                  << "Aujourd'hui";
    QTest::newRow("remote places are suggestions") << "HEADER_REMOTEPLACES"
                                                   << "Suggestions"
                                                   << "Suggestions";
    QTest::newRow("suggestions are near the map centre") << "HEADER_SUGGESTION"
                                                         << "Suggestions Near Map Center"
                                                         << "Suggestions près du centre de la carte";
    QTest::newRow("addresses have no title") << "HEADER_ADDRESS" << QString() << QString();
}

void tst_Separator::titleFollowsTheLanguage()
{
    QFETCH(QString, key);
    QFETCH(QString, english);
    QFETCH(QString, french);

    Separator separator(key);
    QCOMPARE(separator.title(), english);
    hx::system::LocaleHandler::setLanguage(QStringLiteral("fr"));
    QVERIFY(SignalWaiter::waitFor([&] { return Separator::headerTitle(key) == french; }));
    QTRY_COMPARE(separator.title(), french);

    // A header reused for another row shows that row's title.
    separator.setKey(QStringLiteral("HEADER_EARLIER"));
    QCOMPARE(separator.title(), QStringLiteral("Le mois dernier ou avant"));
}

QTEST_MAIN(tst_Separator)
#include "tst_separator.moc"

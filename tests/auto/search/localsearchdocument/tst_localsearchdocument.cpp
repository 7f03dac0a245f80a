#include <hx/trellan/places/localsearchfullview.h>

#include <hx/trellan/container.h>
#include <hx/trellan/screentext.h>

#include "gazetteerfixture.h"
#include "signalwaiter.h"
#include "storefixture.h"
#include "testroots.h"

#include <QtTest/QSignalSpy>
#include <QtTest/QtTest>

using hx::platform::places::Place;
using namespace hx::test;
using namespace hx::trellan::places;

class tst_LocalSearchDocument : public QObject
{
    Q_OBJECT

private slots:
    void theOwnerStillHearsWhatWasFound_data();
    void theOwnerStillHearsWhatWasFound();
};

void tst_LocalSearchDocument::theOwnerStillHearsWhatWasFound_data()
{
    QTest::addColumn<QString>("term");
    QTest::addColumn<int>("contacts"); // -1: nothing found
    QTest::addColumn<int>("places");
    QTest::newRow("contacts and places") << QStringLiteral("lumen") << 1 << 2;
    QTest::newRow("nothing found") << QStringLiteral("zzyzx") << -1 << -1;
}

void tst_LocalSearchDocument::theOwnerStillHearsWhatWasFound()
{
    QFETCH(QString, term);
    QFETCH(int, contacts);
    QFETCH(int, places);

    TestRoots roots;
    QVERIFY(roots.isValid());
    QVERIFY(GazetteerFixture::write(roots.gazetteerPath(),
                                    { GazetteerFixture::poi(QStringLiteral("Lumen Coffee"), 43.4725, -80.5440),
                                      GazetteerFixture::poi(QStringLiteral("Lumen Books"), 43.4730, -80.5450) }));
    StoreFixture::addContact(QStringLiteral("Iris"), QStringLiteral("Lumen"), QStringLiteral("12 King Street"),
                             QStringLiteral("Waterloo"));
    // Both lists report, in either order; only the order of the last line is known.
    QRegularExpression anyMissing(QStringLiteral("^hx::trellan::places::LocalSearchFullView::on(Contacts|MyPlaces)"
                                                 "LoadedFinal\\(\\): can't find object name "
                                                 "LocalSearchFullViewMain$"));
    QTest::ignoreMessage(QtWarningMsg, anyMissing);
    QTest::ignoreMessage(QtWarningMsg, anyMissing);
    if (contacts < 0)
        QTest::ignoreMessage(QtWarningMsg,
                             "hx::trellan::places::LocalSearchFullView::displayNoResultContainer(): "
                             "can't find object name LocalSearchFullViewMain");

    LocalSearchFullView view(false);
    QSignalSpy read(&view, &LocalSearchFullView::readPlaces);
    QSignalSpy notFound(&view, &LocalSearchFullView::placeNotFound);
    view.setCoordinates(43.4723, -80.5449);
    view.setDestination(term, QStringLiteral("uptown"), false, false, false);
    view.startStates();

    if (contacts < 0) {
        QVERIFY(SignalWaiter::wait(notFound, 1, 10000));
        QCOMPARE(read.count(), 0);
    } else {
        QVERIFY(SignalWaiter::wait(read, 1, 10000));
        QCOMPARE(read.first().at(1).value<QList<QSharedPointer<Place>>>().size(), contacts);
        QCOMPARE(read.first().at(2).value<QList<QSharedPointer<Place>>>().size(), places);
    }
    const QString screen = hx::trellan::ScreenText::render(view.getVisualNodeRoot());
    QVERIFY2(screen.contains(QLatin1String("Near your destination")), qPrintable(screen));
    QVERIFY2(!screen.contains(QLatin1String("Lumen")), qPrintable(screen));
}

QTEST_MAIN(tst_LocalSearchDocument)
#include "tst_localsearchdocument.moc"

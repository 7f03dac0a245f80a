#include <hx/trellan/container.h>
#include <hx/trellan/places/placeviewfullview.h>
#include <hx/trellan/places/viewplacecontent.h>
#include <hx/trellan/screentext.h>
#include <hx/trellan/testdriver.h>

#include "storefixture.h"
#include "testroots.h"

#include <QtCore/QStateMachine>
#include <QtTest/QSignalSpy>
#include <QtTest/QtTest>

using namespace hx::platform::places;
using namespace hx::trellan::places;
using hx::trellan::ScreenText;

class tst_FullViewDocument : public QObject
{
    Q_OBJECT

private slots:
    void documentWithoutRoomForThePlaceShowsNothing_data();
    void documentWithoutRoomForThePlaceShowsNothing();
};

void tst_FullViewDocument::documentWithoutRoomForThePlaceShowsNothing_data()
{
    QTest::addColumn<int>("mode");
    QTest::newRow("assistant's card") << int(PlaceViewFullView::Default);
    QTest::newRow("user's location") << int(PlaceViewFullView::MyLocation);
}

void tst_FullViewDocument::documentWithoutRoomForThePlaceShowsNothing()
{
    QFETCH(int, mode);
    hx::test::TestRoots roots;
    QVERIFY(roots.isValid());
    const QSharedPointer<Place> place(
        new Place(hx::test::StoreFixture::addFavorite(QStringLiteral("Café Pyrus"), 43.4643, -80.5204)));
    QTest::ignoreMessage(QtWarningMsg,
                         "hx::trellan::places::PlaceViewFullView::StateStart::onEntry(): no container "
                         "named PlaceViewFullViewMain in the document");
    PlaceViewFullView view(place, PlaceViewFullView::ViewMode(mode));
    QSignalSpy ready(&view, &PlaceViewFullView::viewReady);
    auto *machine = view.findChild<QStateMachine *>();
    QVERIFY(machine);
    QSignalSpy started(machine, &QStateMachine::started);
    QVERIFY(started.wait(5000));

    QCOMPARE(ready.count(), 0);
    QVERIFY(!view.content());
    QVERIFY(!view.findChild<ViewPlaceContent *>());
    hx::trellan::Container *root = view.getVisualNodeRoot();
    QVERIFY(root);
    const QString screen = ScreenText::render(root);
    QVERIFY2(screen.contains(QStringLiteral("Here is what I found")), qPrintable(screen));
    QVERIFY2(!screen.contains(QStringLiteral("Café Pyrus")), qPrintable(screen));
    QVERIFY2(!hx::trellan::TestDriver::find(root, QStringLiteral("MapImage")), qPrintable(screen));
}

QTEST_MAIN(tst_FullViewDocument)
#include "tst_fullviewdocument.moc"

#include <QtTest/QtTest>

#include <hx/platform/geo/boundingbox.h>
#include <hx/platform/places/coordinates.h>
#include <hx/system/localehandler.h>
#include <hx/trellan/listview.h>
#include <hx/trellan/places/resultsheet.h>
#include <hx/trellan/places/tcsslicedatamodel.h>
#include <hx/trellan/screentext.h>
#include <hx/trellan/sheet.h>
#include <hx/trellan/testdriver.h>

#include "gazetteerfixture.h"
#include "signalwaiter.h"
#include "testroots.h"

#include <memory>

using namespace hx::trellan::places;
using namespace hx::test;
using hx::platform::places::Coordinates;
using hx::platform::places::Place;
using hx::trellan::ScreenText;
using hx::trellan::TestDriver;

class tst_ResultSheet : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void showsTheSearchAndItsFirstSlice();
    void theEndOfTheListAsksForTheNextSlice();
    void aSliceThatBroughtNothingIsAskedForAgain_data();
    void aSliceThatBroughtNothingIsAskedForAgain();
    void aTapPicksThePlace();
    void closeClosesTheSheet();
    void titleFollowsTheLanguage();

private:
    // Scrolls the sheet's list to its end, as a user's finger does.
    void scrollToTheEnd();

    std::unique_ptr<TestRoots> m_roots;
    std::unique_ptr<TCSSliceDataModel> m_model;
    std::unique_ptr<ResultSheet> m_sheet;
};

void tst_ResultSheet::init()
{
    m_roots.reset(new TestRoots);
    QVERIFY(m_roots->isValid());
    QList<hx::platform::places::GazetteerEntry> cafes;
    for (int i = 0; i < 25; ++i)
        cafes.append(GazetteerFixture::poi(QStringLiteral("Cafe %1").arg(i), 43.5 + i * 1e-3, -80.5,
                                           QStringLiteral("restaurant"), 100 - i));
    QVERIFY(GazetteerFixture::write(m_roots->gazetteerPath(), cafes));
    m_model.reset(new TCSSliceDataModel);
    m_sheet.reset(new ResultSheet(m_model.get()));
    m_sheet->setTitle(QStringLiteral("cafe"));
    // A phone shows a few rows at a time.
    m_sheet->listView()->setVisibleRowCount(4);
    QSignalSpy final(m_model.get(), &PlacesDataModel::modelLoadedFinal);
    m_model->load(QStringLiteral("cafe"), hx::platform::geo::BoundingBox(), Coordinates(43.5, -80.5),
                  { FilterCategory::RemotePlaces });
    QVERIFY(SignalWaiter::wait(final));
    m_sheet->open();
    m_sheet->listView()->syncNow();
}

void tst_ResultSheet::cleanup()
{
    hx::system::LocaleHandler::setLanguage(QStringLiteral("en"));
    m_sheet.reset();
    m_model.reset();
    m_roots.reset();
}

void tst_ResultSheet::showsTheSearchAndItsFirstSlice()
{
    const QString text = ScreenText::render(nullptr);
    QVERIFY2(text.contains(QLatin1String("Title: Results for: cafe [Close]")), qPrintable(text));
    QVERIFY2(text.contains(QLatin1String("[0] TYPE_REMOTEPLACES: [img ic_poi.png] | Cafe 0 |")), qPrintable(text));
    QCOMPARE(m_model->childCount(QVariantList()), 10);
    QVERIFY(!m_sheet->isLoading());
}

void tst_ResultSheet::theEndOfTheListAsksForTheNextSlice()
{
    QSignalSpy asked(m_model.get(), &TCSSliceDataModel::gettingSlice);
    QSignalSpy final(m_model.get(), &PlacesDataModel::modelLoadedFinal);
    hx::trellan::ListView *list = m_sheet->listView();
    list->scrollDown();
    QCOMPARE(asked.count(), 0);
    while (!list->isAtEnd())
        list->scrollDown();
    QCOMPARE(asked.count(), 1);
    QVERIFY(m_sheet->isLoading());
    QVERIFY(SignalWaiter::wait(final));
    QVERIFY(!m_sheet->isLoading());
    QCOMPARE(m_model->childCount(QVariantList()), 20);
}

void tst_ResultSheet::scrollToTheEnd()
{
    hx::trellan::ListView *list = m_sheet->listView();
    while (list->isAtEnd())
        list->scrollUp();
    while (!list->isAtEnd())
        list->scrollDown();
}

void tst_ResultSheet::aSliceThatBroughtNothingIsAskedForAgain_data()
{
    QTest::addColumn<bool>("serviceDown");

    QTest::newRow("the search service failed") << true;
    QTest::newRow("the application cancelled the request") << false;
}

void tst_ResultSheet::aSliceThatBroughtNothingIsAskedForAgain()
{
    QFETCH(bool, serviceDown);

    const QString gazetteer = m_roots->gazetteerPath();
    const QString kept = gazetteer + QStringLiteral(".kept");
    if (serviceDown) {
        QVERIFY(QFile::rename(gazetteer, kept));
        QFile broken(gazetteer);
        QVERIFY(broken.open(QIODevice::WriteOnly));
        broken.write("not a gazetteer");
        broken.close();
    }
    QSignalSpy asked(m_model.get(), &TCSSliceDataModel::gettingSlice);
    scrollToTheEnd();
    QCOMPARE(asked.count(), 1);
    QVERIFY(m_sheet->isLoading());
    if (!serviceDown)
        m_model->cancelRequest();
    QTRY_VERIFY_WITH_TIMEOUT(!m_sheet->isLoading(), 10000);
    QCOMPARE(m_model->childCount(QVariantList()), 10);

    if (serviceDown) {
        QVERIFY(QFile::remove(gazetteer));
        QVERIFY(QFile::rename(kept, gazetteer));
    }
    QSignalSpy final(m_model.get(), &PlacesDataModel::modelLoadedFinal);
    scrollToTheEnd();
    QCOMPARE(asked.count(), 2);
    QVERIFY(SignalWaiter::wait(final));
    QCOMPARE(m_model->childCount(QVariantList()), 20);
}

void tst_ResultSheet::aTapPicksThePlace()
{
    QSignalSpy picked(m_sheet.get(), &ResultSheet::placeSelected);
    QVERIFY2(TestDriver::tapRow(nullptr, QStringLiteral("ResultList"), { 2 }), qPrintable(TestDriver::lastError()));
    QCOMPARE(picked.count(), 1);
    QCOMPARE(picked.first().at(0).value<QSharedPointer<Place>>()->name(), QStringLiteral("Cafe 2"));
    QCOMPARE(picked.first().at(1).toList(), QVariantList { 2 });
}

void tst_ResultSheet::closeClosesTheSheet()
{
    QVERIFY2(TestDriver::triggerAction(nullptr, QStringLiteral("CloseAction")), qPrintable(TestDriver::lastError()));
    QVERIFY(!m_sheet->isOpened());
}

void tst_ResultSheet::titleFollowsTheLanguage()
{
    hx::system::LocaleHandler::setLanguage(QStringLiteral("fr"));
    QTRY_VERIFY2(ScreenText::render(nullptr).contains(QStringLiteral("Title: Résultats pour : cafe [Fermer]")),
                 qPrintable(ScreenText::render(nullptr)));
}

QTEST_MAIN(tst_ResultSheet)
#include "tst_resultsheet.moc"

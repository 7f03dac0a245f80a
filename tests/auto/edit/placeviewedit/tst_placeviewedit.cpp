#include <hx/platform/places/placemanager.h>
#include <hx/platform/places/tags.h>
#include <hx/system/localehandler.h>
#include <hx/trellan/navigationpane.h>
#include <hx/trellan/places/placeviewedit.h>
#include <hx/trellan/places/placeviewpage.h>
#include <hx/trellan/screentext.h>
#include <hx/trellan/sheet.h>
#include <hx/trellan/testdriver.h>

#include <QtTest/QSignalSpy>
#include <QtTest/QtTest>

#include "edit/placeviewedit_p.h"
#include "storefixture.h"
#include "testroots.h"

using namespace hx::platform::places;
using namespace hx::trellan::places;
using hx::test::StoreFixture;
using hx::trellan::ScreenText;
using hx::trellan::Sheet;
using hx::trellan::TestDriver;

namespace {

Place storedFavorite()
{
    Place cafe = StoreFixture::makePlace(QStringLiteral("Café Nord"), 43.4643, -80.5204,
                                         QStringLiteral("1 King Street"), QStringLiteral("Waterloo"));
    cafe.addTag(QLatin1String(Tags::Favorite));
    if (PlaceManager().addPlace(cafe) != Error::None)
        qWarning() << "cannot store the café";
    return cafe;
}

} // namespace

class tst_PlaceViewEdit : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void opensOverTheScreenWithTheEditor();
    void closesWhenTheUserLeaves_data();
    void closesWhenTheUserLeaves();

private:
    QScopedPointer<hx::test::TestRoots> m_roots;
};

void tst_PlaceViewEdit::init()
{
    m_roots.reset(new hx::test::TestRoots);
    QVERIFY(m_roots->isValid());
    hx::system::LocaleHandler::setLanguage(QStringLiteral("en_US"));
}

void tst_PlaceViewEdit::cleanup()
{
    QTRY_COMPARE(QThreadPool::globalInstance()->activeThreadCount(), 0);
    m_roots.reset();
}

void tst_PlaceViewEdit::opensOverTheScreenWithTheEditor()
{
    const Place cafe = storedFavorite();
    PlaceViewEdit editor(QSharedPointer<Place>(new Place(cafe)));
    PlaceViewEditPrivate *sheet = editor.d_func();
    QVERIFY(sheet->isOpened());
    QVERIFY(!sheet->isPeekEnabled());
    QCOMPARE(sheet->pane()->count(), 2);
    QCOMPARE(sheet->pane()->top(), static_cast<hx::trellan::Page *>(sheet->page()));
    const QString screen = ScreenText::render(sheet);
    QVERIFY2(screen.contains(QStringLiteral("Title: Edit")), qPrintable(screen));
    // The page built its editing action bar as it became the top.
    QVERIFY2(TestDriver::findAction(sheet, QStringLiteral("AddFieldAction")), qPrintable(screen));
}

void tst_PlaceViewEdit::closesWhenTheUserLeaves_data()
{
    QTest::addColumn<QString>("leave");
    QTest::addColumn<QByteArray>("signal");
    QTest::newRow("cancel") << "CancelEditAction" << QByteArray();
    QTest::newRow("go, after saving") << "Go"
                                      << QByteArray(SIGNAL(goAction(QSharedPointer<hx::platform::places::Place>)));
    QTest::newRow("map, after saving") << "Map"
                                       << QByteArray(SIGNAL(mapAction(QSharedPointer<hx::platform::places::Place>)));
    QTest::newRow("back to the root page, after saving") << "back" << QByteArray();
}

void tst_PlaceViewEdit::closesWhenTheUserLeaves()
{
    QFETCH(QString, leave);
    QFETCH(QByteArray, signal);
    const Place cafe = storedFavorite();
    PlaceViewEdit editor(QSharedPointer<Place>(new Place(cafe)));
    PlaceViewEditPrivate *sheet = editor.d_func();
    QSignalSpy updated(&editor, &PlaceViewEdit::placeUpdated);
    QScopedPointer<QSignalSpy> handed(signal.isEmpty() ? nullptr : new QSignalSpy(&editor, signal.constData()));
    if (leave != QLatin1String("CancelEditAction")) {
        QVERIFY2(TestDriver::replaceText(sheet, QStringLiteral("NameField"), QStringLiteral("Café Sud")),
                 qPrintable(TestDriver::lastError()));
        QTRY_VERIFY2(TestDriver::findAction(sheet, QStringLiteral("SaveEditAction")),
                     qPrintable(ScreenText::render(sheet)));
        QVERIFY2(TestDriver::triggerAction(sheet, QStringLiteral("SaveEditAction")),
                 qPrintable(TestDriver::lastError()));
        QTRY_VERIFY2(TestDriver::findAction(sheet, QStringLiteral("Go")), qPrintable(ScreenText::render(sheet)));
        QVERIFY(sheet->isOpened());
    }
    if (leave == QLatin1String("back"))
        QVERIFY2(TestDriver::pressBack(sheet), qPrintable(TestDriver::lastError()));
    else
        QVERIFY2(TestDriver::triggerAction(sheet, leave), qPrintable(TestDriver::lastError()));
    QVERIFY(!sheet->isOpened());
    if (handed) {
        QCOMPARE(handed->size(), 1);
        QCOMPARE(handed->first().first().value<QSharedPointer<Place>>()->name(), QStringLiteral("Café Sud"));
    }
    if (leave != QLatin1String("CancelEditAction"))
        QVERIFY(updated.size() >= 1);
}

QTEST_MAIN(tst_PlaceViewEdit)
#include "tst_placeviewedit.moc"

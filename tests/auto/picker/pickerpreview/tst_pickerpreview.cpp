#include <hx/device/displayinfo.h>
#include <hx/system/localehandler.h>
#include <hx/trellan/navigationpane.h>
#include <hx/trellan/places/mapdock.h>
#include <hx/trellan/places/pickerpreview.h>
#include <hx/trellan/places/pickerpreviewselect.h>
#include <hx/trellan/screentext.h>
#include <hx/trellan/scrollview.h>
#include <hx/trellan/testdriver.h>

#include <QtTest/QSignalSpy>
#include <QtTest/QtTest>

#include "storefixture.h"
#include "testroots.h"

using namespace hx::platform::places;
using namespace hx::trellan::places;
using hx::test::StoreFixture;
using hx::trellan::NavigationPane;
using hx::trellan::ScreenText;
using hx::trellan::TestDriver;

namespace {

QSharedPointer<Place> storedCafe()
{
    return QSharedPointer<Place>(new Place(StoreFixture::addFavorite(QStringLiteral("Café Nord"), 43.4643, -80.5204)));
}

} // namespace

class tst_PickerPreview : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void showsThePlace();
    void nullPlaceGivesAnEmptyPreview();
    void touchingTheMapAsksForTheMap();
    void selectConfirmsOncePerTrigger();
    void followsTheLanguage();

private:
    QScopedPointer<hx::test::TestRoots> m_roots;
};

void tst_PickerPreview::init()
{
    m_roots.reset(new hx::test::TestRoots);
    QVERIFY(m_roots->isValid());
    hx::system::LocaleHandler::setLanguage(QStringLiteral("en_US"));
}

void tst_PickerPreview::cleanup()
{
    QTRY_COMPARE(QThreadPool::globalInstance()->activeThreadCount(), 0);
    m_roots.reset();
}

void tst_PickerPreview::showsThePlace()
{
    // Without a position, as the new selector passes it.
    PickerPreview preview(storedCafe(), Coordinates());
    QVERIFY(preview.dock());
    QSignalSpy loaded(preview.dock(), &MapDock::imageLoaded);
    QVERIFY(loaded.wait(10000));
    const QString screen = ScreenText::render(&preview);
    QVERIFY2(screen.contains(QStringLiteral("Café Nord")), qPrintable(screen));
    QVERIFY2(TestDriver::findOnScreen(&preview, QStringLiteral("MapImage")), qPrintable(screen));
    auto *scroll = TestDriver::find<hx::trellan::ScrollView>(&preview, QStringLiteral("PickerPreviewScroll"));
    QVERIFY(scroll);
    QCOMPARE(scroll->preferredHeight(), float(hx::device::DisplayInfo().pixelSize().height()));
    QCOMPARE(preview.actionCount(), 0);
}

void tst_PickerPreview::nullPlaceGivesAnEmptyPreview()
{
    PickerPreview preview { QSharedPointer<Place>(), Coordinates() };
    QSignalSpy map(&preview, &PickerPreview::mapItAction);
    QVERIFY(!preview.dock());
    const QString screen = ScreenText::render(&preview);
    QVERIFY2(screen.contains(QStringLiteral("Place Details")), qPrintable(screen));
    QVERIFY2(!TestDriver::find(&preview, QStringLiteral("MapPreview")), qPrintable(screen));
    TestDriver::tap(&preview, QStringLiteral("PickerPreviewContent"));
    QCOMPARE(map.size(), 0);
}

void tst_PickerPreview::touchingTheMapAsksForTheMap()
{
    PickerPreview preview(storedCafe(), Coordinates());
    QSignalSpy map(&preview, &PickerPreview::mapItAction);
    for (int touch = 1; touch <= 2; ++touch) {
        QVERIFY2(TestDriver::tap(&preview, QStringLiteral("MapPreview")), qPrintable(TestDriver::lastError()));
        QCOMPARE(map.size(), touch);
    }
}

void tst_PickerPreview::selectConfirmsOncePerTrigger()
{
    NavigationPane pane;
    pane.push(new hx::trellan::Page);
    auto *preview = new PickerPreviewSelect(storedCafe(), Coordinates());
    pane.push(preview);
    QSignalSpy selected(preview, &PickerPreviewSelect::selected);
    const QString screen = ScreenText::render(&pane);
    QVERIFY2(screen.contains(QStringLiteral("Select (focused) (signature)")), qPrintable(screen));
    for (int trigger = 1; trigger <= 2; ++trigger) {
        QVERIFY2(TestDriver::triggerAction(&pane, QStringLiteral("Select")), qPrintable(TestDriver::lastError()));
        QCOMPARE(selected.size(), trigger);
        QCOMPARE(pane.top(), preview);
    }
}

void tst_PickerPreview::followsTheLanguage()
{
    PickerPreviewSelect preview { QSharedPointer<Place>(), Coordinates() };
    QVERIFY(TestDriver::findAction(&preview, QStringLiteral("Select")));
    hx::system::LocaleHandler::setLanguage(QStringLiteral("fr"));
    QTRY_VERIFY2(ScreenText::render(&preview).contains(QStringLiteral("Détails du lieu")),
                 qPrintable(ScreenText::render(&preview)));
    QVERIFY2(!TestDriver::findAction(&preview, QStringLiteral("Select")), qPrintable(ScreenText::render(&preview)));
}

QTEST_MAIN(tst_PickerPreview)
#include "tst_pickerpreview.moc"

#include <QtTest/QtTest>

#include <hx/platform/places/placemanager.h>
#include <hx/platform/places/tags.h>
#include <hx/system/localehandler.h>
#include <hx/trellan/listview.h>
#include <hx/trellan/navigationpane.h>
#include <hx/trellan/page.h>
#include <hx/trellan/places/itemiconcommon.h>
#include <hx/trellan/places/myplaceslistitembuilder.h>
#include <hx/trellan/places/searchlistitemmanager.h>
#include <hx/trellan/places/singlesearchalldatamodel.h>
#include <hx/trellan/screentext.h>
#include <hx/trellan/testdriver.h>

#include "gazetteerfixture.h"
#include "ppsstatusfile.h"
#include "signalwaiter.h"
#include "storefixture.h"
#include "testroots.h"

#include <memory>

using namespace hx::trellan::places;
using namespace hx::test;
using hx::platform::places::Coordinates;
using hx::platform::places::GazetteerEntry;
using hx::trellan::ScreenText;
using hx::trellan::TestDriver;

namespace {

const QString UOM = QStringLiteral("/pps/services/locale/uom");
const QByteArray Metric("@uom\nuom::metric\n");
const QByteArray Imperial("@uom\nuom::imperial\nsubuom::feet/miles\n");
// Rows measure from here; 0.01 degree of latitude is about 1.1 km.
const Coordinates searchCentre(43.50, -80.25);

// A search list as a selector shows it: a page whose list view draws a real search model's rows.
struct Screen
{
    hx::trellan::NavigationPane pane;
    hx::trellan::ListView *list = new hx::trellan::ListView;
    SingleSearchAllDataModel model { false };
    SearchListItemManager rows { QSharedPointer<PlacesListItemBuilder>(new MyPlacesListItemBuilder) };

    Screen()
    {
        list->setObjectName(QStringLiteral("Results"));
        list->setListItemProvider(&rows);
        list->setDataModel(&model);
        auto *page = new hx::trellan::Page;
        page->setContent(list);
        pane.push(page);
        rows.updateSearchCoordinates(searchCentre);
    }

    bool load(const QString &text, FilterCategory::Type category)
    {
        QSignalSpy final(&model, &PlacesDataModel::modelLoadedFinal);
        model.load(text, searchCentre, { category }, true);
        if (!SignalWaiter::wait(final))
            return false;
        list->syncNow();
        return true;
    }

    QString text() { return ScreenText::render(&pane); }

    // The screen line of a row, without its index and key.
    QString row(int index)
    {
        const QString head = QStringLiteral("[%1] ").arg(index);
        for (const QString &line : text().split(QLatin1Char('\n'))) {
            const QString trimmed = line.trimmed();
            if (trimmed.startsWith(head))
                return trimmed.mid(trimmed.indexOf(QLatin1String(": ")) + 2);
        }
        return QString();
    }
};

} // namespace

class tst_ItemIconCommon : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void whatARowShows_data();
    void whatARowShows();
    void favouritesTabHidesTheCornerMark();
    void distancesInTheUsersUnits_data();
    void distancesInTheUsersUnits();
    void addressLinesFromTheLabel_data();
    void addressLinesFromTheLabel();
    void tapsOnTheRowParts_data();
    void tapsOnTheRowParts();
    void rowsFollowTheLanguage();

private:
    void writeGazetteer();

    std::unique_ptr<TestRoots> m_roots;
};

void tst_ItemIconCommon::init()
{
    m_roots.reset(new TestRoots);
    QVERIFY(m_roots->isValid());
    QVERIFY(PpsStatusFile::write(UOM, Metric));
    writeGazetteer();
}

void tst_ItemIconCommon::cleanup()
{
    hx::system::LocaleHandler::setLanguage(QStringLiteral("en"));
    m_roots.reset();
}

void tst_ItemIconCommon::writeGazetteer()
{
    GazetteerEntry rated = GazetteerFixture::poi(QStringLiteral("Cafe Rated"), 43.51, -80.25);
    rated.street = QStringLiteral("7 Erb Street");
    rated.city = QStringLiteral("Waterloo");
    rated.rating = 4.5;
    rated.ratingCount = 12;
    GazetteerEntry address
        = GazetteerFixture::entry(GazetteerEntry::Address, QStringLiteral("9 Cafe Lane"), 43.52, -80.25);
    address.street = QStringLiteral("9 Cafe Lane");
    address.city = QStringLiteral("Waterloo");
    QVERIFY(GazetteerFixture::write(m_roots->gazetteerPath(), { rated, address }));
}

void tst_ItemIconCommon::whatARowShows_data()
{
    QTest::addColumn<int>("category");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("measureFarAway"); // the rows measure from 1 degree north of the search
    QTest::addColumn<QString>("row");

    QTest::newRow("a favourite restaurant: its kind's icon and the corner mark")
        << int(FilterCategory::MyPlaces) << "cafe" << false
        << "[img ic_food.png] | [img CornerFavorite.png] | Cafe Nord | 1 King Street | Waterloo | 1.1 km | "
           "[img cc_more.png]";
    QTest::newRow("a contact") << int(FilterCategory::Contacts) << "turing" << false
                               << "[img ic_contact_home.png] | Alan Turing | 5 Queen Street | Kitchener, Canada | "
                                  "[img cc_more.png]";
    const QString rated = QStringLiteral("[img ic_poi.png] | Cafe Rated | 7 Erb Street | Waterloo | "
                                         "[img stars_large@2x_4.5star.png] | (12) | %1 | [img cc_more.png]");
    QTest::newRow("a point of interest with its rating")
        << int(FilterCategory::Pois) << "cafe" << false << rated.arg("1.1 km");
    QTest::newRow("a point of interest measured from the rows' search coordinates")
        << int(FilterCategory::Pois) << "cafe" << true << rated.arg("110 km");
    QTest::newRow("an address") << int(FilterCategory::Addresses) << "cafe lane" << false
                                << "[img ic_poi.png] | 9 Cafe Lane | 9 Cafe Lane | Waterloo | 2.2 km | "
                                   "[img cc_more.png]";
}

void tst_ItemIconCommon::whatARowShows()
{
    QFETCH(int, category);
    QFETCH(QString, text);
    QFETCH(bool, measureFarAway);
    QFETCH(QString, row);

    hx::platform::places::Place favourite = StoreFixture::makePlace(
        QStringLiteral("Cafe Nord"), 43.51, -80.25, QStringLiteral("1 King Street"), QStringLiteral("Waterloo"));
    favourite.addTag(QLatin1String(hx::platform::places::Tags::Favorite));
    favourite.addTag(QLatin1String(hx::platform::places::Tags::Restaurant));
    hx::platform::places::PlaceManager manager;
    QCOMPARE(int(manager.addPlace(favourite)), 0);
    StoreFixture::addContact(QStringLiteral("Alan"), QStringLiteral("Turing"), QStringLiteral("5 Queen Street"),
                             QStringLiteral("Kitchener"));

    Screen screen;
    if (measureFarAway)
        screen.rows.updateSearchCoordinates(Coordinates(searchCentre.latitude() + 1.0, searchCentre.longitude()));
    QVERIFY(screen.load(text, FilterCategory::Type(category)));
    QTRY_COMPARE_WITH_TIMEOUT(screen.row(1), row, 3000);
}

void tst_ItemIconCommon::favouritesTabHidesTheCornerMark()
{
    hx::platform::places::Place favourite = StoreFixture::makePlace(QStringLiteral("Cafe Nord"), 43.51, -80.25);
    favourite.addTag(QLatin1String(hx::platform::places::Tags::Favorite));
    favourite.addTag(QLatin1String(hx::platform::places::Tags::Restaurant));
    hx::platform::places::PlaceManager manager;
    QCOMPARE(int(manager.addPlace(favourite)), 0);

    Screen screen;
    screen.rows.setFilter(TitleBarTab::Favorites);
    QVERIFY(screen.load(QStringLiteral("cafe"), FilterCategory::MyPlaces));
    const QString row = screen.row(1);
    QVERIFY2(row.startsWith(QLatin1String("[img ic_food.png] | Cafe Nord")), qPrintable(screen.text()));
    QVERIFY2(!row.contains(QLatin1String("CornerFavorite")), qPrintable(screen.text()));
}

void tst_ItemIconCommon::distancesInTheUsersUnits_data()
{
    QTest::addColumn<QByteArray>("uom");
    QTest::addColumn<QString>("distance");

    QTest::newRow("metric") << Metric << "| 1.1 km |";
    QTest::newRow("imperial") << Imperial << "| 0.7 mi |";
}

void tst_ItemIconCommon::distancesInTheUsersUnits()
{
    QFETCH(QByteArray, uom);
    QFETCH(QString, distance);

    QVERIFY(PpsStatusFile::write(UOM, uom));
    Screen screen;
    QVERIFY(screen.load(QStringLiteral("cafe"), FilterCategory::Pois));
    QTRY_VERIFY2(screen.row(1).contains(distance), qPrintable(screen.text()));
}

void tst_ItemIconCommon::addressLinesFromTheLabel_data()
{
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("line1");
    QTest::addColumn<QString>("line2");

    QTest::newRow("one comma splits the label in two") << "  12 Old   Mill Road ,  Elora  "
                                                       << "12 Old Mill Road"
                                                       << "Elora";
    QTest::newRow("only the first comma splits") << "Mill Road, Elora, Ontario"
                                                 << "Mill Road"
                                                 << "Elora, Ontario";
    QTest::newRow("no comma gives one line") << "Elora"
                                             << "Elora"
                                             << "";
}

void tst_ItemIconCommon::addressLinesFromTheLabel()
{
    QFETCH(QString, label);
    QFETCH(QString, line1);
    QFETCH(QString, line2);

    hx::platform::places::Address address;
    address.setLabel(label);
    hx::platform::places::Place place(QStringLiteral("Mill"),
                                      hx::platform::places::Location(Coordinates(43.68, -80.43), address));
    ItemIconCommon item;
    item.init(nullptr);
    item.updateListItemDescription({ 0 }, &place, TitleBarTab::None, false);
    QCOMPARE(item.getAddressLine1(), line1);
    QCOMPARE(item.getAddressLine2(), line2);
    // An empty line is not shown at all.
    const QString shown = ScreenText::texts(&item);
    QCOMPARE(shown.split(QStringLiteral(" | ")).contains(QString()), false);
    QCOMPARE(shown.contains(line1), true);
}

void tst_ItemIconCommon::tapsOnTheRowParts_data()
{
    QTest::addColumn<QString>("part");
    QTest::addColumn<int>("titleTaps");
    QTest::addColumn<int>("infoTaps");

    QTest::newRow("the name picks the place") << "ItemTitle" << 1 << 0;
    QTest::newRow("the more-details circle asks for the details only") << "MoreInfoCircle" << 0 << 1;
}

void tst_ItemIconCommon::tapsOnTheRowParts()
{
    QFETCH(QString, part);
    QFETCH(int, titleTaps);
    QFETCH(int, infoTaps);

    Screen screen;
    QVERIFY(screen.load(QStringLiteral("cafe"), FilterCategory::Pois));
    QSignalSpy title(&screen.rows, &SearchListItemManager::titleClicked);
    QSignalSpy info(&screen.rows, &SearchListItemManager::infoClicked);
    QVERIFY2(TestDriver::tapRowPart(&screen.pane, QStringLiteral("Results"), { 1 }, part),
             qPrintable(TestDriver::lastError()));
    QCOMPARE(title.count(), titleTaps);
    QCOMPARE(info.count(), infoTaps);
    QSignalSpy &tapped = titleTaps ? title : info;
    QCOMPARE(tapped.first().first().toList(), QVariantList { 1 });
}

void tst_ItemIconCommon::rowsFollowTheLanguage()
{
    Screen screen;
    QVERIFY(screen.load(QStringLiteral("cafe"), FilterCategory::Pois));
    QTRY_VERIFY2(screen.text().contains(QLatin1String("[0] HEADER_POI: Points of Interest")),
                 qPrintable(screen.text()));
    hx::system::LocaleHandler::setLanguage(QStringLiteral("fr"));
    QTRY_VERIFY2(screen.text().contains(QStringLiteral("[0] HEADER_POI: Points d'intérêt")), qPrintable(screen.text()));
    // The place row keeps the user's data as it was.
    QVERIFY2(screen.row(1).contains(QLatin1String("| Cafe Rated |")), qPrintable(screen.text()));
}

QTEST_MAIN(tst_ItemIconCommon)
#include "tst_itemiconcommon.moc"

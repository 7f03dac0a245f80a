#include <QtTest/QtTest>

#include <hx/platform/places/placemanager.h>
#include <hx/system/localehandler.h>
#include <hx/trellan/contextmenu.h>
#include <hx/trellan/listview.h>
#include <hx/trellan/navigationpane.h>
#include <hx/trellan/page.h>
#include <hx/trellan/places/itemicon.h>
#include <hx/trellan/places/searchlistitemmanager.h>
#include <hx/trellan/places/singlesearchalldatamodel.h>
#include <hx/trellan/places/tcsitemiconcommon.h>
#include <hx/trellan/places/tcsplaceslistitembuilder.h>
#include <hx/trellan/screentext.h>
#include <hx/trellan/testdriver.h>

#include "ppsstatusfile.h"
#include "signalwaiter.h"
#include "storefixture.h"
#include "testroots.h"

#include <memory>

using namespace hx::trellan::places;
using namespace hx::test;
using hx::platform::places::Coordinates;
using hx::platform::places::Place;
using hx::trellan::ScreenText;
using hx::trellan::TestDriver;

namespace {

// The My Places rows with their map actions, over the stored places whose names hold "cafe".
struct Screen
{
    hx::trellan::NavigationPane pane;
    hx::trellan::ListView *list = new hx::trellan::ListView;
    SingleSearchAllDataModel model { false };
    SearchListItemManager rows { QSharedPointer<PlacesListItemBuilder>(new TCSPlacesListItemBuilder) };

    Screen()
    {
        list->setObjectName(QStringLiteral("Results"));
        list->setListItemProvider(&rows);
        list->setDataModel(&model);
        auto *page = new hx::trellan::Page;
        page->setContent(list);
        pane.push(page);
    }

    bool load(const QString &text = QStringLiteral("cafe"))
    {
        QSignalSpy final(&model, &PlacesDataModel::modelLoadedFinal);
        model.load(text, Coordinates(), { FilterCategory::MyPlaces }, true);
        if (!SignalWaiter::wait(final))
            return false;
        list->syncNow();
        return true;
    }

    // The row of the place with this name.
    int rowOf(const QString &name)
    {
        for (int row = 0; row < list->rowCount(); ++row) {
            if (ScreenText::texts(list->rowItem(row)).contains(QStringLiteral("| %1 |").arg(name)))
                return row;
        }
        return -1;
    }

    // The titles of the row's context menu, as the open menu shows them.
    QStringList menu(int row)
    {
        if (!TestDriver::openRowContextMenu(&pane, QStringLiteral("Results"), { row }))
            return { TestDriver::lastError() };
        QStringList titles;
        bool inMenu = false;
        for (const QString &line : ScreenText::render(&pane).split(QLatin1Char('\n'))) {
            if (line.startsWith(QLatin1String("ContextMenu")))
                inMenu = true;
            else if (inMenu && line.startsWith(QLatin1String("  ")))
                titles.append(line.trimmed().section(QLatin1String(" [img"), 0, 0));
            else if (inMenu)
                break;
        }
        hx::trellan::TestDriver::closeContextMenu();
        return titles;
    }
};

} // namespace

class tst_TCSItemIconCommon : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void actionsOfEachKindOfPlace_data();
    void actionsOfEachKindOfPlace();
    void eachActionEmitsItsCode_data();
    void eachActionEmitsItsCode();
    void menuFollowsTheLanguage();

private:
    std::unique_ptr<TestRoots> m_roots;
};

void tst_TCSItemIconCommon::init()
{
    m_roots.reset(new TestRoots);
    QVERIFY(m_roots->isValid());
    StoreFixture::addFavorite(QStringLiteral("Cafe Favourite"), 43.40, -80.50);
    StoreFixture::addRecent(QStringLiteral("Cafe Recent"), 43.41, -80.50);
    Place home = StoreFixture::makePlace(QStringLiteral("Cafe Home"), 43.42, -80.50);
    home.addTag(QStringLiteral("favorite"));
    home.addTag(QStringLiteral("myhome"));
    Place work = StoreFixture::makePlace(QStringLiteral("Cafe Work"), 43.43, -80.50);
    work.addTag(QStringLiteral("favorite"));
    work.addTag(QStringLiteral("mywork"));
    hx::platform::places::PlaceManager manager;
    QCOMPARE(int(manager.addPlace(home)), 0);
    QCOMPARE(int(manager.addPlace(work)), 0);
}

void tst_TCSItemIconCommon::cleanup()
{
    hx::trellan::TestDriver::closeContextMenu();
    hx::system::LocaleHandler::setLanguage(QStringLiteral("en"));
    m_roots.reset();
}

void tst_TCSItemIconCommon::actionsOfEachKindOfPlace_data()
{
    QTest::addColumn<QString>("place");
    QTest::addColumn<QStringList>("actions");

    const QStringList always { "Map", "Go", "Plan Route", "Share", "View Details" };
    QTest::newRow("a place that is no favourite can become one")
        << "Cafe Recent" << QStringList { "Favorite" } + always;
    QTest::newRow("a favourite can be edited and unfavourited")
        << "Cafe Favourite" << always + QStringList { "Edit", "Unfavorite" };
    QTest::newRow("home offers Delete Home, neither Favorite nor Unfavorite")
        << "Cafe Home" << always + QStringList { "Edit", "Delete Home" };
    QTest::newRow("work offers Delete Work") << "Cafe Work" << always + QStringList { "Edit", "Delete Work" };
}

void tst_TCSItemIconCommon::actionsOfEachKindOfPlace()
{
    QFETCH(QString, place);
    QFETCH(QStringList, actions);

    Screen screen;
    QVERIFY(screen.load());
    const int row = screen.rowOf(place);
    QVERIFY2(row > 0, qPrintable(ScreenText::render(&screen.pane)));
    QCOMPARE(screen.menu(row), actions);

    // Filtered down to this place, its row is the one that showed the top place before.
    QVERIFY(screen.load(place));
    QCOMPARE(screen.rowOf(place), 1);
    QCOMPARE(screen.menu(1), actions);
}

void tst_TCSItemIconCommon::eachActionEmitsItsCode_data()
{
    QTest::addColumn<QString>("place");
    QTest::addColumn<QString>("action");
    QTest::addColumn<int>("code");

    QTest::newRow("Favorite") << "Cafe Recent"
                              << "FavoriteAction" << 3;
    QTest::newRow("Map") << "Cafe Recent"
                         << "MapAction" << 1;
    QTest::newRow("Go") << "Cafe Recent"
                        << "GoAction" << 2;
    QTest::newRow("Plan Route") << "Cafe Recent"
                                << "PlanRouteAction" << 9;
    QTest::newRow("Share") << "Cafe Recent"
                           << "ShareAction" << 4;
    QTest::newRow("View Details") << "Cafe Favourite"
                                  << "ViewDetailsAction" << 5;
    QTest::newRow("Edit") << "Cafe Favourite"
                          << "EditAction" << 7;
    QTest::newRow("Unfavorite toggles like Favorite") << "Cafe Favourite"
                                                      << "UnfavoriteAction" << 3;
    QTest::newRow("Delete Home") << "Cafe Home"
                                 << "DeleteHomeAction" << 8;
    QTest::newRow("Delete Work") << "Cafe Work"
                                 << "DeleteWorkAction" << 8;
}

void tst_TCSItemIconCommon::eachActionEmitsItsCode()
{
    QFETCH(QString, place);
    QFETCH(QString, action);
    QFETCH(int, code);

    Screen screen;
    QVERIFY(screen.load());
    const int row = screen.rowOf(place);
    QVERIFY2(row > 0, qPrintable(ScreenText::render(&screen.pane)));
    auto *item = qobject_cast<ItemIcon *>(screen.list->rowItem(row));
    QVERIFY(item);
    auto *content = qobject_cast<TCSItemIconCommon *>(item->immediateContent());
    QVERIFY(content);
    QSignalSpy byPath(item, &ItemIcon::contextActionTriggered);
    QSignalSpy byPlace(content, QOverload<int, QSharedPointer<Place>>::of(&TCSItemIconCommon::contextActionTriggered));
    QVERIFY2(TestDriver::triggerRowAction(&screen.pane, QStringLiteral("Results"), { row }, action),
             qPrintable(TestDriver::lastError()));
    QCOMPARE(byPath.count(), 1);
    QCOMPARE(byPath.first().at(0).toInt(), code);
    QCOMPARE(byPath.first().at(1).toList(), QVariantList { row });
    QCOMPARE(byPlace.count(), 1);
    QCOMPARE(byPlace.first().at(0).toInt(), code);
    const auto picked = byPlace.first().at(1).value<QSharedPointer<Place>>();
    QVERIFY(picked);
    QCOMPARE(picked->name(), place);
}

void tst_TCSItemIconCommon::menuFollowsTheLanguage()
{
    Screen screen;
    QVERIFY(screen.load());
    const int row = screen.rowOf(QStringLiteral("Cafe Home"));
    QVERIFY(row > 0);
    QCOMPARE(screen.menu(row).first(), QStringLiteral("Map"));
    hx::system::LocaleHandler::setLanguage(QStringLiteral("fr"));
    QTRY_COMPARE(screen.menu(row),
                 (QStringList { "Carte", "Y aller", "Planifier l'itinéraire", "Partager", "Afficher les détails",
                                "Modifier", "Supprimer le domicile" }));
}

QTEST_MAIN(tst_TCSItemIconCommon)
#include "tst_tcsitemiconcommon.moc"

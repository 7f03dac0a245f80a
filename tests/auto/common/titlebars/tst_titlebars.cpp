#include <hx/platform/places/category.h>
#include <hx/platform/places/contactauxiliarydata.h>
#include <hx/platform/places/pointofinterestauxiliarydata.h>
#include <hx/platform/places/tags.h>
#include <hx/system/localehandler.h>
#include <hx/trellan/actionitem.h>
#include <hx/trellan/label.h>
#include <hx/trellan/places/imageset.h>
#include <hx/trellan/places/placeutils.h>
#include <hx/trellan/places/placeviewmode.h>
#include <hx/trellan/places/titlebarnew.h>
#include <hx/trellan/places/titlebarview.h>
#include <hx/trellan/places/translatablevaluelist.h>
#include <hx/trellan/screentext.h>
#include <hx/trellan/testdriver.h>

#include "testroots.h"

#include <QtTest/QtTest>

using namespace hx::platform::places;
using namespace hx::trellan::places;
using hx::trellan::ScreenText;
using hx::trellan::TestDriver;

namespace {

Place named(const QString &name)
{
    return Place(name, Location(Coordinates(43.46, -80.52), Address()));
}

PointOfInterestAuxiliaryData withCategories(const QList<Category> &categories)
{
    PointOfInterestAuxiliaryData poi;
    poi.setCategories(categories);
    return poi;
}

} // namespace

class tst_TitleBars : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void newPlaceTitleFollowsTheType_data();
    void newPlaceTitleFollowsTheType();
    void viewTitle_data();
    void viewTitle();
    void categoryLine_data();
    void categoryLine();
    void homeAndWorkPictures_data();
    void homeAndWorkPictures();
    void titlesFollowTheLanguage();
};

void tst_TitleBars::initTestCase()
{
    // The subcategory names come from the library's settings.
    PlaceUtils::init();
    hx::system::LocaleHandler::setLanguage(QStringLiteral("en_US"));
}

void tst_TitleBars::cleanup()
{
    hx::system::LocaleHandler::setLanguage(QStringLiteral("en_US"));
}

void tst_TitleBars::newPlaceTitleFollowsTheType_data()
{
    QTest::addColumn<int>("initial");
    QTest::addColumn<QList<int>>("chosen");
    QTest::addColumn<QString>("title");
    QTest::newRow("a favourite") << 0 << QList<int>() << "Add Favorite";
    QTest::newRow("work") << 2 << QList<int>() << "Add Work";
    QTest::newRow("home chosen in the drop-down") << 0 << QList<int> { 1 } << "Add Home";
    QTest::newRow("an unknown choice keeps the title") << 0 << QList<int> { 1, 3 } << "Add Home";
    QTest::newRow("an unknown type starts untitled") << 7 << QList<int>() << "";
}

void tst_TitleBars::newPlaceTitleFollowsTheType()
{
    QFETCH(int, initial);
    QFETCH(QList<int>, chosen);
    QFETCH(QString, title);
    TitleBarNew bar(initial);
    for (int index : chosen)
        bar.onSelectedIndexChanged(index);
    QCOMPARE(bar.title(), title);
    QCOMPARE(bar.dismissAction()->objectName(), QStringLiteral("CancelEditAction"));
    QCOMPARE(bar.dismissAction()->title(), QStringLiteral("Cancel"));
    QCOMPARE(bar.acceptAction()->objectName(), QStringLiteral("SaveEditAction"));
    QCOMPARE(bar.acceptAction()->title(), QStringLiteral("Save"));
}

void tst_TitleBars::viewTitle_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("title");
    QTest::newRow("the place's name") << "Café Pyrus" << int(PlaceViewMode::View) << "Café Pyrus";
    QTest::newRow("a place without a name") << "" << int(PlaceViewMode::View) << "Place Details";
    QTest::newRow("the assistant's own location") << "Café Pyrus" << int(PlaceViewMode::ZantB) << "Your location";
    QTest::newRow("the assistant's place card") << "Café Pyrus" << int(PlaceViewMode::ZantC) << "Place Details";
}

void tst_TitleBars::viewTitle()
{
    QFETCH(QString, name);
    QFETCH(int, mode);
    QFETCH(QString, title);
    TitleBarView bar(named(name), mode);
    QCOMPARE(bar.titleLabel()->text(), title);
    QVERIFY2(ScreenText::render(&bar).contains(title), qPrintable(ScreenText::render(&bar)));
}

void tst_TitleBars::categoryLine_data()
{
    QTest::addColumn<QList<Category>>("categories");
    QTest::addColumn<QString>("line"); // empty: no category line, a two-line title instead
    QTest::newRow("known subcategories in order")
        << QList<Category> { Category("AE", "", { "AEE", "AEH" }) } << "Coffee Shops and Italian Restaurants";
    QTest::newRow("an unknown subcategory names its parent first")
        << QList<Category> { Category("AE", "", { "AEE", "AEZZZ", "AEQQQ" }) } << "Restaurants & Bars and Coffee Shops";
    QTest::newRow("no valid category") << QList<Category> { Category("ZZ", "", { "AEE" }) } << "";
    QTest::newRow("no category at all") << QList<Category>() << "";
}

void tst_TitleBars::categoryLine()
{
    QFETCH(QList<Category>, categories);
    QFETCH(QString, line);
    Place place = named(QStringLiteral("Café Pyrus"));
    place.addAuxiliaryData(withCategories(categories));
    TitleBarView bar(place, PlaceViewMode::View);
    if (line.isEmpty()) {
        QVERIFY(!bar.categories());
        QVERIFY(bar.titleLabel()->isMultiline());
        QCOMPARE(bar.titleLabel()->maxLineCount(), 2);
        return;
    }
    QVERIFY(bar.categories());
    QCOMPARE(bar.categories()->text(), line);
    QVERIFY(!bar.titleLabel()->isMultiline());
}

void tst_TitleBars::homeAndWorkPictures_data()
{
    QTest::addColumn<bool>("contact");
    QTest::addColumn<QStringList>("tags");
    QTest::addColumn<QString>("picture");
    QTest::newRow("my home") << false << QStringList { Tags::MyHome } << "MY_HOME";
    QTest::newRow("my work") << false << QStringList { Tags::MyWork } << "MY_WORK";
    QTest::newRow("a contact's work address") << true << QStringList { Tags::Home, Tags::Work } << "CONTACT_WORK";
    QTest::newRow("a contact's home address") << true << QStringList { Tags::Home } << "CONTACT_HOME";
    QTest::newRow("a contact's tags mean nothing on other places") << false << QStringList { Tags::Home } << "NONE";
    QTest::newRow("a plain favourite") << false << QStringList { Tags::Favorite } << "NONE";
}

void tst_TitleBars::homeAndWorkPictures()
{
    QFETCH(bool, contact);
    QFETCH(QStringList, tags);
    QFETCH(QString, picture);
    Place place = named(QStringLiteral("Somewhere"));
    for (const QString &tag : tags)
        place.addTag(tag);
    if (contact)
        place.addAuxiliaryData(ContactAuxiliaryData());
    const QMap<QString, hx::trellan::Image> pictures { { "MY_HOME", ImageSet::MY_HOME() },
                                                       { "MY_WORK", ImageSet::MY_WORK() },
                                                       { "CONTACT_WORK", ImageSet::CONTACT_WORK() },
                                                       { "CONTACT_HOME", ImageSet::CONTACT_HOME() },
                                                       { "NONE", ImageSet::NONE() } };
    QVERIFY(TitleBarView::getWorkHomePicture(place) == pictures.value(picture));
    TitleBarView bar(place, PlaceViewMode::View);
    QCOMPARE(TestDriver::findOnScreen(&bar, QStringLiteral("TitleBarViewPicture")) != nullptr, picture != "NONE");
}

void tst_TitleBars::titlesFollowTheLanguage()
{
    TitleBarNew editor(1);
    TitleBarView view(named(QString()), PlaceViewMode::View);
    hx::system::LocaleHandler::setLanguage(QStringLiteral("fr_FR"));
    QTRY_COMPARE(editor.title(), QStringLiteral("Ajouter le domicile"));
    QCOMPARE(editor.dismissAction()->title(), QStringLiteral("Annuler"));
    QCOMPARE(editor.acceptAction()->title(), QStringLiteral("Enregistrer"));
    QCOMPARE(view.titleLabel()->text(), QStringLiteral("Détails du lieu"));
}

QTEST_GUILESS_MAIN(tst_TitleBars)
#include "tst_titlebars.moc"

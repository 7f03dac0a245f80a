#include <QtTest/QtTest>

#include <hx/system/localehandler.h>
#include <hx/trellan/container.h>
#include <hx/trellan/option.h>
#include <hx/trellan/page.h>
#include <hx/trellan/places/titlebartab.h>
#include <hx/trellan/screentext.h>
#include <hx/trellan/testdriver.h>

using hx::trellan::ScreenText;
using hx::trellan::TestDriver;
using namespace hx::trellan::places;

namespace {

struct TabbedPage
{
    hx::trellan::Page page;
    TitleBarTab *bar = new TitleBarTab;

    TabbedPage()
    {
        page.setTitleBar(bar);
        page.setContent(new hx::trellan::Container);
    }
    QString text() { return ScreenText::render(&page); }
};

} // namespace

class tst_TitleBarTab : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();
    void eachTabListsItsCategory_data();
    void eachTabListsItsCategory();
    void indexesOutsideTheTabsAreNone_data();
    void indexesOutsideTheTabsAreNone();
    void theTabsFollowTheLanguage();
};

void tst_TitleBarTab::cleanup()
{
    hx::system::LocaleHandler::setLanguage(QStringLiteral("en"));
}

void tst_TitleBarTab::eachTabListsItsCategory_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("category");

    QTest::newRow("recents are listed by the time of their last use") << 0 << "RecentsTab"
                                                                      << "Recents" << int(FilterCategory::RecentGroup5);
    QTest::newRow("favorites") << 1 << "FavoritesTab"
                               << "Favorites" << int(FilterCategory::Favorites);
    QTest::newRow("contacts") << 2 << "ContactsTab"
                              << "Contacts" << int(FilterCategory::Contacts);
}

void tst_TitleBarTab::eachTabListsItsCategory()
{
    QFETCH(int, index);
    QFETCH(QString, name);
    QFETCH(QString, text);
    QFETCH(int, category);

    TabbedPage screen;
    QCOMPARE(screen.bar->selectedIndex(), 0);
    QCOMPARE(screen.bar->optionCount(), 3);
    QCOMPARE(screen.bar->optionAt(index)->objectName(), name);
    QVERIFY2(screen.text().contains(text), qPrintable(screen.text()));

    QSignalSpy changed(screen.bar, &TitleBarTab::selectedIndexChanged);
    QVERIFY2(TestDriver::chooseOption(&screen.page, QStringLiteral("TitleBarTab"), index),
             qPrintable(TestDriver::lastError()));
    QCOMPARE(screen.bar->selectedIndex(), index);
    QCOMPARE(changed.count(), index == 0 ? 0 : 1);
    QCOMPARE(int(TitleBarTab::toFilterCategory(TitleBarTab::tab(screen.bar->selectedIndex()))), category);
}

void tst_TitleBarTab::indexesOutsideTheTabsAreNone_data()
{
    QTest::addColumn<int>("index");
    QTest::newRow("before the first tab") << -1;
    QTest::newRow("after the last tab") << 3;
}

void tst_TitleBarTab::indexesOutsideTheTabsAreNone()
{
    QFETCH(int, index);
    QCOMPARE(TitleBarTab::tab(index), TitleBarTab::None);
    QCOMPARE(TitleBarTab::toFilterCategory(TitleBarTab::tab(index)), FilterCategory::None);
}

void tst_TitleBarTab::theTabsFollowTheLanguage()
{
    TabbedPage screen;
    hx::system::LocaleHandler::setLanguage(QStringLiteral("fr"));
    QTRY_VERIFY2(screen.text().contains(QStringLiteral("Récents")), qPrintable(screen.text()));
    QVERIFY2(screen.text().contains(QLatin1String("Favoris")), qPrintable(screen.text()));
}

QTEST_MAIN(tst_TitleBarTab)
#include "tst_titlebartab.moc"

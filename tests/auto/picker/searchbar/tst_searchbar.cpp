#include <QtTest/QtTest>

#include <hx/device/simulateddevice.h>
#include <hx/system/localehandler.h>
#include <hx/trellan/container.h>
#include <hx/trellan/label.h>
#include <hx/trellan/page.h>
#include <hx/trellan/places/searchbar.h>
#include <hx/trellan/screentext.h>
#include <hx/trellan/testdriver.h>
#include <hx/trellan/textfield.h>

using hx::device::SimulatedDevice;
using hx::trellan::ScreenText;
using hx::trellan::TestDriver;
using namespace hx::trellan::places;

namespace {

// A list screen with a filter bar over it, the bar hearing the keys typed on the list.
struct FilteredList
{
    hx::trellan::Page page;
    hx::trellan::Container *root = new hx::trellan::Container;
    SearchBar *bar = new SearchBar;
    QStringList filters;

    FilteredList()
    {
        root->add(bar);
        auto *rows = new hx::trellan::Label;
        rows->setText(QStringLiteral("Kitchener Market"));
        root->add(rows);
        page.setContent(root);
        bar->listenForKeys(root);
        QObject::connect(bar, &SearchBar::filterChanged, bar, [this](const QString &text) { filters.append(text); });
    }
    QString text() { return ScreenText::render(&page); }
};

} // namespace

class tst_SearchBar : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void typingOpensTheBarAndFiltersOnEveryKey();
    void cancelClosesTheBarAndClearsTheFilter();
    void aDisabledBarIgnoresTheKeys();
    void theBarFollowsTheLanguage();
};

void tst_SearchBar::init()
{
    SimulatedDevice::setPhysicalKeyboard(true);
}

void tst_SearchBar::cleanup()
{
    hx::system::LocaleHandler::setLanguage(QStringLiteral("en"));
    SimulatedDevice::reset();
}

void tst_SearchBar::typingOpensTheBarAndFiltersOnEveryKey()
{
    FilteredList screen;
    QVERIFY2(!TestDriver::isOnScreen(&screen.page, screen.bar->field()), qPrintable(screen.text()));
    QVERIFY2(!screen.text().contains(QLatin1String("Cancel")), qPrintable(screen.text()));

    QVERIFY2(TestDriver::pressKeys(&screen.page, QStringLiteral("kit")), qPrintable(TestDriver::lastError()));
    QCOMPARE(screen.filters, QStringList({ "k", "ki", "kit" }));
    QVERIFY2(TestDriver::isOnScreen(&screen.page, screen.bar->field()), qPrintable(screen.text()));
    QVERIFY(screen.bar->field()->isFocused());
    QVERIFY2(screen.text().contains(QLatin1String("kit")), qPrintable(screen.text()));

    // Once open, the field is an ordinary field: erasing filters too.
    QVERIFY(TestDriver::eraseText(&screen.page, QStringLiteral("FilterField"), 2));
    QCOMPARE(screen.filters.last(), QStringLiteral("k"));
}

void tst_SearchBar::cancelClosesTheBarAndClearsTheFilter()
{
    FilteredList screen;
    QVERIFY(TestDriver::pressKeys(&screen.page, QStringLiteral("ma")));
    QVERIFY2(TestDriver::clickButton(&screen.page, QStringLiteral("Cancel")), qPrintable(TestDriver::lastError()));
    QCOMPARE(screen.filters, QStringList({ "m", "ma", "" }));
    QVERIFY2(!TestDriver::isOnScreen(&screen.page, screen.bar), qPrintable(screen.text()));
    QCOMPARE(screen.bar->field()->text(), QString());
    QVERIFY(!screen.bar->field()->isFocused());

    // Typing again starts a new filter from the first key.
    QVERIFY(TestDriver::pressKeys(&screen.page, QStringLiteral("x")));
    QCOMPARE(screen.filters.last(), QStringLiteral("x"));
}

void tst_SearchBar::aDisabledBarIgnoresTheKeys()
{
    FilteredList screen;
    screen.bar->disable();
    QVERIFY(TestDriver::pressKeys(&screen.page, QStringLiteral("a")));
    QVERIFY(screen.filters.isEmpty());
    QVERIFY(!screen.bar->isVisible());
    screen.bar->enable();
    QVERIFY(TestDriver::pressKeys(&screen.page, QStringLiteral("a")));
    QCOMPARE(screen.filters, QStringList({ "a" }));
}

void tst_SearchBar::theBarFollowsTheLanguage()
{
    FilteredList screen;
    QVERIFY(TestDriver::pressKeys(&screen.page, QStringLiteral("a")));
    QVERIFY2(screen.text().contains(QLatin1String("Cancel")), qPrintable(screen.text()));
    hx::system::LocaleHandler::setLanguage(QStringLiteral("fr"));
    QTRY_VERIFY2(screen.text().contains(QLatin1String("Annuler")), qPrintable(screen.text()));
    QCOMPARE(screen.bar->field()->hintText(), QStringLiteral("Rechercher"));
}

QTEST_MAIN(tst_SearchBar)
#include "tst_searchbar.moc"

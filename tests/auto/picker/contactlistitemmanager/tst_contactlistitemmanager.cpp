#include <QtTest/QtTest>

#include <hx/trellan/imageview.h>
#include <hx/trellan/label.h>
#include <hx/trellan/listview.h>
#include <hx/trellan/navigationpane.h>
#include <hx/trellan/page.h>
#include <hx/trellan/places/contactlistitemmanager.h>
#include <hx/trellan/places/placeutils.h>
#include <hx/trellan/places/zant_singlesearchfilterdatamodel.h>
#include <hx/trellan/screentext.h>
#include <hx/trellan/testdriver.h>
#include <hx/trellan/uiconfig.h>

#include "signalwaiter.h"
#include "storefixture.h"
#include "testroots.h"

#include <memory>

using namespace hx::trellan::places;
using namespace hx::test;
using hx::platform::places::Coordinates;
using hx::trellan::ScreenText;
using hx::trellan::TestDriver;

class tst_ContactListItemManager : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void rowsShowTheContactsByName();
    void aTapReachesTheList();

private:
    bool showContacts(const QString &text);

    std::unique_ptr<TestRoots> m_roots;
    std::unique_ptr<hx::trellan::NavigationPane> m_pane;
    hx::trellan::ListView *m_list = nullptr;
    std::unique_ptr<ContactListItemManager> m_rows;
    std::unique_ptr<ZANT_SingleSearchFilterDataModel> m_model;
};

void tst_ContactListItemManager::init()
{
    m_roots.reset(new TestRoots);
    QVERIFY(m_roots->isValid());
    StoreFixture::addContact(QStringLiteral("Ada"), QStringLiteral("Lovelace"), QStringLiteral("12 King St"),
                             QStringLiteral("Waterloo"));
    StoreFixture::addContact(QStringLiteral("Alan"), QStringLiteral("Turing"), QStringLiteral("3 Queen St"),
                             QStringLiteral("Kitchener"));
    m_rows.reset(new ContactListItemManager);
    m_model.reset(new ZANT_SingleSearchFilterDataModel);
    m_pane.reset(new hx::trellan::NavigationPane);
    m_list = new hx::trellan::ListView;
    m_list->setObjectName(QStringLiteral("Contacts"));
    m_list->setListItemProvider(m_rows.get());
    m_list->setDataModel(m_model.get());
    auto *page = new hx::trellan::Page;
    page->setContent(m_list);
    m_pane->push(page);
}

void tst_ContactListItemManager::cleanup()
{
    m_pane.reset();
    m_model.reset();
    m_rows.reset();
    m_roots.reset();
}

bool tst_ContactListItemManager::showContacts(const QString &text)
{
    QSignalSpy final(m_model.get(), &PlacesDataModel::modelLoadedFinal);
    m_model->load(FilterCategory::Contacts, text, Coordinates(), true);
    if (!SignalWaiter::wait(final))
        return false;
    m_list->syncNow();
    return true;
}

void tst_ContactListItemManager::rowsShowTheContactsByName()
{
    QVERIFY(showContacts(QString()));
    const QString screen = ScreenText::render(m_pane.get());
    QCOMPARE(m_list->rowCount(), 2);
    QVERIFY2(screen.contains(QLatin1String("Ada Lovelace")), qPrintable(screen));
    QVERIFY2(screen.contains(QLatin1String("Alan Turing")), qPrintable(screen));
    auto *image = m_list->rowItem(0)->findChild<hx::trellan::ImageView *>();
    QVERIFY(image);
    const float side = hx::trellan::UIConfig::du(PlaceUtils::ZANT_CONTACTS_LIST_ITEM_HEIGHT);
    QCOMPARE(image->preferredWidth(), side);
    QCOMPARE(image->preferredHeight(), side);

    // A narrower search reuses the rows for the remaining contact.
    QVERIFY(showContacts(QStringLiteral("tur")));
    const QString narrowed = ScreenText::render(m_pane.get());
    QCOMPARE(m_list->rowCount(), 1);
    QVERIFY2(narrowed.contains(QLatin1String("Alan Turing")) && !narrowed.contains(QLatin1String("Ada Lovelace")),
             qPrintable(narrowed));
}

void tst_ContactListItemManager::aTapReachesTheList()
{
    QVERIFY(showContacts(QString()));
    QSignalSpy triggered(m_list, &hx::trellan::ListView::triggered);
    QVERIFY2(TestDriver::tapRow(m_pane.get(), QStringLiteral("Contacts"), { 1 }), qPrintable(TestDriver::lastError()));
    QCOMPARE(triggered.count(), 1);
    QCOMPARE(triggered.first().first().toList(), QVariantList { 1 });
}

QTEST_MAIN(tst_ContactListItemManager)
#include "tst_contactlistitemmanager.moc"

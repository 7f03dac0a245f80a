#include <hx/pim/contacts/contactservice.h>

#include <signalwaiter.h>
#include <testroots.h>

#include <QtCore/QFile>
#include <QtCore/QThread>
#include <QtTest/QtTest>

using namespace hx::pim::contacts;

class tst_ContactService : public QObject
{
    Q_OBJECT

private slots:
    void contactDetailsAreReadFromTheStoreFile();
    void unknownContactIsInvalid_data();
    void unknownContactIsInvalid();
    void damagedFileIsLeftUntouched();
    void changesAreAnnouncedByEveryService();
    void serviceOnAnotherThreadHearsFromItsOwnLoop();
    void addressValidity_data();
    void addressValidity();
};

namespace {
ContactPostalAddress address(const QString &label, const QString &line1, const QString &city)
{
    ContactPostalAddress result;
    result.setLabel(label);
    result.setLine1(line1);
    result.setCity(city);
    result.setRegion("ON");
    result.setCountry("Canada");
    result.setPostalCode("N2L 3W8");
    return result;
}
} // namespace

void tst_ContactService::contactDetailsAreReadFromTheStoreFile()
{
    hx::test::TestRoots roots;
    ContactService service;
    Contact contact;
    contact.setAccountId(3);
    contact.setFirstName("Ana");
    contact.setLastName("O'Connell");
    contact.addPostalAddress(address("Home", "295 Phillip St", "Waterloo"));
    contact.addPostalAddress(address(QString(), "1 King St", "Kitchener"));
    const Contact stored = service.createContact(contact);
    QVERIFY(stored.isValid());
    QVERIFY(QFile::exists(roots.storePath()));

    const Contact read = ContactService().contactDetails(stored.id());
    QCOMPARE(read.id(), stored.id());
    QCOMPARE(read.accountId(), 3);
    QCOMPARE(read.fullName(), QString("Ana O'Connell"));
    QCOMPARE(read.displayName(), QString("Ana O'Connell"));
    QCOMPARE(read.postalAddresses().size(), 2);
    const ContactPostalAddress home = read.postalAddresses().at(0);
    QVERIFY(home.id() > 0);
    QCOMPARE(home.label(), QString("Home"));
    QCOMPARE(home.line1(), QString("295 Phillip St"));
    QCOMPARE(home.city(), QString("Waterloo"));
    QCOMPARE(home.region(), QString("ON"));
    QCOMPARE(home.country(), QString("Canada"));
    QCOMPARE(home.postalCode(), QString("N2L 3W8"));
    QVERIFY(home.isValid());
    QCOMPARE(read.postalAddresses().at(1).line1(), QString("1 King St"));
    QCOMPARE(read, stored);
}

void tst_ContactService::unknownContactIsInvalid_data()
{
    QTest::addColumn<int>("id");
    QTest::newRow("an id nobody has") << 999;
    QTest::newRow("id zero") << 0;
}

void tst_ContactService::unknownContactIsInvalid()
{
    QFETCH(int, id);
    hx::test::TestRoots roots;
    ContactService service;
    Contact someone;
    someone.setFirstName("Someone");
    QVERIFY(service.createContact(someone).isValid());
    QVERIFY(!service.contactDetails(id).isValid());
}

void tst_ContactService::damagedFileIsLeftUntouched()
{
    hx::test::TestRoots roots;
    ContactService service;
    QFile garbage(roots.storePath());
    QVERIFY(garbage.open(QIODevice::WriteOnly));
    const QByteArray bytes(4096, 'x');
    garbage.write(bytes);
    garbage.close();
    QVERIFY(!service.contactDetails(1).isValid());
    QVERIFY(service.contacts().isEmpty());
    QFile after(roots.storePath());
    QVERIFY(after.open(QIODevice::ReadOnly));
    QCOMPARE(after.readAll(), bytes);
}

void tst_ContactService::changesAreAnnouncedByEveryService()
{
    hx::test::TestRoots roots;
    ContactService writer;
    ContactService listener;
    QSignalSpy added(&listener, &ContactService::contactsAdded);
    QSignalSpy changed(&listener, &ContactService::contactsChanged);
    QSignalSpy deleted(&listener, &ContactService::contactsDeleted);

    Contact contact;
    contact.setDisplayName("Bo");
    contact.addPostalAddress(address("Work", "200 University Ave W", "Waterloo"));
    const Contact stored = writer.createContact(contact);
    QCOMPARE(added.count(), 1);
    QCOMPARE(added.first().first().value<QList<int>>(), QList<int> { stored.id() });

    ContactService::notifyContactsChanged({ stored.id() });
    QCOMPARE(changed.count(), 1);
    QCOMPARE(changed.first().first().value<QList<int>>(), QList<int> { stored.id() });

    QVERIFY(writer.deleteContact(stored.id()));
    QCOMPARE(deleted.count(), 1);
    QVERIFY(!listener.contactDetails(stored.id()).isValid());
    QVERIFY(!writer.deleteContact(stored.id()));
    QCOMPARE(deleted.count(), 1);
    QCOMPARE(changed.count(), 1);
}

void tst_ContactService::serviceOnAnotherThreadHearsFromItsOwnLoop()
{
    hx::test::TestRoots roots;
    QThread thread;
    auto *remote = new ContactService;
    remote->moveToThread(&thread);
    // Counted on this thread: the service emits on its own.
    int heard = 0;
    connect(
        remote, &ContactService::contactsAdded, this, [&] { ++heard; }, Qt::QueuedConnection);
    thread.start();
    Contact contact;
    contact.setFirstName("Cy");
    QVERIFY(ContactService().createContact(contact).isValid());
    QVERIFY(hx::test::SignalWaiter::waitFor([&] { return heard == 1; }, 3000));
    QMetaObject::invokeMethod(remote, &QObject::deleteLater);
    thread.quit();
    QVERIFY(thread.wait(5000));
}

void tst_ContactService::addressValidity_data()
{
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("city");
    QTest::addColumn<bool>("valid");
    QTest::newRow("a city alone is an address") << ""
                                                << "Waterloo" << true;
    QTest::newRow("a label alone is not") << "Home"
                                          << "" << false;
    QTest::newRow("blanks are not") << ""
                                    << "   " << false;
}

void tst_ContactService::addressValidity()
{
    QFETCH(QString, label);
    QFETCH(QString, city);
    QFETCH(bool, valid);
    ContactPostalAddress postal;
    postal.setLabel(label);
    postal.setCity(city);
    QCOMPARE(postal.isValid(), valid);
}

QTEST_GUILESS_MAIN(tst_ContactService)
#include "tst_contactservice.moc"

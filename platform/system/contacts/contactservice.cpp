#include <hx/pim/contacts/contactservice.h>
#include <hx/platform/places/contactstore.h>

#include <QtCore/QDebug>
#include <QtCore/QMutex>
#include <QtCore/QMutexLocker>
#include <QtCore/QPointer>
#include <QtCore/QSet>
#include <QtCore/QThread>

namespace hx {
namespace pim {
namespace contacts {

using hx::platform::places::ContactEntry;
using hx::platform::places::ContactStore;
using hx::platform::places::Error;

namespace {

struct Services
{
    QMutex mutex;
    QSet<ContactService *> all;
};
Q_GLOBAL_STATIC(Services, services)

const int idListTypeId = qRegisterMetaType<QList<int>>("QList<int>");

Contact fromEntry(const ContactEntry &entry)
{
    Contact contact;
    contact.setId(ContactId(entry.id));
    contact.setAccountId(AccountId(entry.accountId));
    contact.setFirstName(entry.firstName);
    contact.setLastName(entry.lastName);
    contact.setDisplayName(entry.displayName());
    for (const ContactEntry::PostalAddress &stored : entry.addresses) {
        ContactPostalAddress address;
        address.setId(int(stored.id));
        address.setLabel(stored.label);
        address.setLine1(stored.street);
        address.setCity(stored.city);
        address.setRegion(stored.region);
        address.setCountry(stored.country);
        address.setPostalCode(stored.postalCode);
        contact.addPostalAddress(address);
    }
    return contact;
}

ContactEntry toEntry(const Contact &contact)
{
    ContactEntry entry;
    entry.accountId = contact.accountId();
    entry.firstName = contact.firstName();
    entry.lastName = contact.lastName();
    for (const ContactPostalAddress &address : contact.postalAddresses()) {
        ContactEntry::PostalAddress stored;
        stored.label = address.label();
        // The store keeps one street line; a second line joins it.
        stored.street
            = address.line2().isEmpty() ? address.line1() : address.line1() + QStringLiteral(", ") + address.line2();
        stored.city = address.city();
        stored.region = address.region();
        stored.country = address.country();
        stored.postalCode = address.postalCode();
        entry.addresses.append(stored);
    }
    return entry;
}

enum Change { Added, Changed, Deleted };

// Services on this thread hear it at once, the others from their own event loops; events
// are posted under the lock that a service's destructor also takes.
void announce(Change change, const QList<int> &ids)
{
    auto emitOne = [change, ids](ContactService *service) {
        switch (change) {
        case Added:
            emit service->contactsAdded(ids);
            break;
        case Changed:
            emit service->contactsChanged(ids);
            break;
        case Deleted:
            emit service->contactsDeleted(ids);
            break;
        }
    };
    QList<QPointer<ContactService>> local;
    {
        QMutexLocker locker(&services->mutex);
        for (ContactService *service : qAsConst(services->all)) {
            if (service->thread() == QThread::currentThread())
                local.append(service);
            else
                QMetaObject::invokeMethod(
                    service, [service, emitOne] { emitOne(service); }, Qt::QueuedConnection);
        }
    }
    for (const QPointer<ContactService> &service : qAsConst(local)) {
        if (service)
            emitOne(service);
    }
}

} // namespace

ContactService::ContactService(QObject *parent) : QObject(parent)
{
    Q_UNUSED(idListTypeId)
    QMutexLocker locker(&services->mutex);
    services->all.insert(this);
}

ContactService::~ContactService()
{
    QMutexLocker locker(&services->mutex);
    services->all.remove(this);
}

Contact ContactService::contactDetails(ContactId id) const
{
    if (id <= 0)
        return Contact();
    Error::Type error = Error::None;
    const ContactEntry entry = ContactStore().contact(id, &error);
    if (error != Error::None || entry.id <= 0)
        return Contact();
    return fromEntry(entry);
}

QList<Contact> ContactService::contacts() const
{
    QList<Contact> result;
    const QList<ContactEntry> entries = ContactStore().contacts();
    for (const ContactEntry &entry : entries)
        result.append(fromEntry(entry));
    return result;
}

Contact ContactService::createContact(const Contact &contact)
{
    ContactEntry entry = toEntry(contact);
    const Error::Type error = ContactStore().addContact(entry);
    if (error != Error::None || entry.id <= 0) {
        qWarning() << "hx::pim::contacts::ContactService::createContact() error =" << int(error);
        return Contact();
    }
    const Contact stored = contactDetails(ContactId(entry.id));
    announce(Added, { stored.id() });
    return stored;
}

bool ContactService::deleteContact(ContactId id)
{
    if (id <= 0 || !contactDetails(id).isValid())
        return false;
    if (ContactStore().removeContact(id) != Error::None)
        return false;
    announce(Deleted, { id });
    return true;
}

void ContactService::notifyContactsChanged(const QList<int> &ids)
{
    announce(Changed, ids);
}

} // namespace contacts
} // namespace pim
} // namespace hx

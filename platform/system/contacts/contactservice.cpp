#include <hx/pim/contacts/contactservice.h>

#include "contactfile_p.h"

#include <QtCore/QDebug>
#include <QtCore/QMutex>
#include <QtCore/QMutexLocker>
#include <QtCore/QPointer>
#include <QtCore/QSet>
#include <QtCore/QThread>

namespace hx {
namespace pim {
namespace contacts {

namespace {
struct Services
{
    QMutex mutex;
    QSet<ContactService *> all;
};
Q_GLOBAL_STATIC(Services, services)

const int idListTypeId = qRegisterMetaType<QList<int>>("QList<int>");
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
    ContactFile file(ContactFile::defaultPath(), ContactFile::ReadOnly);
    const QList<Contact> found = file.read(id);
    return found.isEmpty() ? Contact() : found.first();
}

QList<Contact> ContactService::contacts() const
{
    ContactFile file(ContactFile::defaultPath(), ContactFile::ReadOnly);
    return file.read();
}

Contact ContactService::createContact(const Contact &contact)
{
    ContactFile file(ContactFile::defaultPath(), ContactFile::ReadWrite);
    const Contact stored = file.insert(contact);
    if (!stored.isValid()) {
        qWarning() << "hx::pim::contacts::ContactService::createContact() failed:" << file.errorString();
        return stored;
    }
    announce(Added, { stored.id() });
    return stored;
}

bool ContactService::updateContact(const Contact &contact)
{
    ContactFile file(ContactFile::defaultPath(), ContactFile::ReadWrite);
    if (!file.update(contact)) {
        qWarning() << "hx::pim::contacts::ContactService::updateContact() failed for" << contact.id()
                   << file.errorString();
        return false;
    }
    announce(Changed, { contact.id() });
    return true;
}

bool ContactService::deleteContact(ContactId id)
{
    ContactFile file(ContactFile::defaultPath(), ContactFile::ReadWrite);
    if (!file.remove(id))
        return false;
    announce(Deleted, { id });
    return true;
}

void ContactService::announce(Change change, const QList<int> &ids)
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
    // Services on this thread hear it at once, the others from their own event loops;
    // events are posted under the lock that a service's destructor also takes.
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

} // namespace contacts
} // namespace pim
} // namespace hx

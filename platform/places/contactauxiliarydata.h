#ifndef HX_PLATFORM_PLACES_CONTACTAUXILIARYDATA_H
#define HX_PLATFORM_PLACES_CONTACTAUXILIARYDATA_H

#include <hx/platform/places/auxiliarydata.h>

#include <QtCore/QUrl>

namespace hx {
namespace platform {
namespace places {

// A typed view of a contact's details, attached to a place made from the contact's postal address.
class ContactAuxiliaryData : public AuxiliaryData
{
public:
    ContactAuxiliaryData();
    // A view of other data; the type is set to TypeContact.
    explicit ContactAuxiliaryData(const AuxiliaryData &data);

    QString fullName() const;
    qint64 contactId() const;
    qint64 accountId() const;
    qint64 postalAddressId() const;
    QString workPhone() const;
    QString homePhone() const;
    QString mobilePhone() const;
    QString emailAddress() const;
    QUrl url() const;
    QString notes() const;
    QString photoPathOriginal() const;

    void setFullName(const QString &value);
    void setContactId(qint64 value);
    void setAccountId(qint64 value);
    void setPostalAddressId(qint64 value);
    void setWorkPhone(const QString &value);
    void setHomePhone(const QString &value);
    void setMobilePhone(const QString &value);
    void setEmailAddress(const QString &value);
    void setUrl(const QUrl &value);
    void setNotes(const QString &value);
    void setPhotoPathOriginal(const QString &value);
};

} // namespace places
} // namespace platform
} // namespace hx

Q_DECLARE_METATYPE(hx::platform::places::ContactAuxiliaryData)

#endif

#ifndef HX_PLATFORM_PLACES_CONTACTENTRY_H
#define HX_PLATFORM_PLACES_CONTACTENTRY_H

#include <QtCore/QList>
#include <QtCore/QString>
#include <QtCore/QtNumeric>

namespace hx {
namespace platform {
namespace places {

// One contact as the store keeps it: names, notes, photo, phones, e-mails and postal addresses.
class ContactEntry
{
public:
    struct Phone
    {
        QString kind; // "home", "work", "mobile" or anything else
        QString number;
        bool operator==(const Phone &o) const { return kind == o.kind && number == o.number; }
    };
    struct Email
    {
        QString kind;
        QString address;
        bool operator==(const Email &o) const { return kind == o.kind && address == o.address; }
    };
    struct PostalAddress
    {
        qint64 id = -1; // set by the store
        QString kind; // "home", "work" or "other"
        QString street;
        QString city;
        QString region;
        QString country;
        QString countryCode; // alpha-3
        QString postalCode;
        QString label;
        double latitude = qQNaN();
        double longitude = qQNaN();
        bool operator==(const PostalAddress &o) const;
    };

    qint64 id = -1; // set by the store
    qint64 accountId = 1;
    QString firstName;
    QString lastName;
    QString company;
    QString notes;
    QString url;
    QString photoPath;
    QList<Phone> phones;
    QList<Email> emails;
    QList<PostalAddress> addresses;

    // "First Last", else the company.
    QString displayName() const;
    // The first number of the kind; empty when there is none.
    QString phone(const QString &kind) const;

    bool operator==(const ContactEntry &other) const;
    bool operator!=(const ContactEntry &other) const { return !(*this == other); }
};

} // namespace places
} // namespace platform
} // namespace hx

#endif

#include <hx/platform/places/contactentry.h>

#include <QtCore/QStringList>

#include <cmath>

namespace hx {
namespace platform {
namespace places {

namespace {
bool sameNumber(double a, double b)
{
    return (std::isnan(a) && std::isnan(b)) || a == b;
}
} // namespace

bool ContactEntry::PostalAddress::operator==(const PostalAddress &o) const
{
    return id == o.id && kind == o.kind && street == o.street && city == o.city && region == o.region
        && country == o.country && countryCode == o.countryCode && postalCode == o.postalCode && label == o.label
        && sameNumber(latitude, o.latitude) && sameNumber(longitude, o.longitude);
}

QString ContactEntry::displayName() const
{
    const QString name = QStringList { firstName.trimmed(), lastName.trimmed() }.join(QLatin1Char(' ')).trimmed();
    return name.isEmpty() ? company.trimmed() : name;
}

QString ContactEntry::phone(const QString &kind) const
{
    for (const Phone &entry : phones) {
        if (entry.kind == kind)
            return entry.number;
    }
    return QString();
}

bool ContactEntry::operator==(const ContactEntry &other) const
{
    return id == other.id && accountId == other.accountId && firstName == other.firstName && lastName == other.lastName
        && company == other.company && notes == other.notes && url == other.url && photoPath == other.photoPath
        && phones == other.phones && emails == other.emails && addresses == other.addresses;
}

} // namespace places
} // namespace platform
} // namespace hx

#ifndef HX_PHONE_PHONENUMBERFORMATTER_H
#define HX_PHONE_PHONENUMBERFORMATTER_H

#include <QtCore/QLocale>
#include <QtCore/QString>

namespace hx {
namespace phone {

// Formats phone numbers for display the way the user's region writes them: a number typed
// nationally stays national ("(519) 888-7465"), one with a country code stays international
// ("+44 20 7946 0958"). Safe to use from any thread.
class PhoneNumberFormatter
{
public:
    // region is an ISO 3166-1 alpha-2 code; empty means the country of QLocale().
    explicit PhoneNumberFormatter(const QString &region = QString());

    QString region() const { return m_region; }

    // The display form, or an empty string with *ok false when the text is not a phone number
    // (no digits, too long, or national digits while the region is unknown).
    QString format(const QString &number, bool *ok = nullptr) const;

    // The country part of a locale's name ("en_CA" gives "CA"); empty for "C".
    static QString regionFromLocale(const QLocale &locale = QLocale());

private:
    QString m_region;
};

} // namespace phone
} // namespace hx

#endif

#include <hx/phone/phonenumberformatter.h>

#include <phonenumbers/logger.h>
#include <phonenumbers/phonenumber.pb.h>
#include <phonenumbers/phonenumberutil.h>

#include <mutex>
#include <string>

namespace hx {
namespace phone {

using i18n::phonenumbers::PhoneNumber;
using i18n::phonenumbers::PhoneNumberUtil;

static PhoneNumberUtil *util()
{
    // The formatter writes its own complaints to stderr; failures are values here instead.
    static std::once_flag quiet;
    std::call_once(quiet, [] { PhoneNumberUtil::GetInstance()->SetLogger(new i18n::phonenumbers::NullLogger); });
    return PhoneNumberUtil::GetInstance();
}

PhoneNumberFormatter::PhoneNumberFormatter(const QString &region)
    : m_region(region.isEmpty() ? regionFromLocale() : region.toUpper())
{ }

QString PhoneNumberFormatter::regionFromLocale(const QLocale &locale)
{
    const QString name = locale.name();
    const int separator = name.indexOf(QLatin1Char('_'));
    return separator < 0 ? QString() : name.mid(separator + 1).toUpper();
}

QString PhoneNumberFormatter::format(const QString &number, bool *ok) const
{
    if (ok)
        *ok = false;
    const std::string region = m_region.isEmpty() ? std::string("ZZ") : m_region.toStdString();
    PhoneNumber parsed;
    if (number.trimmed().isEmpty()
        || util()->ParseAndKeepRawInput(number.toStdString(), region, &parsed) != PhoneNumberUtil::NO_PARSING_ERROR)
        return QString();
    std::string formatted;
    util()->FormatInOriginalFormat(parsed, region, &formatted);
    if (formatted.empty())
        return QString();
    if (ok)
        *ok = true;
    return QString::fromStdString(formatted);
}

} // namespace phone
} // namespace hx

#ifndef HX_UTILITY_I18N_CUSTOMDATEFORMATTER_H
#define HX_UTILITY_I18N_CUSTOMDATEFORMATTER_H

#include <QtCore/QDateTime>
#include <QtCore/QLocale>
#include <QtCore/QString>

namespace hx {
namespace utility {
namespace i18n {

// Formats dates and times from a skeleton: the fields wanted, in any order, with the
// locale deciding their order, separators and the 12- or 24-hour clock. Letters: y year,
// M month (MMM and more spell it), d day, E weekday, h/H/j hour, m minute, s second. "hm"
// gives the locale's short time ("9:05 PM" in English, "21:05" in German).
class CustomDateFormatter
{
public:
    // Without a locale, the formatter follows the process's default locale at every call, so
    // it keeps up with language changes.
    explicit CustomDateFormatter(const QString &skeleton);
    CustomDateFormatter(const QString &skeleton, const QLocale &locale);

    QString skeleton() const;
    QLocale locale() const;
    // The QDateTime format the skeleton stands for in the current locale.
    QString pattern() const;

    QString format(const QDateTime &dateTime) const;
    QString format(const QTime &time) const;

private:
    QString m_skeleton;
    QLocale m_locale;
    bool m_followDefault;
};

} // namespace i18n
} // namespace utility
} // namespace hx

#endif

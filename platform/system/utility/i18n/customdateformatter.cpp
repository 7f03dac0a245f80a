#include <hx/utility/i18n/customdateformatter.h>

#include <QtCore/QRegularExpression>
#include <QtCore/QStringList>

namespace hx {
namespace utility {
namespace i18n {

namespace {

// The locale's time format with the fields the skeleton leaves out removed, separators and
// am/pm kept.
QString timePattern(const QString &skeleton, const QLocale &locale)
{
    const bool wantSeconds = skeleton.contains(QLatin1Char('s'));
    QString pattern = locale.timeFormat(wantSeconds ? QLocale::LongFormat : QLocale::ShortFormat);
    // Time zones are never asked for by a skeleton of these letters.
    pattern.remove(QLatin1Char('t'));
    // Some locales (C among them) write seconds even in their short time.
    if (!wantSeconds)
        pattern.remove(QRegularExpression(QStringLiteral("[^HhmAaPp\\s]*s+")));
    if (!skeleton.contains(QLatin1Char('m'))) {
        // Hour alone: keep the hour and the am/pm marker.
        QString hourOnly;
        for (const QChar c : qAsConst(pattern)) {
            if (c == QLatin1Char('h') || c == QLatin1Char('H') || c.toLower() == QLatin1Char('a')
                || c.toLower() == QLatin1Char('p') || c == QLatin1Char(' '))
                hourOnly.append(c);
        }
        pattern = hourOnly;
    }
    return pattern.trimmed();
}

QString datePattern(const QString &skeleton, const QLocale &locale)
{
    const bool year = skeleton.contains(QLatin1Char('y'));
    const int months = skeleton.count(QLatin1Char('M'));
    const bool day = skeleton.contains(QLatin1Char('d'));
    const bool weekday = skeleton.contains(QLatin1Char('E'));
    QString pattern;
    if (year && months > 0 && day)
        pattern = months >= 3 ? locale.dateFormat(QLocale::LongFormat) : locale.dateFormat(QLocale::ShortFormat);
    else {
        QStringList parts;
        if (months > 0)
            parts << QString(qMin(months, 4), QLatin1Char('M'));
        if (day)
            parts << QStringLiteral("d");
        if (year)
            parts << QStringLiteral("yyyy");
        pattern = parts.join(QLatin1Char(' '));
    }
    if (weekday && !pattern.contains(QLatin1String("ddd")))
        pattern = pattern.isEmpty() ? QStringLiteral("ddd") : QStringLiteral("ddd ") + pattern;
    return pattern;
}

bool hasTime(const QString &skeleton)
{
    for (const QChar c : skeleton) {
        if (QStringLiteral("hHjms").contains(c))
            return true;
    }
    return false;
}

bool hasDate(const QString &skeleton)
{
    for (const QChar c : skeleton) {
        if (QStringLiteral("yMdE").contains(c))
            return true;
    }
    return false;
}

} // namespace

CustomDateFormatter::CustomDateFormatter(const QString &skeleton) : m_skeleton(skeleton), m_followDefault(true) { }

CustomDateFormatter::CustomDateFormatter(const QString &skeleton, const QLocale &locale)
    : m_skeleton(skeleton), m_locale(locale), m_followDefault(false)
{ }

QString CustomDateFormatter::skeleton() const
{
    return m_skeleton;
}

QLocale CustomDateFormatter::locale() const
{
    return m_followDefault ? QLocale() : m_locale;
}

QString CustomDateFormatter::pattern() const
{
    const QLocale current = locale();
    QStringList parts;
    if (hasDate(m_skeleton))
        parts << datePattern(m_skeleton, current);
    if (hasTime(m_skeleton))
        parts << timePattern(m_skeleton, current);
    return parts.join(QLatin1Char(' '));
}

QString CustomDateFormatter::format(const QDateTime &dateTime) const
{
    if (!dateTime.isValid())
        return QString();
    return locale().toString(dateTime, pattern());
}

QString CustomDateFormatter::format(const QTime &time) const
{
    if (!time.isValid())
        return QString();
    return locale().toString(time, timePattern(m_skeleton, locale()));
}

} // namespace i18n
} // namespace utility
} // namespace hx

#include <hx/platform/places/tags.h>

#include <QtCore/QHash>

#include "categorytags_p.h"

namespace hx {
namespace platform {
namespace places {

QStringList CategoryTags::of(const QString &code)
{
    static const QHash<QString, const char *> groups = {
        { QStringLiteral("AA"), Tags::Bank },
        { QStringLiteral("AB"), Tags::Entertainment },
        { QStringLiteral("AC"), Tags::Automotive },
        { QStringLiteral("AE"), Tags::Restaurant },
        { QStringLiteral("AF"), Tags::PublicOffices },
        { QStringLiteral("AH"), Tags::Lodging },
        { QStringLiteral("AI"), Tags::PersonalServices },
        { QStringLiteral("AK"), Tags::Shopping },
        { QStringLiteral("AL"), Tags::Travel },
        { QStringLiteral("AN"), Tags::HealthCare },
    };
    QStringList tags;
    const QString trimmed = code.trimmed();
    if (isAirport(trimmed))
        tags.append(QLatin1String(Tags::Airport));
    if (const char *main = groups.value(trimmed.left(2).toUpper()))
        tags.append(QLatin1String(main));
    return tags;
}

bool CategoryTags::isAirport(const QString &code)
{
    // Free-text categories ("airport", "Regional Airport") from imports count too.
    const QString trimmed = code.trimmed();
    return trimmed.startsWith(QLatin1String("ALA"), Qt::CaseInsensitive)
        || trimmed.contains(QLatin1String("airport"), Qt::CaseInsensitive);
}

bool CategoryTags::isGasStation(const QString &code)
{
    return code.trimmed().startsWith(QLatin1String("ACC"), Qt::CaseInsensitive);
}

} // namespace places
} // namespace platform
} // namespace hx

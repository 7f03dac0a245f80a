#include <QtCore/QHash>

#include "categorywords_p.h"
#include "textfolding_p.h"

namespace hx {
namespace platform {
namespace places {

QString CategoryWords::codeOf(const QString &text)
{
    // Folded words, English and French; a code also covers its sub-categories.
    static const QHash<QString, QString> codes = {
        { QStringLiteral("cafe"), QStringLiteral("AEE") },
        { QStringLiteral("cafes"), QStringLiteral("AEE") },
        { QStringLiteral("coffee"), QStringLiteral("AEE") },
        { QStringLiteral("coffee shop"), QStringLiteral("AEE") },
        { QStringLiteral("restaurant"), QStringLiteral("AE") },
        { QStringLiteral("restaurants"), QStringLiteral("AE") },
        { QStringLiteral("hotel"), QStringLiteral("AHC") },
        { QStringLiteral("hotels"), QStringLiteral("AHC") },
        { QStringLiteral("gas"), QStringLiteral("ACC") },
        { QStringLiteral("gas station"), QStringLiteral("ACC") },
        { QStringLiteral("fuel"), QStringLiteral("ACC") },
        { QStringLiteral("essence"), QStringLiteral("ACC") },
        { QStringLiteral("station service"), QStringLiteral("ACC") },
        { QStringLiteral("station essence"), QStringLiteral("ACC") },
        { QStringLiteral("carburant"), QStringLiteral("ACC") },
    };
    return codes.value(TextFolding::words(text).join(QLatin1Char(' ')));
}

} // namespace places
} // namespace platform
} // namespace hx

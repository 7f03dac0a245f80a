#include <hx/trellan/places/placeviewutils.h>

namespace hx {
namespace trellan {
namespace places {

QString PlaceViewUtils::addressString(const hx::platform::places::Location &location, int lineCount)
{
    const hx::platform::places::Address address = location.address();
    QString text;
    // Whether a part precedes on the current line, so the next one needs a separator.
    bool partBefore = false;
    if (!address.street().isEmpty()) {
        text += address.street();
        if (lineCount > 1) {
            text += QStringLiteral(",\n");
            partBefore = false;
        } else {
            partBefore = true;
        }
    }
    if (!address.city().isEmpty()) {
        if (partBefore)
            text += QStringLiteral(", ");
        text += address.city();
        partBefore = true;
    }
    bool regionAppended = false;
    if (!address.region().isEmpty()) {
        if (partBefore)
            text += QStringLiteral(", ");
        text += address.region();
        partBefore = true;
        regionAppended = true;
    }
    if (!address.postalCode().isEmpty()) {
        if (regionAppended)
            text += QLatin1Char(' ');
        else if (partBefore)
            text += QStringLiteral(", ");
        text += address.postalCode();
        partBefore = true;
    }
    if (lineCount > 2) {
        text += QStringLiteral(",\n");
        partBefore = false;
    }
    if (!address.country().isEmpty()) {
        if (partBefore)
            text += QStringLiteral(", ");
        text += address.country();
    }
    text = text.trimmed();
    if (text.endsWith(QLatin1Char(',')))
        text.chop(1);
    return text;
}

} // namespace places
} // namespace trellan
} // namespace hx

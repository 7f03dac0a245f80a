// Feeds arbitrary bytes, read as a URL, to the place-from-URL parser; whatever it accepts must
// have a valid position and must survive a round trip through the share URI.
#include <hx/trellan/places/mapsutils.h>

#include <QtCore/QLoggingCategory>
#include <QtCore/QUrl>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    // Every rejected URI is logged; silence keeps the fuzzer fast.
    QLoggingCategory::setFilterRules(QStringLiteral("*=false"));
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    using hx::trellan::places::MapsUtils;
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), int(size));
    const auto place = MapsUtils::createPlace(QUrl(text, QUrl::TolerantMode));
    if (!place)
        return 0;
    if (!place->primaryCoordinates().isValid())
        __builtin_trap();
    const QString uri = MapsUtils::createShareUri(*place, MapsUtils::createShareMetadata(*place));
    const auto again = MapsUtils::createPlace(QUrl(uri));
    if (!again || again->name() != place->name())
        __builtin_trap();
    return 0;
}

// Feeds arbitrary bytes, read as a shared link, to the entry point that opens links into places.
// Whatever it opens must have a usable position and a bounded name, and its place URL must open
// to the same place; whatever it refuses must say why.
#include <hx/trellan/places/sharedlinkutils.h>

#include <QtCore/QLoggingCategory>
#include <QtCore/QTemporaryDir>

#include <cstddef>
#include <cstdint>

using hx::trellan::places::SharedLink;
using hx::trellan::places::SharedLinkUtils;

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    // Every refused link is logged; silence keeps the fuzzer fast.
    QLoggingCategory::setFilterRules(QStringLiteral("*=false"));
    // Query links are geocoded: by an empty store of their own, never the user's.
    static QTemporaryDir roots;
    qputenv("HX_PLACES_DB", roots.filePath(QStringLiteral("places.db")).toUtf8());
    qputenv("HX_GAZETTEER_DB", roots.filePath(QStringLiteral("gazetteer.db")).toUtf8());
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString link = QString::fromUtf8(reinterpret_cast<const char *>(data), int(size));
    SharedLink::Error error = SharedLink::NoError;
    const auto place = SharedLinkUtils::openLink(link, &error);
    if (!place) {
        if (error == SharedLink::NoError || SharedLink::errorText(error).isEmpty())
            __builtin_trap();
        return 0;
    }
    if (error != SharedLink::NoError || place->name().size() > SharedLink::MAX_TEXT_LENGTH)
        __builtin_trap();
    const auto position = place->primaryCoordinates();
    if (!qIsNaN(position.latitude()) && !position.isValid())
        __builtin_trap();
    const QUrl placeUrl = SharedLinkUtils::placeUrl(link, &error);
    const auto again = SharedLinkUtils::openLink(placeUrl.toString(QUrl::FullyEncoded), &error);
    if (!again || again->name() != place->name())
        __builtin_trap();
    return 0;
}

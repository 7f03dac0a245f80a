// Feeds arbitrary bytes to the selected-place JSON decoder: it must never crash, hang or leak,
// and whatever it accepts must encode again and decode to the same place.

#include <QtCore/QByteArray>
#include <QtCore/QCoreApplication>
#include <QtCore/QLoggingCategory>
#include <QtCore/QScopedPointer>
#include <QtCore/QString>
#include <hx/trellan/places/jsonutils.h>
#include <hx/trellan/places/selectedplace.h>

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    // The decoder logs every rejected text; silence keeps the fuzzer fast.
    QLoggingCategory::setFilterRules(QStringLiteral("*=false"));
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    using hx::trellan::places::JsonUtils;
    using hx::trellan::places::SelectedPlace;

    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), int(size));
    QScopedPointer<SelectedPlace> place(JsonUtils::decodeSelectedPlaceFromJson(text));
    if (!place)
        return 0;
    const QString encoded = JsonUtils::encodeSelectedPlaceToJson(place.data());
    if (encoded.isEmpty())
        return 0;
    QScopedPointer<SelectedPlace> again(JsonUtils::decodeSelectedPlaceFromJson(encoded));
    // The text carries the id's low 32 bits; when those read negative, the text is no record.
    if (place->id() < 0) {
        if (again)
            std::abort();
        return 0;
    }
    if (!again)
        std::abort();
    // What identifies the place survives the round (the name may be filled from the label).
    if (again->id() != place->id() || again->street() != place->street() || again->city() != place->city()
        || again->postal() != place->postal())
        std::abort();
    return 0;
}

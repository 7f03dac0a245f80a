// Feeds arbitrary bytes to the place byte form; whatever it accepts must survive a second
// round trip byte for byte.
#include <hx/platform/places/utilities.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    using hx::platform::places::Place;
    using hx::platform::places::Utilities;
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char *>(data), int(size));
    std::unique_ptr<Place> place(Utilities::deserialize(bytes));
    if (!place)
        return 0;
    // Bytes rather than operator==, so that a NaN read from the input does not count as a change.
    const QByteArray first = Utilities::serialize(*place);
    std::unique_ptr<Place> again(Utilities::deserialize(first));
    if (!again || Utilities::serialize(*again) != first)
        std::abort();
    return 0;
}

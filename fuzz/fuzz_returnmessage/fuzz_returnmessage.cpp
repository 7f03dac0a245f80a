// Feeds arbitrary bytes, read as UTF-8, to the previewer card's return-message parser and checks
// that whatever it accepts survives a round trip through the text form.
#include <hx/trellan/places/placecardreturnmessage.h>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    using hx::trellan::places::PlaceCardReturnMessage;
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), int(size));
    const PlaceCardReturnMessage message = PlaceCardReturnMessage::fromString(text);
    if (message.getId() == -1 && message.getStatus() != PlaceCardReturnMessage::Unknown)
        __builtin_trap();
    if (PlaceCardReturnMessage::fromString(message.toString()) != message)
        __builtin_trap();
    return 0;
}

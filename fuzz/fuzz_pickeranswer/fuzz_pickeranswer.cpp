// Feeds arbitrary bytes to the picker's caller as the line a picker card answers with: the card
// socket's decoder, the selected-place decoder, then the picker's reading of the two. Whatever
// the card says, the caller gets a place only as a pick and a reason for the user otherwise.
#include "cardwire_p.h"
#include "picker/pickeranswer_p.h"

#include <hx/trellan/places/jsonutils.h>
#include <hx/trellan/places/selectedplace.h>

#include <QtCore/QLoggingCategory>
#include <QtCore/QScopedPointer>

#include <cstdint>
#include <cstdlib>

using hx::system::CardDoneMessage;
using hx::system::CardWire;
using namespace hx::trellan::places;

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    // The decoders log every rejected text; silence keeps the fuzzer fast.
    QLoggingCategory::setFilterRules(QStringLiteral("*=false"));
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    CardDoneMessage message;
    if (!CardWire::decodeDone(QByteArray(reinterpret_cast<const char *>(data), int(size)), &message))
        return 0;
    QScopedPointer<SelectedPlace> place;
    if (!message.data().isEmpty())
        place.reset(JsonUtils::decodeSelectedPlaceFromJson(message.data()));
    QString text;
    const PlacePicker::Outcome outcome = PickerAnswer::read(message, place, &text);
    if ((outcome == PlacePicker::Picked) != bool(place))
        std::abort();
    if (text.isEmpty() != (outcome == PlacePicker::Picked))
        std::abort();
    return 0;
}

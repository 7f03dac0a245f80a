// Feeds arbitrary bytes to a card as its invocation line from the socket: both cards decode it
// the same way, and the previewer card then chooses and opens its page from it. A decoded
// invocation must survive a round trip through the line form; opening must never crash nor
// answer before the user does anything.
#include "cardwire_p.h"
#include "finishinput.h"
#include "previewercard.h"
#include "startscreens.h"

#include <hx/system/invokerequest.h>
#include <hx/trellan/navigationpane.h>

#include <cstddef>
#include <cstdint>

using hx::system::CardWire;
using hx::system::InvokeRequest;

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    hx::fuzz::startScreens(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray line(reinterpret_cast<const char *>(data), int(size));
    InvokeRequest request;
    if (!CardWire::decodeRequest(line, &request))
        return 0;
    InvokeRequest again;
    if (!CardWire::decodeRequest(CardWire::encodeRequest(request), &again) || again.action() != request.action()
        || again.target() != request.target() || again.mimeType() != request.mimeType()
        || again.data() != request.data()
        || again.uri().toString(QUrl::FullyEncoded) != request.uri().toString(QUrl::FullyEncoded))
        __builtin_trap();

    hx::trellan::NavigationPane pane;
    int answers = 0;
    hx::services::PreviewerCard card(request, &pane);
    QObject::connect(&card, &hx::services::PreviewerCard::answered, [&answers] { ++answers; });
    // A page or not, nothing is answered before the user acts; the card program answers an
    // invocation with nothing to show itself.
    card.open();
    if (answers != 0)
        __builtin_trap();
    QCoreApplication::processEvents();
    hx::fuzz::finishInput();
    return 0;
}

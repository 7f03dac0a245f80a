#ifndef HX_SYSTEM_CARDWIRE_P_H
#define HX_SYSTEM_CARDWIRE_P_H

#include <hx/system/carddonemessage.h>
#include <hx/system/invokerequest.h>

#include <QtCore/QByteArray>

namespace hx {
namespace system {

// The two messages a card and its invoker exchange over the card socket, each one compact
// JSON object on a line of its own: the invocation first, then the card-done message.
class CardWire
{
public:
    static QByteArray encodeRequest(const InvokeRequest &request);
    // False when line is not an invocation.
    static bool decodeRequest(const QByteArray &line, InvokeRequest *request);
    static QByteArray encodeDone(const CardDoneMessage &message);
    // False when line is not a card-done message.
    static bool decodeDone(const QByteArray &line, CardDoneMessage *message);

    // Longest line either side accepts; a place with pictures stays far below it.
    static const int MAX_LINE = 16 * 1024 * 1024;
};

} // namespace system
} // namespace hx

#endif

// Feeds arbitrary bytes to a card as its invocation line from the socket: both cards decode it
// the same way, and the previewer card then chooses and opens its page from it. A decoded
// invocation must survive a round trip through the line form; opening must never crash nor
// answer before the user does anything.
#include "cardwire_p.h"
#include "finishinput.h"
#include "previewercard.h"

#include <hx/system/invokerequest.h>
#include <hx/trellan/navigationpane.h>
#include <hx/trellan/places/placeutils.h>

#include <QtCore/QLoggingCategory>
#include <QtCore/QTemporaryDir>
#include <QtGui/QGuiApplication>

#include <cstddef>
#include <cstdint>

using hx::system::CardWire;
using hx::system::InvokeRequest;

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    QLoggingCategory::setFilterRules(QStringLiteral("*=false"));
    static QTemporaryDir roots;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Qt's own event dispatcher: a GLib one per thread keeps its context where the leak check
    // cannot see it while a geocoding thread still runs.
    qputenv("QT_NO_GLIB", "1");
    qputenv("HX_PLACES_DB", roots.filePath(QStringLiteral("places.db")).toUtf8());
    qputenv("HX_GAZETTEER_DB", roots.filePath(QStringLiteral("gazetteer.db")).toUtf8());
    qputenv("HX_PPS_ROOT", roots.filePath(QStringLiteral("pps")).toUtf8());
    static QGuiApplication application(*argc, *argv);
    hx::trellan::places::PlaceUtils::init();
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

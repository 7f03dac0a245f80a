// Feeds arbitrary bytes, read as a place URL another application shared, to the previewer card's
// share preview. It must build a page or refuse, never crash, and never touch a stored place
// whose id and name the URL does not both name.
#include "finishinput.h"
#include "startscreens.h"

#include <hx/platform/places/place.h>
#include <hx/trellan/places/cardinterface.h>
#include <hx/trellan/places/placemanagerui.h>
#include <hx/trellan/places/sharepreview.h>

#include <QtCore/QScopedPointer>
#include <QtCore/QUrl>

#include <cstddef>
#include <cstdint>

using namespace hx::trellan::places;
using hx::platform::places::Place;

namespace {
qint64 g_storedId = -1;
}

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    hx::fuzz::startScreens(argc, argv);
    // One stored place the URLs may name, or only pretend to.
    Place place(QStringLiteral("Lumen Coffee"),
                hx::platform::places::Location(hx::platform::places::Coordinates(43.4643, -80.5204),
                                               hx::platform::places::Address()));
    place.addTag(QStringLiteral("favorite"));
    PlaceManagerUI::addPlace(place, false);
    g_storedId = place.id();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), int(size));
    QScopedPointer<SharePreview> preview(CardInterface::createSharePreview(QUrl(text)));
    QCoreApplication::processEvents();
    preview.reset();
    hx::fuzz::finishInput();
    hx::platform::places::Error::Type error = hx::platform::places::Error::None;
    QScopedPointer<Place> stored(PlaceManagerUI::getPlace(g_storedId, error, false));
    if (!stored || stored->name() != QLatin1String("Lumen Coffee") || !stored->isFavorite())
        __builtin_trap();
    return 0;
}

// Feeds arbitrary bytes, read as a place URL another application shared, to the previewer card's
// share preview. It must build a page or refuse, never crash, and never touch a stored place
// whose id and name the URL does not both name.
#include "finishinput.h"

#include <hx/platform/places/place.h>
#include <hx/trellan/places/cardinterface.h>
#include <hx/trellan/places/placemanagerui.h>
#include <hx/trellan/places/placeutils.h>
#include <hx/trellan/places/sharepreview.h>

#include <QtCore/QLoggingCategory>
#include <QtCore/QScopedPointer>
#include <QtCore/QTemporaryDir>
#include <QtCore/QUrl>
#include <QtGui/QGuiApplication>

#include <cstddef>
#include <cstdint>

using namespace hx::trellan::places;
using hx::platform::places::Place;

namespace {
qint64 g_storedId = -1;
}

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
    PlaceUtils::init();
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

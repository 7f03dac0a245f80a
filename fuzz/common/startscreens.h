#ifndef HX_FUZZ_STARTSCREENS_H
#define HX_FUZZ_STARTSCREENS_H

#include <hx/trellan/places/placeutils.h>

#include <QtCore/QLoggingCategory>
#include <QtCore/QTemporaryDir>
#include <QtGui/QGuiApplication>

namespace hx {
namespace fuzz {

// What a target that builds screens needs once: quiet logs, a store, gazetteer and
// publish/subscribe root of its own, and the application on the offscreen platform.
inline void startScreens(int *argc, char ***argv)
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
}

} // namespace fuzz
} // namespace hx

#endif

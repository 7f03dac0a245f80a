// Feeds arbitrary reverse-geocoding replies to PlaceUtils::parseResponse: it must never crash,
// hang or keep a candidate without valid coordinates.
#include <hx/trellan/places/placeutils.h>

#include <QtCore/QCoreApplication>
#include <QtCore/QLoggingCategory>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

// The script engine keeps per-process state that it never frees: allocations made inside it are
// not ours to report (our own objects show our frames first, and leak with them).
extern "C" const char *__lsan_default_suppressions()
{
    return "leak:libQt5Script.so\n";
}

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    // The script engine refuses to start without an application, as it would in the library's
    // own process; the rejected replies' log lines would only slow the search down.
    static QCoreApplication application(*argc, *argv);
    QLoggingCategory::setFilterRules(QStringLiteral("*=false"));
    // The first script engine of a process sets up state that lives until exit; set it up here
    // so that it does not count as a leak of the first reply.
    QList<hx::platform::places::Location> list;
    hx::trellan::places::PlaceUtils::parseResponse(QStringLiteral("{\"response\":[]}"), list);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    // The service's reply buffer is 8192 bytes; larger inputs only slow the search down.
    if (size > 8191)
        return 0;
    const QString reply = QString::fromUtf8(reinterpret_cast<const char *>(data), int(size));
    QList<hx::platform::places::Location> list;
    hx::trellan::places::PlaceUtils::parseResponse(reply, list);
    for (const hx::platform::places::Location &location : list) {
        if (!location.coordinates().isValid())
            std::abort();
    }
    return 0;
}

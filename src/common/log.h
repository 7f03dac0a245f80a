#ifndef HX_TRELLAN_PLACES_LOG_H
#define HX_TRELLAN_PLACES_LOG_H

#include <hx/trellan/places/hxplacesglobal.h>

#include <QtCore/QDebug>
#include <QtCore/QLoggingCategory>

namespace hx {
namespace trellan {
namespace places {

HXPLACES_EXPORT Q_DECLARE_LOGGING_CATEGORY(lcPlaces)

    // The library's one way to write to the message log. Streams are unquoted and unspaced, so a
    // line reads exactly as written: Log::debug() << "hx::trellan::places::Foo::bar() error = " << 5.
    class HXPLACES_EXPORT Log
{
public:
    static QDebug debug();
    static QDebug warning();
    static QDebug critical();
};

} // namespace places
} // namespace trellan
} // namespace hx

#endif

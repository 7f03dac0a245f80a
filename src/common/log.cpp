#include <hx/trellan/places/log.h>

namespace hx {
namespace trellan {
namespace places {

Q_LOGGING_CATEGORY(lcPlaces, "hx.trellan.places")

QDebug Log::debug()
{
    return QMessageLogger().debug(lcPlaces()).noquote().nospace();
}

QDebug Log::warning()
{
    return QMessageLogger().warning(lcPlaces()).noquote().nospace();
}

QDebug Log::critical()
{
    return QMessageLogger().critical(lcPlaces()).noquote().nospace();
}

} // namespace places
} // namespace trellan
} // namespace hx

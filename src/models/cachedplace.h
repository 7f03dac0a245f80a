#ifndef HX_TRELLAN_PLACES_CACHEDPLACE_H
#define HX_TRELLAN_PLACES_CACHEDPLACE_H

#include <hx/platform/places/abstractplace.h>

#include <QtCore/QMetaType>
#include <QtCore/QSharedPointer>

namespace hx {
namespace trellan {
namespace places {

// A store record held by a list: a full Place or a light PlaceHeader; null means no entry.
typedef QSharedPointer<hx::platform::places::AbstractPlace> CachedPlace;

} // namespace places
} // namespace trellan
} // namespace hx

#endif

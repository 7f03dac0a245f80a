#ifndef HX_TRELLAN_PLACES_RESOURCEUTILS_H
#define HX_TRELLAN_PLACES_RESOURCEUTILS_H

#include <hx/trellan/places/hxplacesglobal.h>

#include <QtCore/QByteArray>
#include <QtCore/QString>

namespace hx {
namespace trellan {
namespace places {

// Where the library's images are looked up: its own embedded tree first, then the
// application's asset folder, so an application may ship images the library lacks.
class HXPLACES_EXPORT ResourceUtils
{
public:
    ResourceUtils() = delete;

    // "asset:///places_images/" + name: the application's own image.
    static QString getAssetPath(const QString &name);
    // "asset://hx.trellan.places/places_images/" + name: the library's embedded image.
    static QString getQRCPath(const QString &name);
    // The PNG bytes of the picker button's image, embedded in the library.
    static QByteArray PlacePickerPngData();
};

} // namespace places
} // namespace trellan
} // namespace hx

#endif

#ifndef HX_TRELLAN_PLACES_IMAGEUTILS_H
#define HX_TRELLAN_PLACES_IMAGEUTILS_H

#include <hx/trellan/places/hxplacesglobal.h>

#include <QtCore/QByteArray>
#include <QtGui/QImage>
#include <hx/trellan/image.h>

namespace hx {
namespace trellan {
namespace places {

// Turns encoded images into the toolkit's images.
class HXPLACES_EXPORT ImageUtils
{
public:
    ImageUtils() = delete;

    // Decodes PNG bytes; a null image for anything else.
    static QImage fromBytesToQImage(const QByteArray &bytes);
    // Premultiplied RGBA pixels for the toolkit; an empty image for a null one.
    static hx::trellan::Image fromQImageToImage(const QImage &image);
    static hx::trellan::Image fromBytesToImage(const QByteArray &bytes);
};

} // namespace places
} // namespace trellan
} // namespace hx

#endif

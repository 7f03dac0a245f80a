#ifndef HX_UTILITY_IMAGECONVERTER_H
#define HX_UTILITY_IMAGECONVERTER_H

#include <QtCore/QByteArray>
#include <QtCore/QString>
#include <QtGui/QImage>

namespace hx {
namespace utility {

// Turns images into bytes and back, and into the pixel layout the toolkit's images hold.
class ImageConverter
{
public:
    // Encodes as "image/png", "image/jpeg" (or "image/jpg") or "image/bmp"; quality 0-100
    // (-1: the encoder's default). An empty array for a null image or an unknown type.
    static QByteArray encode(const QString &mimeType, const QImage &image, int quality = -1);
    // Decodes any supported format; format names the expected one ("PNG"), or empty to
    // guess. A null image for broken or empty bytes.
    static QImage decode(const QByteArray &bytes, const char *format = nullptr);
    // Premultiplied RGBA bytes in memory order (red, green, blue, alpha), whatever the host.
    static QImage toPremultipliedRgba(const QImage &image);
};

} // namespace utility
} // namespace hx

#endif

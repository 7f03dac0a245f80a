#include <hx/trellan/places/imageutils.h>

#include <QtCore/QtEndian>

namespace hx {
namespace trellan {
namespace places {

QImage ImageUtils::fromBytesToQImage(const QByteArray &bytes)
{
    return QImage::fromData(bytes, "PNG");
}

hx::trellan::Image ImageUtils::fromQImageToImage(const QImage &image)
{
    if (image.isNull())
        return hx::trellan::Image();
    QImage pixels = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    // ARGB32 keeps each pixel as one host-order 0xAARRGGBB word; the toolkit wants the bytes
    // red, green, blue, alpha in memory whatever the host's byte order.
    for (int y = 0; y < pixels.height(); ++y) {
        quint32 *line = reinterpret_cast<quint32 *>(pixels.scanLine(y));
        for (int x = 0; x < pixels.width(); ++x) {
            const quint32 argb = line[x];
            const quint32 rgba = (argb << 8) | (argb >> 24);
            line[x] = qToBigEndian(rgba);
        }
    }
    return hx::trellan::Image::fromPixels(pixels.constBits(), pixels.width(), pixels.height(), pixels.width() * 4);
}

hx::trellan::Image ImageUtils::fromBytesToImage(const QByteArray &bytes)
{
    return fromQImageToImage(fromBytesToQImage(bytes));
}

} // namespace places
} // namespace trellan
} // namespace hx

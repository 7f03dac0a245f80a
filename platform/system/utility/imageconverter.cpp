#include <hx/utility/imageconverter.h>

#include <QtCore/QBuffer>

namespace hx {
namespace utility {

QByteArray ImageConverter::encode(const QString &mimeType, const QImage &image, int quality)
{
    if (image.isNull())
        return QByteArray();
    const QString type = mimeType.toLower();
    const char *format = nullptr;
    if (type == QLatin1String("image/png"))
        format = "PNG";
    else if (type == QLatin1String("image/jpeg") || type == QLatin1String("image/jpg"))
        format = "JPEG";
    else if (type == QLatin1String("image/bmp"))
        format = "BMP";
    if (!format)
        return QByteArray();
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, format, quality))
        return QByteArray();
    return bytes;
}

QImage ImageConverter::decode(const QByteArray &bytes, const char *format)
{
    if (bytes.isEmpty())
        return QImage();
    return QImage::fromData(bytes, format);
}

QImage ImageConverter::toPremultipliedRgba(const QImage &image)
{
    if (image.isNull())
        return QImage();
    return image.convertToFormat(QImage::Format_RGBA8888_Premultiplied);
}

} // namespace utility
} // namespace hx

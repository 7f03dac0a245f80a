#include <hx/trellan/assetresolver.h>
#include <hx/trellan/image.h>

#include <QtCore/QCache>
#include <QtCore/QDateTime>
#include <QtCore/QFileInfo>
#include <QtCore/QMutex>
#include <QtCore/QMutexLocker>

namespace hx {
namespace trellan {

namespace {
// Rows and actions show the same few icons again and again, and decoding a PNG costs far more
// than drawing it: decoded files are kept by path, as long as the file is unchanged.
struct DecodedImages
{
    QMutex mutex;
    QCache<QString, QImage> images { 32 * 1024 }; // the cost of an image is its size in KiB
};
Q_GLOBAL_STATIC(DecodedImages, decodedImages)

QImage decoded(const QString &file)
{
    const QFileInfo info(file);
    const QString key = file + QLatin1Char('\n') + QString::number(info.lastModified().toMSecsSinceEpoch())
        + QLatin1Char('\n') + QString::number(info.size());
    {
        QMutexLocker locker(&decodedImages->mutex);
        if (const QImage *image = decodedImages->images.object(key))
            return *image;
    }
    const QImage image(file);
    if (!image.isNull()) {
        QMutexLocker locker(&decodedImages->mutex);
        decodedImages->images.insert(key, new QImage(image), qMax(1, int(image.sizeInBytes() / 1024)));
    }
    return image;
}
} // namespace

Image::Image(const QUrl &source) : m_source(source)
{
    const QString file = AssetResolver::resolve(source);
    if (!file.isEmpty())
        m_image = decoded(file);
}

Image::Image(const QByteArray &encoded)
{
    m_image.loadFromData(encoded);
}

Image::Image(const QImage &image) : m_image(image) { }

Image Image::fromPixels(const uchar *rgbaPremultiplied, int width, int height, int stride)
{
    if (!rgbaPremultiplied || width <= 0 || height <= 0 || stride < width * 4)
        return Image();
    const QImage wrapped(rgbaPremultiplied, width, height, stride, QImage::Format_RGBA8888_Premultiplied);
    return Image(wrapped.copy());
}

bool Image::operator==(const Image &other) const
{
    return m_source == other.m_source && m_image == other.m_image;
}

} // namespace trellan
} // namespace hx

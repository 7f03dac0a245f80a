#include <hx/trellan/assetresolver.h>
#include <hx/trellan/image.h>

namespace hx {
namespace trellan {

Image::Image(const QUrl &source) : m_source(source)
{
    const QString file = AssetResolver::resolve(source);
    if (!file.isEmpty())
        m_image.load(file);
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

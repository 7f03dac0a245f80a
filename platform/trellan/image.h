#ifndef HX_TRELLAN_IMAGE_H
#define HX_TRELLAN_IMAGE_H

#include <QtCore/QByteArray>
#include <QtCore/QMetaType>
#include <QtCore/QUrl>
#include <QtGui/QImage>

namespace hx {
namespace trellan {

// An image for image views, buttons and actions: loaded from an asset URL or file, decoded from
// encoded bytes, or wrapped from pixels. Cheap to copy. A null image is an empty image.
class Image
{
public:
    Image() = default;
    explicit Image(const QUrl &source);
    explicit Image(const QByteArray &encoded);
    explicit Image(const QImage &image);

    // Premultiplied RGBA pixels (bytes red, green, blue, alpha) with the given row stride.
    static Image fromPixels(const uchar *rgbaPremultiplied, int width, int height, int stride);

    bool isNull() const { return m_image.isNull(); }
    QUrl source() const { return m_source; }
    QImage toQImage() const { return m_image; }
    QSize size() const { return m_image.size(); }
    // The one terminal cell that stands for the image, when its file names one (the "Symbol"
    // text of a PNG); empty otherwise.
    QString symbol() const { return m_image.text(QStringLiteral("Symbol")); }

    // Same source (when loaded from one) and the same pixels.
    bool operator==(const Image &other) const;
    bool operator!=(const Image &other) const { return !(*this == other); }

private:
    QUrl m_source;
    QImage m_image;
};

} // namespace trellan
} // namespace hx

Q_DECLARE_METATYPE(hx::trellan::Image)

#endif

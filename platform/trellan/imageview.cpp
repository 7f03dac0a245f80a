#include <hx/trellan/imageview.h>

namespace hx {
namespace trellan {

struct ImageView::Private
{
    Image image;
    QUrl source;
    int scalingMethod = 0;
};

ImageView::ImageView(QObject *parent) : Control(parent), d(new Private) { }

ImageView::~ImageView() = default;

Image ImageView::image() const
{
    return d->image;
}

void ImageView::setImage(const Image &image)
{
    d->image = image;
    d->source = image.source();
    emit imageChanged();
}

QUrl ImageView::imageSource() const
{
    return d->source;
}

void ImageView::setImageSource(const QUrl &source)
{
    d->image = Image(source);
    d->source = source;
    emit imageChanged();
}

void ImageView::setImageSource(const QString &pathOrUrl)
{
    const QUrl url = pathOrUrl.startsWith(QLatin1Char('/')) ? QUrl::fromLocalFile(pathOrUrl) : QUrl(pathOrUrl);
    setImageSource(url);
}

void ImageView::resetImage()
{
    d->image = Image();
    d->source = QUrl();
    emit imageChanged();
}

bool ImageView::hasImage() const
{
    return !d->image.isNull();
}

int ImageView::scalingMethod() const
{
    return d->scalingMethod;
}

void ImageView::setScalingMethod(int method)
{
    d->scalingMethod = method;
}

} // namespace trellan
} // namespace hx

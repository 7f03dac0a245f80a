#include <hx/trellan/places/webimage.h>

#include <hx/trellan/places/log.h>

#include <QtCore/QStandardPaths>
#include <QtNetwork/QNetworkAccessManager>
#include <QtNetwork/QNetworkDiskCache>
#include <QtNetwork/QNetworkReply>
#include <QtNetwork/QNetworkRequest>

namespace hx {
namespace trellan {
namespace places {

namespace {

bool isLoadable(const QUrl &url)
{
    const QString scheme = url.scheme().toLower();
    return scheme == QLatin1String("http") || scheme == QLatin1String("https") || scheme == QLatin1String("file");
}

} // namespace

WebImage::WebImage(QObject *parent) : QObject(parent) { }

WebImage::~WebImage() = default;

void WebImage::ensureManager()
{
    if (m_manager)
        return;
    m_manager = new QNetworkAccessManager(this);
    auto *cache = new QNetworkDiskCache(m_manager);
    cache->setCacheDirectory(QStandardPaths::writableLocation(QStandardPaths::CacheLocation));
    m_manager->setCache(cache);
}

void WebImage::setUrl(const QUrl &url)
{
    if (!url.isValid() || url.isEmpty())
        return;
    if (!isLoadable(url)) {
        Log::warning() << "hx::trellan::places::WebImage::setUrl() error: unsupported scheme = " << url.scheme();
        return;
    }
    ensureManager();
    connect(m_manager, &QNetworkAccessManager::finished, this, &WebImage::onImageLoaded, Qt::UniqueConnection);
    QNetworkRequest request(url);
    request.setAttribute(QNetworkRequest::CacheLoadControlAttribute, QNetworkRequest::PreferCache);
    m_manager->get(request);
}

void WebImage::onImageLoaded(QNetworkReply *reply)
{
    reply->deleteLater();
    if (reply->error() != QNetworkReply::NoError) {
        Log::warning() << "hx::trellan::places::WebImage::onImageLoaded() error: " << int(reply->error());
        return;
    }
    const QByteArray body = reply->readAll();
    if (body.isEmpty())
        return;
    // A body that is not an image is still handed on: it arrives as an empty image, which shows
    // nothing, and the log says why.
    const hx::trellan::Image image(body);
    if (image.isNull())
        Log::warning() << "hx::trellan::places::WebImage::onImageLoaded() error: not an image, "
                       << reply->url().toString();
    emit imageLoaded(image);
}

} // namespace places
} // namespace trellan
} // namespace hx

#ifndef HX_TRELLAN_PLACES_WEBIMAGE_H
#define HX_TRELLAN_PLACES_WEBIMAGE_H

#include <hx/trellan/image.h>
#include <hx/trellan/places/hxplacesglobal.h>

#include <QtCore/QObject>
#include <QtCore/QUrl>

QT_BEGIN_NAMESPACE
class QNetworkAccessManager;
class QNetworkReply;
QT_END_NAMESPACE

namespace hx {
namespace trellan {
namespace places {

// Loads one web image (a place's thumbnail) without blocking, through a disk cache kept in the
// application's cache folder, so a second load of the same image does not go to the network.
class HXPLACES_EXPORT WebImage : public QObject
{
    Q_OBJECT

public:
    explicit WebImage(QObject *parent = nullptr);
    ~WebImage() override;

    void setUrl(const QUrl &url);

signals:
    void imageLoaded(const hx::trellan::Image &image);

public slots:
    void onImageLoaded(QNetworkReply *reply);

private:
    void ensureManager();

    QNetworkAccessManager *m_manager = nullptr;
};

} // namespace places
} // namespace trellan
} // namespace hx

#endif

#ifndef HX_TRELLAN_IMAGEVIEW_H
#define HX_TRELLAN_IMAGEVIEW_H

#include <hx/trellan/control.h>
#include <hx/trellan/image.h>

#include <QtCore/QUrl>

namespace hx {
namespace trellan {

// Shows an Image, given as one or by its source (an asset URL or a file path).
class ImageView : public Control
{
    Q_OBJECT
    Q_PROPERTY(QUrl imageSource READ imageSource WRITE setImageSource RESET resetImage NOTIFY imageChanged)
    Q_PROPERTY(int scalingMethod READ scalingMethod WRITE setScalingMethod)
public:
    explicit ImageView(QObject *parent = nullptr);
    ~ImageView() override;

    Image image() const;
    void setImage(const Image &image);
    QUrl imageSource() const;
    // Loads the image from the source; a plain file path is accepted too.
    void setImageSource(const QUrl &source);
    void setImageSource(const QString &pathOrUrl);
    void resetImage();
    bool hasImage() const;
    int scalingMethod() const;
    void setScalingMethod(int method);

signals:
    void imageChanged();

private:
    struct Private;
    QScopedPointer<Private> d;
};

} // namespace trellan
} // namespace hx

#endif

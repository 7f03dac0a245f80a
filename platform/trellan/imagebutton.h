#ifndef HX_TRELLAN_IMAGEBUTTON_H
#define HX_TRELLAN_IMAGEBUTTON_H

#include <hx/trellan/control.h>
#include <hx/trellan/image.h>

#include <QtCore/QUrl>

namespace hx {
namespace trellan {

// A button made of images: its default, pressed and disabled look.
class ImageButton : public Control
{
    Q_OBJECT
    Q_PROPERTY(QUrl defaultImageSource READ defaultImageSource WRITE setDefaultImageSource)
    Q_PROPERTY(QUrl pressedImageSource READ pressedImageSource WRITE setPressedImageSource)
    Q_PROPERTY(QUrl disabledImageSource READ disabledImageSource WRITE setDisabledImageSource)
public:
    explicit ImageButton(QObject *parent = nullptr);

    QUrl defaultImageSource() const { return m_default; }
    void setDefaultImageSource(const QUrl &source) { m_default = source; }
    QUrl pressedImageSource() const { return m_pressed; }
    void setPressedImageSource(const QUrl &source) { m_pressed = source; }
    QUrl disabledImageSource() const { return m_disabled; }
    void setDisabledImageSource(const QUrl &source) { m_disabled = source; }
    Image defaultImage() const { return m_defaultImage; }
    void setDefaultImage(const Image &image) { m_defaultImage = image; }
    Image pressedImage() const { return m_pressedImage; }
    void setPressedImage(const Image &image) { m_pressedImage = image; }

    // A user's press: clicked, unless disabled or hidden.
    bool click();

signals:
    void clicked();

private:
    QUrl m_default;
    QUrl m_pressed;
    QUrl m_disabled;
    Image m_defaultImage;
    Image m_pressedImage;
};

} // namespace trellan
} // namespace hx

#endif

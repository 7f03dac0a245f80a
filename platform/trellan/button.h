#ifndef HX_TRELLAN_BUTTON_H
#define HX_TRELLAN_BUTTON_H

#include <hx/trellan/control.h>
#include <hx/trellan/image.h>

#include <QtCore/QUrl>

namespace hx {
namespace trellan {

// A push button with a text and an image.
class Button : public Control
{
    Q_OBJECT
    Q_PROPERTY(QString text READ text WRITE setText NOTIFY textChanged)
    Q_PROPERTY(QUrl imageSource READ imageSource WRITE setImageSource)
public:
    explicit Button(QObject *parent = nullptr);
    explicit Button(const QString &text, QObject *parent = nullptr);
    ~Button() override;

    QString text() const;
    void setText(const QString &text);
    Image image() const;
    void setImage(const Image &image);
    QUrl imageSource() const;
    void setImageSource(const QUrl &source);

    // A user's press: clicked, unless the button is disabled or hidden.
    bool click();

signals:
    void clicked();
    void textChanged(const QString &text);

private:
    struct Private;
    QScopedPointer<Private> d;
};

} // namespace trellan
} // namespace hx

#endif

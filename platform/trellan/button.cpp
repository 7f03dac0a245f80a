#include <hx/trellan/button.h>

namespace hx {
namespace trellan {

struct Button::Private
{
    QString text;
    Image image;
    QUrl source;
};

Button::Button(QObject *parent) : Control(parent), d(new Private) { }

Button::Button(const QString &text, QObject *parent) : Control(parent), d(new Private)
{
    d->text = text;
}

Button::~Button() = default;

QString Button::text() const
{
    return d->text;
}

void Button::setText(const QString &text)
{
    if (d->text == text)
        return;
    d->text = text;
    emit textChanged(text);
}

Image Button::image() const
{
    return d->image;
}

void Button::setImage(const Image &image)
{
    d->image = image;
    d->source = image.source();
}

QUrl Button::imageSource() const
{
    return d->source;
}

void Button::setImageSource(const QUrl &source)
{
    d->image = Image(source);
    d->source = source;
}

bool Button::click()
{
    if (!isEnabled() || !isVisible())
        return false;
    emit clicked();
    return true;
}

} // namespace trellan
} // namespace hx

#include <hx/trellan/abstracttextcontrol.h>

namespace hx {
namespace trellan {

struct AbstractTextControl::Private
{
    QString text;
    int textFormat = 0;
    TextStyle style;
};

AbstractTextControl::AbstractTextControl(QObject *parent) : Control(parent), d(new Private) { }

AbstractTextControl::~AbstractTextControl() = default;

QString AbstractTextControl::text() const
{
    return d->text;
}

void AbstractTextControl::setText(const QString &text)
{
    if (d->text == text)
        return;
    d->text = text;
    emit textChanged(text);
}

void AbstractTextControl::resetText()
{
    setText(QString());
}

void AbstractTextControl::storeText(const QString &text)
{
    d->text = text;
}

int AbstractTextControl::textFormat() const
{
    return d->textFormat;
}

void AbstractTextControl::setTextFormat(int format)
{
    d->textFormat = format;
}

TextStyle AbstractTextControl::textStyle() const
{
    return d->style;
}

void AbstractTextControl::setTextStyle(const TextStyle &style)
{
    d->style = style;
}

void AbstractTextControl::resetTextStyle()
{
    d->style = TextStyle();
}

QVariant AbstractTextControl::textStyleVariant() const
{
    return QVariant::fromValue(d->style);
}

void AbstractTextControl::setTextStyleVariant(const QVariant &style)
{
    if (style.canConvert<TextStyle>())
        d->style = style.value<TextStyle>();
    else if (style.userType() == QMetaType::QString)
        d->style = TextStyle(style.toString());
}

} // namespace trellan
} // namespace hx

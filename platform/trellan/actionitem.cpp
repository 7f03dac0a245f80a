#include <hx/trellan/actionitem.h>
#include <hx/trellan/focusrequester.h>

namespace hx {
namespace trellan {

struct ActionItem::Private
{
    QString title;
    QUrl source;
    Image image;
    bool enabled = true;
    bool focused = false;
    int placement = 0;
};

ActionItem::ActionItem(QObject *parent) : UIObject(parent), d(new Private) { }

ActionItem::~ActionItem()
{
    if (d->focused)
        FocusRequester::release(this, true);
}

QString ActionItem::title() const
{
    return d->title;
}

void ActionItem::setTitle(const QString &title)
{
    if (d->title == title)
        return;
    d->title = title;
    emit titleChanged(title);
}

QUrl ActionItem::imageSource() const
{
    return d->source;
}

void ActionItem::setImageSource(const QUrl &source)
{
    d->source = source;
    d->image = Image(source);
}

Image ActionItem::image() const
{
    return d->image;
}

void ActionItem::setImage(const Image &image)
{
    d->image = image;
    d->source = image.source();
}

bool ActionItem::isEnabled() const
{
    return d->enabled;
}

void ActionItem::setEnabled(bool enabled)
{
    if (d->enabled == enabled)
        return;
    d->enabled = enabled;
    emit enabledChanged(enabled);
}

void ActionItem::resetEnabled()
{
    setEnabled(true);
}

int ActionItem::actionBarPlacement() const
{
    return d->placement;
}

void ActionItem::setActionBarPlacement(int placement)
{
    d->placement = placement;
}

bool ActionItem::isFocused() const
{
    return d->focused;
}

void ActionItem::requestFocus()
{
    FocusRequester::requestFocus(this);
}

void ActionItem::applyFocus(bool focused)
{
    if (d->focused == focused)
        return;
    d->focused = focused;
    emit focusedChanged(focused);
}

bool ActionItem::trigger()
{
    if (!d->enabled)
        return false;
    emit triggered();
    return true;
}

} // namespace trellan
} // namespace hx

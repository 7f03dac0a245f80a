#include <hx/trellan/dialog.h>

#include <QtCore/QPointer>

#include "overlaystate_p.h"

namespace hx {
namespace trellan {

namespace {
OverlayList &openedDialogs()
{
    static OverlayList list;
    return list;
}
} // namespace

struct Dialog::Private
{
    explicit Private(Dialog *owner) : state(owner, &openedDialogs()) { }

    QPointer<Control> content;
    OverlayState state;
};

Dialog::Dialog(QObject *parent) : UIObject(parent), d(new Private(this)) { }

Dialog::~Dialog() = default;

Control *Dialog::content() const
{
    return d->content;
}

void Dialog::setContent(Control *content)
{
    d->content = content;
    if (content)
        content->setParent(this);
}

bool Dialog::isOpened() const
{
    return d->state.isOpened();
}

QList<Dialog *> Dialog::openDialogs()
{
    return openedDialogs().overlays<Dialog>();
}

void Dialog::open()
{
    d->state.setOpened(this, true);
}

void Dialog::close()
{
    d->state.setOpened(this, false);
}

} // namespace trellan
} // namespace hx

#include <hx/trellan/sheet.h>

#include <QtCore/QPointer>

#include "overlaystate_p.h"

namespace hx {
namespace trellan {

namespace {
OverlayList &openedSheets()
{
    static OverlayList list;
    return list;
}
} // namespace

struct Sheet::Private
{
    explicit Private(Sheet *owner) : state(owner, &openedSheets()) { }

    QPointer<AbstractPane> content;
    bool peek = true;
    OverlayState state;
};

Sheet::Sheet(QObject *parent) : UIObject(parent), d(new Private(this)) { }

Sheet::~Sheet() = default;

AbstractPane *Sheet::content() const
{
    return d->content;
}

void Sheet::setContent(AbstractPane *content)
{
    d->content = content;
    if (content)
        content->setParent(this);
}

bool Sheet::isPeekEnabled() const
{
    return d->peek;
}
void Sheet::setPeekEnabled(bool enabled)
{
    d->peek = enabled;
}
bool Sheet::isOpened() const
{
    return d->state.isOpened();
}

QList<Sheet *> Sheet::openSheets()
{
    return openedSheets().overlays<Sheet>();
}

void Sheet::open()
{
    d->state.setOpened(this, true);
}

void Sheet::close()
{
    d->state.setOpened(this, false);
}

} // namespace trellan
} // namespace hx

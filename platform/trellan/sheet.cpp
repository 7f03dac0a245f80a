#include <hx/trellan/sheet.h>

#include <QtCore/QMutex>
#include <QtCore/QMutexLocker>
#include <QtCore/QPointer>
#include <QtCore/QTimer>

namespace hx {
namespace trellan {

namespace {
QMutex sheetsMutex;
QList<Sheet *> openedSheets;
} // namespace

struct Sheet::Private
{
    QPointer<AbstractPane> content;
    bool peek = true;
    bool opened = false;
};

Sheet::Sheet(QObject *parent) : UIObject(parent), d(new Private) { }

Sheet::~Sheet()
{
    QMutexLocker locker(&sheetsMutex);
    openedSheets.removeAll(this);
}

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
    return d->opened;
}

QList<Sheet *> Sheet::openSheets()
{
    QMutexLocker locker(&sheetsMutex);
    return openedSheets;
}

void Sheet::open()
{
    if (d->opened)
        return;
    d->opened = true;
    {
        QMutexLocker locker(&sheetsMutex);
        openedSheets.append(this);
    }
    emit openedChanged(true);
    QTimer::singleShot(0, this, [this] {
        if (d->opened)
            emit opened();
    });
}

void Sheet::close()
{
    if (!d->opened)
        return;
    d->opened = false;
    {
        QMutexLocker locker(&sheetsMutex);
        openedSheets.removeAll(this);
    }
    emit openedChanged(false);
    QTimer::singleShot(0, this, [this] {
        if (!d->opened)
            emit closed();
    });
}

} // namespace trellan
} // namespace hx

#include <hx/trellan/dialog.h>

#include <QtCore/QMutex>
#include <QtCore/QMutexLocker>
#include <QtCore/QPointer>
#include <QtCore/QTimer>

namespace hx {
namespace trellan {

namespace {
QMutex dialogsMutex;
QList<Dialog *> openedDialogs;
} // namespace

struct Dialog::Private
{
    QPointer<Control> content;
    bool opened = false;
};

Dialog::Dialog(QObject *parent) : UIObject(parent), d(new Private) { }

Dialog::~Dialog()
{
    QMutexLocker locker(&dialogsMutex);
    openedDialogs.removeAll(this);
}

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
    return d->opened;
}

QList<Dialog *> Dialog::openDialogs()
{
    QMutexLocker locker(&dialogsMutex);
    return openedDialogs;
}

void Dialog::open()
{
    if (d->opened)
        return;
    d->opened = true;
    {
        QMutexLocker locker(&dialogsMutex);
        openedDialogs.append(this);
    }
    emit openedChanged(true);
    QTimer::singleShot(0, this, [this] {
        if (d->opened)
            emit opened();
    });
}

void Dialog::close()
{
    if (!d->opened)
        return;
    d->opened = false;
    {
        QMutexLocker locker(&dialogsMutex);
        openedDialogs.removeAll(this);
    }
    emit openedChanged(false);
    QTimer::singleShot(0, this, [this] {
        if (!d->opened)
            emit closed();
    });
}

} // namespace trellan
} // namespace hx

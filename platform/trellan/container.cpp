#include <hx/trellan/container.h>
#include <hx/trellan/layout.h>
#include <hx/trellan/stacklayout.h>

namespace hx {
namespace trellan {

struct Container::Private
{
    QList<Control *> controls;
    Layout *layout = nullptr;
    QVariant background;
};

Container::Container(QObject *parent) : Control(parent), d(new Private)
{
    d->layout = new StackLayout(this);
}

Container::~Container()
{
    // Children die with the QObject tree; stop tracking them first.
    for (Control *control : qAsConst(d->controls))
        disconnect(control, &QObject::destroyed, this, nullptr);
}

void Container::add(Control *control)
{
    insert(d->controls.size(), control);
}

void Container::insert(int index, Control *control)
{
    if (!control || control == this)
        return;
    if (auto *previous = qobject_cast<Container *>(control->parent()))
        previous->remove(control);
    d->controls.removeAll(control);
    index = qBound(0, index, d->controls.size());
    d->controls.insert(index, control);
    control->setParent(this);
    connect(control, &QObject::destroyed, this, &Container::forget, Qt::UniqueConnection);
    emit controlAdded(control);
}

bool Container::remove(Control *control)
{
    if (!control || !d->controls.removeOne(control))
        return false;
    disconnect(control, &QObject::destroyed, this, &Container::forget);
    control->setParent(nullptr);
    emit controlRemoved(control);
    return true;
}

void Container::removeAll()
{
    const QList<Control *> children = d->controls;
    for (Control *control : children) {
        remove(control);
        delete control;
    }
}

int Container::count() const
{
    return d->controls.size();
}

Control *Container::at(int index) const
{
    return d->controls.value(index);
}

int Container::indexOf(Control *control) const
{
    return d->controls.indexOf(control);
}

QList<Control *> Container::controls() const
{
    return d->controls;
}

Layout *Container::layout() const
{
    return d->layout;
}

void Container::setLayout(Layout *layout)
{
    if (!layout || layout == d->layout)
        return;
    delete d->layout;
    d->layout = layout;
    layout->setParent(this);
}

QVariant Container::background() const
{
    return d->background;
}

void Container::setBackground(const Color &color)
{
    d->background = QVariant::fromValue(color);
}

void Container::setBackground(const ImagePaint &paint)
{
    d->background = QVariant::fromValue(paint);
}

void Container::resetBackground()
{
    d->background = QVariant();
}

void Container::setBackgroundVariant(const QVariant &background)
{
    if (background.canConvert<QString>() && background.userType() == QMetaType::QString) {
        // QML gives colours as "#AARRGGBB" or "#RRGGBB".
        QString text = background.toString();
        if (text.startsWith(QLatin1Char('#'))) {
            bool ok = false;
            quint32 argb = text.midRef(1).toUInt(&ok, 16);
            if (ok && text.size() == 7)
                argb |= 0xFF000000u;
            if (ok) {
                setBackground(Color::fromARGB(argb));
                return;
            }
        }
    }
    d->background = background;
}

void Container::forget(QObject *control)
{
    // Called from the control's QObject destructor: its Control part is gone already, so it is
    // found by address only, never cast back to what it was.
    const void *address = control;
    for (int i = d->controls.size() - 1; i >= 0; --i) {
        if (static_cast<const void *>(d->controls.at(i)) == address)
            d->controls.removeAt(i);
    }
}

namespace {
void qmlAppendControl(QQmlListProperty<Control> *list, Control *control)
{
    static_cast<Container *>(list->object)->add(control);
}
int qmlCountControls(QQmlListProperty<Control> *list)
{
    return static_cast<Container *>(list->object)->count();
}
Control *qmlControlAt(QQmlListProperty<Control> *list, int index)
{
    return static_cast<Container *>(list->object)->at(index);
}
void qmlClearControls(QQmlListProperty<Control> *list)
{
    static_cast<Container *>(list->object)->removeAll();
}
} // namespace

QQmlListProperty<Control> Container::qmlControls()
{
    return QQmlListProperty<Control>(this, nullptr, &qmlAppendControl, &qmlCountControls, &qmlControlAt,
                                     &qmlClearControls);
}

} // namespace trellan
} // namespace hx

#include <hx/trellan/freeformtitlebarkindproperties.h>
#include <hx/trellan/titlebar.h>

#include "optionlist_p.h"

#include <QtCore/QPointer>

namespace hx {
namespace trellan {

struct TitleBar::Private
{
    QString title;
    int kind = 0;
    int scrollBehavior = 0;
    bool visible = true;
    QPointer<ActionItem> dismiss;
    QPointer<ActionItem> accept;
    OptionList options;
    QPointer<FreeFormTitleBarKindProperties> kindProperties;
};

TitleBar::TitleBar(QObject *parent) : UIObject(parent), d(new Private) { }

TitleBar::TitleBar(int kind, QObject *parent) : UIObject(parent), d(new Private)
{
    d->kind = kind;
}

TitleBar::~TitleBar() = default;

QString TitleBar::title() const
{
    return d->title;
}

void TitleBar::setTitle(const QString &title)
{
    if (d->title == title)
        return;
    d->title = title;
    emit titleChanged(title);
}

int TitleBar::kind() const
{
    return d->kind;
}
void TitleBar::setKind(int kind)
{
    d->kind = kind;
}
int TitleBar::scrollBehavior() const
{
    return d->scrollBehavior;
}
void TitleBar::setScrollBehavior(int behavior)
{
    d->scrollBehavior = behavior;
}
bool TitleBar::isVisible() const
{
    return d->visible;
}
void TitleBar::setVisible(bool visible)
{
    d->visible = visible;
}

ActionItem *TitleBar::dismissAction() const
{
    return d->dismiss;
}

void TitleBar::setDismissAction(ActionItem *action)
{
    d->dismiss = action;
    if (action)
        action->setParent(this);
}

ActionItem *TitleBar::acceptAction() const
{
    return d->accept;
}

void TitleBar::setAcceptAction(ActionItem *action)
{
    d->accept = action;
    if (action)
        action->setParent(this);
}

void TitleBar::addOption(Option *option)
{
    if (d->options.insert(this, d->options.options.size(), option) < 0)
        return;
    connect(option, &Option::selectedChanged, this, [this, option](bool selected) {
        if (selected)
            setSelectedIndex(d->options.options.indexOf(option));
    });
    // A segmented bar always shows one segment selected: the first one added, unless chosen.
    if (option->isSelected() || d->options.selected < 0) {
        d->options.selected = -2;
        d->options.select(d->options.options.indexOf(option));
        emitSelection();
    }
}

void TitleBar::removeAllOptions()
{
    const QList<Option *> options = d->options.options;
    for (Option *option : options) {
        disconnect(option, nullptr, this, nullptr);
        d->options.remove(option);
        delete option;
    }
}

int TitleBar::optionCount() const
{
    return d->options.options.size();
}
Option *TitleBar::optionAt(int index) const
{
    return d->options.options.value(index);
}
int TitleBar::selectedIndex() const
{
    return d->options.selected;
}

void TitleBar::setSelectedIndex(int index)
{
    if (d->options.select(index))
        emitSelection();
}

Option *TitleBar::selectedOption() const
{
    return d->options.selectedOption();
}

QVariant TitleBar::selectedValue() const
{
    return d->options.selectedValue();
}

bool TitleBar::chooseOption(int index)
{
    if (index < 0 || index >= optionCount())
        return false;
    setSelectedIndex(index);
    return true;
}

void TitleBar::emitSelection()
{
    emit selectedIndexChanged(d->options.selected);
    emit selectedOptionChanged(d->options.selectedOption());
    emit selectedValueChanged(d->options.selectedValue());
}

FreeFormTitleBarKindProperties *TitleBar::kindProperties() const
{
    return d->kindProperties;
}

void TitleBar::setKindProperties(FreeFormTitleBarKindProperties *properties)
{
    if (d->kindProperties == properties)
        return;
    delete d->kindProperties;
    d->kindProperties = properties;
    if (properties)
        properties->setParent(this);
}

namespace {
void qmlAppendOption(QQmlListProperty<Option> *list, Option *option)
{
    static_cast<TitleBar *>(list->object)->addOption(option);
}
int qmlCountOptions(QQmlListProperty<Option> *list)
{
    return static_cast<TitleBar *>(list->object)->optionCount();
}
Option *qmlOptionAt(QQmlListProperty<Option> *list, int index)
{
    return static_cast<TitleBar *>(list->object)->optionAt(index);
}
} // namespace

QQmlListProperty<Option> TitleBar::qmlOptions()
{
    return QQmlListProperty<Option>(this, nullptr, &qmlAppendOption, &qmlCountOptions, &qmlOptionAt, nullptr);
}

} // namespace trellan
} // namespace hx

#include <hx/trellan/dropdown.h>

#include "optionlist_p.h"

namespace hx {
namespace trellan {

struct DropDown::Private
{
    QString title;
    OptionList list;
    bool expanded = false;
};

DropDown::DropDown(QObject *parent) : Control(parent), d(new Private) { }

DropDown::~DropDown() = default;

QString DropDown::title() const
{
    return d->title;
}
void DropDown::setTitle(const QString &title)
{
    d->title = title;
}

void DropDown::add(Option *option)
{
    insert(d->list.options.size(), option);
}

void DropDown::insert(int index, Option *option)
{
    if (d->list.insert(this, index, option) < 0)
        return;
    connect(option, &Option::selectedChanged, this, [this, option](bool selected) {
        if (selected)
            setSelectedIndex(d->list.options.indexOf(option));
        else if (d->list.selectedOption() == option)
            setSelectedIndex(-1);
    });
    if (option->isSelected()) {
        d->list.selected = -2; // force the flags of the others to follow
        d->list.select(d->list.options.indexOf(option));
        emitSelection();
    }
}

bool DropDown::remove(Option *option)
{
    if (!d->list.options.contains(option))
        return false;
    disconnect(option, nullptr, this, nullptr);
    if (d->list.remove(option))
        emitSelection();
    return true;
}

void DropDown::removeAll()
{
    const QList<Option *> options = d->list.options;
    for (Option *option : options) {
        remove(option);
        delete option;
    }
}

int DropDown::count() const
{
    return d->list.options.size();
}
Option *DropDown::at(int index) const
{
    return d->list.options.value(index);
}
int DropDown::selectedIndex() const
{
    return d->list.selected;
}

void DropDown::setSelectedIndex(int index)
{
    if (d->list.select(index))
        emitSelection();
}

void DropDown::resetSelectedIndex()
{
    setSelectedIndex(-1);
}

Option *DropDown::selectedOption() const
{
    return d->list.selectedOption();
}
QVariant DropDown::selectedValue() const
{
    return d->list.selectedValue();
}
bool DropDown::isExpanded() const
{
    return d->expanded;
}

void DropDown::setExpanded(bool expanded)
{
    if (d->expanded == expanded)
        return;
    d->expanded = expanded;
    emit expandedChanged(expanded);
}

bool DropDown::choose(int index)
{
    if (!isEnabled() || index < 0 || index >= count())
        return false;
    setExpanded(true);
    setSelectedIndex(index);
    setExpanded(false);
    return true;
}

void DropDown::emitSelection()
{
    emit selectedIndexChanged(d->list.selected);
    emit selectedOptionChanged(d->list.selectedOption());
    emit selectedValueChanged(d->list.selectedValue());
}

namespace {
void qmlAppendOption(QQmlListProperty<Option> *list, Option *option)
{
    static_cast<DropDown *>(list->object)->add(option);
}
int qmlCountOptions(QQmlListProperty<Option> *list)
{
    return static_cast<DropDown *>(list->object)->count();
}
Option *qmlOptionAt(QQmlListProperty<Option> *list, int index)
{
    return static_cast<DropDown *>(list->object)->at(index);
}
} // namespace

QQmlListProperty<Option> DropDown::qmlOptions()
{
    return QQmlListProperty<Option>(this, nullptr, &qmlAppendOption, &qmlCountOptions, &qmlOptionAt, nullptr);
}

} // namespace trellan
} // namespace hx

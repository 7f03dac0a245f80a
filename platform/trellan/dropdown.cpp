#include <hx/trellan/dropdown.h>

#include "optiongroup_p.h"

namespace hx {
namespace trellan {

struct DropDown::Private
{
    QString title;
    explicit Private(DropDown *owner) : options(owner, [owner] { owner->emitSelection(); }) { }

    OptionGroup options;
    bool expanded = false;
};

DropDown::DropDown(QObject *parent) : Control(parent), d(new Private(this)) { }

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
    d->options.insert(count(), option);
}

void DropDown::insert(int index, Option *option)
{
    d->options.insert(index, option);
}

bool DropDown::remove(Option *option)
{
    return d->options.remove(option);
}

void DropDown::removeAll()
{
    d->options.removeAll();
}

int DropDown::count() const
{
    return d->options.count();
}
Option *DropDown::at(int index) const
{
    return d->options.at(index);
}
int DropDown::selectedIndex() const
{
    return d->options.selectedIndex();
}

void DropDown::setSelectedIndex(int index)
{
    d->options.setSelectedIndex(index);
}

void DropDown::resetSelectedIndex()
{
    setSelectedIndex(-1);
}

Option *DropDown::selectedOption() const
{
    return d->options.selectedOption();
}
QVariant DropDown::selectedValue() const
{
    return d->options.selectedValue();
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
    if (!d->options.canChoose(index))
        return false;
    setExpanded(true);
    setSelectedIndex(index);
    setExpanded(false);
    return true;
}

void DropDown::emitSelection()
{
    emit selectedIndexChanged(selectedIndex());
    emit selectedOptionChanged(selectedOption());
    emit selectedValueChanged(selectedValue());
}

QQmlListProperty<Option> DropDown::qmlOptions()
{
    return OptionGroup::qmlOptions(this);
}

} // namespace trellan
} // namespace hx

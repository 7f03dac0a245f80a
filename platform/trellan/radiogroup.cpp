#include <hx/trellan/radiogroup.h>

#include "optionlist_p.h"

namespace hx {
namespace trellan {

struct RadioGroup::Private
{
    OptionList list;
    bool dividers = true;
};

RadioGroup::RadioGroup(QObject *parent) : Control(parent), d(new Private) { }

RadioGroup::~RadioGroup() = default;

void RadioGroup::add(Option *option)
{
    if (d->list.insert(this, d->list.options.size(), option) < 0)
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

bool RadioGroup::remove(Option *option)
{
    if (!d->list.options.contains(option))
        return false;
    disconnect(option, nullptr, this, nullptr);
    if (d->list.remove(option))
        emitSelection();
    return true;
}

void RadioGroup::removeAll()
{
    const QList<Option *> options = d->list.options;
    for (Option *option : options) {
        remove(option);
        delete option;
    }
}

int RadioGroup::count() const
{
    return d->list.options.size();
}
Option *RadioGroup::at(int index) const
{
    return d->list.options.value(index);
}
int RadioGroup::selectedIndex() const
{
    return d->list.selected;
}

void RadioGroup::setSelectedIndex(int index)
{
    if (d->list.select(index))
        emitSelection();
}

void RadioGroup::resetSelectedIndex()
{
    setSelectedIndex(-1);
}

Option *RadioGroup::selectedOption() const
{
    return d->list.selectedOption();
}
QVariant RadioGroup::selectedValue() const
{
    return d->list.selectedValue();
}
bool RadioGroup::choose(int index)
{
    if (!isEnabled() || index < 0 || index >= count())
        return false;
    setSelectedIndex(index);
    return true;
}

bool RadioGroup::dividersVisible() const
{
    return d->dividers;
}

void RadioGroup::setDividersVisible(bool visible)
{
    d->dividers = visible;
}

void RadioGroup::emitSelection()
{
    emit selectedIndexChanged(d->list.selected);
    emit selectedOptionChanged(d->list.selectedOption());
    emit selectedValueChanged(d->list.selectedValue());
}

namespace {
void qmlAppendOption(QQmlListProperty<Option> *list, Option *option)
{
    static_cast<RadioGroup *>(list->object)->add(option);
}
int qmlCountOptions(QQmlListProperty<Option> *list)
{
    return static_cast<RadioGroup *>(list->object)->count();
}
Option *qmlOptionAt(QQmlListProperty<Option> *list, int index)
{
    return static_cast<RadioGroup *>(list->object)->at(index);
}
} // namespace

QQmlListProperty<Option> RadioGroup::qmlOptions()
{
    return QQmlListProperty<Option>(this, nullptr, &qmlAppendOption, &qmlCountOptions, &qmlOptionAt, nullptr);
}

} // namespace trellan
} // namespace hx

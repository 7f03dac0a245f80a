#include <hx/trellan/radiogroup.h>

#include "optiongroup_p.h"

namespace hx {
namespace trellan {

struct RadioGroup::Private
{
    explicit Private(RadioGroup *owner) : options(owner, [owner] { owner->emitSelection(); }) { }

    OptionGroup options;
    bool dividers = true;
};

RadioGroup::RadioGroup(QObject *parent) : Control(parent), d(new Private(this)) { }

RadioGroup::~RadioGroup() = default;

void RadioGroup::add(Option *option)
{
    d->options.insert(count(), option);
}

bool RadioGroup::remove(Option *option)
{
    return d->options.remove(option);
}

void RadioGroup::removeAll()
{
    d->options.removeAll();
}

int RadioGroup::count() const
{
    return d->options.count();
}
Option *RadioGroup::at(int index) const
{
    return d->options.at(index);
}
int RadioGroup::selectedIndex() const
{
    return d->options.selectedIndex();
}

void RadioGroup::setSelectedIndex(int index)
{
    d->options.setSelectedIndex(index);
}

void RadioGroup::resetSelectedIndex()
{
    setSelectedIndex(-1);
}

Option *RadioGroup::selectedOption() const
{
    return d->options.selectedOption();
}
QVariant RadioGroup::selectedValue() const
{
    return d->options.selectedValue();
}
bool RadioGroup::choose(int index)
{
    if (!d->options.canChoose(index))
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
    emit selectedIndexChanged(selectedIndex());
    emit selectedOptionChanged(selectedOption());
    emit selectedValueChanged(selectedValue());
}

QQmlListProperty<Option> RadioGroup::qmlOptions()
{
    return OptionGroup::qmlOptions(this);
}

} // namespace trellan
} // namespace hx

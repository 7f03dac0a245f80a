#include "optiongroup_p.h"

namespace hx {
namespace trellan {

OptionGroup::OptionGroup(Control *owner, std::function<void()> selectionMoved)
    : m_owner(owner), m_selectionMoved(std::move(selectionMoved))
{ }

void OptionGroup::insert(int index, Option *option)
{
    if (m_list.insert(m_owner, index, option) < 0)
        return;
    QObject::connect(option, &Option::selectedChanged, m_owner, [this, option](bool selected) {
        if (selected)
            setSelectedIndex(m_list.options.indexOf(option));
        else if (m_list.selectedOption() == option)
            setSelectedIndex(-1);
    });
    if (option->isSelected()) {
        m_list.selected = -2; // force the flags of the others to follow
        m_list.select(m_list.options.indexOf(option));
        m_selectionMoved();
    }
}

bool OptionGroup::remove(Option *option)
{
    if (!m_list.options.contains(option))
        return false;
    QObject::disconnect(option, nullptr, m_owner, nullptr);
    if (m_list.remove(option))
        m_selectionMoved();
    return true;
}

void OptionGroup::removeAll()
{
    const QList<Option *> options = m_list.options;
    for (Option *option : options) {
        remove(option);
        delete option;
    }
}

void OptionGroup::setSelectedIndex(int index)
{
    if (m_list.select(index))
        m_selectionMoved();
}

bool OptionGroup::canChoose(int index) const
{
    return m_owner->isEnabled() && index >= 0 && index < count();
}

} // namespace trellan
} // namespace hx

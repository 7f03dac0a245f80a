#ifndef HX_TRELLAN_OPTIONLIST_P_H
#define HX_TRELLAN_OPTIONLIST_P_H

#include <hx/trellan/option.h>

#include <QtCore/QList>

namespace hx {
namespace trellan {

// The options of a drop-down, radio group or segmented title bar, with one selection at most.
// The owner emits its own signals from what these calls return.
class OptionList
{
public:
    QList<Option *> options;
    int selected = -1;

    // Adopts the option; returns its index. An index past the end appends.
    int insert(QObject *owner, int index, Option *option)
    {
        if (!option)
            return -1;
        options.removeAll(option);
        index = qBound(0, index, options.size());
        options.insert(index, option);
        option->setParent(owner);
        if (selected >= index && selected >= 0 && options.value(selected) != option)
            ++selected;
        return index;
    }

    // Returns true when the selection moved.
    bool select(int index)
    {
        if (index < -1 || index >= options.size())
            index = -1;
        if (index == selected)
            return false;
        selected = index;
        for (int i = 0; i < options.size(); ++i) {
            const QSignalBlocker blocker(options.at(i));
            options.at(i)->setSelected(i == index);
        }
        return true;
    }

    // Returns true when the selection moved (the selected option was removed).
    bool remove(Option *option)
    {
        const int index = options.indexOf(option);
        if (index < 0)
            return false;
        options.removeAt(index);
        option->setParent(nullptr);
        if (index == selected) {
            selected = -1;
            return true;
        }
        if (index < selected)
            --selected;
        return false;
    }

    Option *selectedOption() const { return options.value(selected); }
    QVariant selectedValue() const { return selected >= 0 ? options.at(selected)->value() : QVariant(); }
};

} // namespace trellan
} // namespace hx

#endif

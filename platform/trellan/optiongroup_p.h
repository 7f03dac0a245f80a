#ifndef HX_TRELLAN_OPTIONGROUP_P_H
#define HX_TRELLAN_OPTIONGROUP_P_H

#include <hx/trellan/control.h>
#include <hx/trellan/option.h>

#include <QtQml/QQmlListProperty>

#include <functional>

#include "optionlist_p.h"

namespace hx {
namespace trellan {

// The options of a drop-down or radio group as the owning control sees them: adopted as
// children, following each option's own selected flag, and one call back into the owner
// whenever the selection moves, so the owner emits its selection signals from one place.
class OptionGroup
{
public:
    OptionGroup(Control *owner, std::function<void()> selectionMoved);

    // An index past the end appends.
    void insert(int index, Option *option);
    bool remove(Option *option);
    // Removes and deletes every option.
    void removeAll();
    int count() const { return m_list.options.size(); }
    Option *at(int index) const { return m_list.options.value(index); }
    int selectedIndex() const { return m_list.selected; }
    void setSelectedIndex(int index);
    Option *selectedOption() const { return m_list.selectedOption(); }
    QVariant selectedValue() const { return m_list.selectedValue(); }
    // Whether a user could choose the option at index now.
    bool canChoose(int index) const;

    // The options as a layout document's list property of an owner with add/count/at.
    template<typename Owner> static QQmlListProperty<Option> qmlOptions(Owner *owner)
    {
        return QQmlListProperty<Option>(owner, nullptr, &qmlAppend<Owner>, &qmlCount<Owner>, &qmlAt<Owner>, nullptr);
    }

private:
    template<typename Owner> static void qmlAppend(QQmlListProperty<Option> *list, Option *option)
    {
        static_cast<Owner *>(list->object)->add(option);
    }
    template<typename Owner> static int qmlCount(QQmlListProperty<Option> *list)
    {
        return static_cast<Owner *>(list->object)->count();
    }
    template<typename Owner> static Option *qmlAt(QQmlListProperty<Option> *list, int index)
    {
        return static_cast<Owner *>(list->object)->at(index);
    }

    Control *m_owner;
    std::function<void()> m_selectionMoved;
    OptionList m_list;
};

} // namespace trellan
} // namespace hx

#endif

#ifndef HX_TRELLAN_DROPDOWN_H
#define HX_TRELLAN_DROPDOWN_H

#include <hx/trellan/control.h>
#include <hx/trellan/option.h>

#include <QtQml/QQmlListProperty>

namespace hx {
namespace trellan {

// A titled list of options that expands to choose one. Nothing is selected at first
// (selectedIndex -1). setSelectedIndex emits selectedIndexChanged unless signals are blocked.
class DropDown : public Control
{
    Q_OBJECT
    Q_PROPERTY(QString title READ title WRITE setTitle)
    Q_PROPERTY(int selectedIndex READ selectedIndex WRITE setSelectedIndex NOTIFY selectedIndexChanged)
    Q_PROPERTY(bool expanded READ isExpanded WRITE setExpanded NOTIFY expandedChanged)
    Q_PROPERTY(QQmlListProperty<hx::trellan::Option> options READ qmlOptions)
    Q_CLASSINFO("DefaultProperty", "options")
public:
    explicit DropDown(QObject *parent = nullptr);
    ~DropDown() override;

    QString title() const;
    void setTitle(const QString &title);
    void add(Option *option);
    void insert(int index, Option *option);
    bool remove(Option *option);
    void removeAll();
    int count() const;
    Option *at(int index) const;
    int selectedIndex() const;
    void setSelectedIndex(int index);
    void resetSelectedIndex();
    Option *selectedOption() const;
    QVariant selectedValue() const;
    bool isExpanded() const;
    void setExpanded(bool expanded);

    // A user's choice: expands, selects the option, collapses.
    bool choose(int index);

    QQmlListProperty<Option> qmlOptions();

signals:
    void selectedIndexChanged(int selectedIndex);
    void selectedOptionChanged(hx::trellan::Option *selectedOption);
    void selectedValueChanged(const QVariant &selectedValue);
    void expandedChanged(bool expanded);

private:
    void emitSelection();

    struct Private;
    QScopedPointer<Private> d;
};

} // namespace trellan
} // namespace hx

#endif

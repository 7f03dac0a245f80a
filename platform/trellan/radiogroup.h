#ifndef HX_TRELLAN_RADIOGROUP_H
#define HX_TRELLAN_RADIOGROUP_H

#include <hx/trellan/control.h>
#include <hx/trellan/option.h>

#include <QtQml/QQmlListProperty>

namespace hx {
namespace trellan {

// Radio buttons, one per option; at most one selected.
class RadioGroup : public Control
{
    Q_OBJECT
    Q_PROPERTY(int selectedIndex READ selectedIndex WRITE setSelectedIndex NOTIFY selectedIndexChanged)
    Q_PROPERTY(bool dividersVisible READ dividersVisible WRITE setDividersVisible)
    Q_PROPERTY(QQmlListProperty<hx::trellan::Option> options READ qmlOptions)
    Q_CLASSINFO("DefaultProperty", "options")
public:
    explicit RadioGroup(QObject *parent = nullptr);
    ~RadioGroup() override;

    void add(Option *option);
    bool remove(Option *option);
    void removeAll();
    int count() const;
    Option *at(int index) const;
    int selectedIndex() const;
    void setSelectedIndex(int index);
    void resetSelectedIndex();
    Option *selectedOption() const;
    QVariant selectedValue() const;
    bool dividersVisible() const;
    void setDividersVisible(bool visible);

    // A user's tap on the option at index.
    bool choose(int index);

    QQmlListProperty<Option> qmlOptions();

signals:
    void selectedIndexChanged(int selectedIndex);
    void selectedOptionChanged(hx::trellan::Option *selectedOption);
    void selectedValueChanged(const QVariant &selectedValue);

private:
    void emitSelection();

    struct Private;
    QScopedPointer<Private> d;
};

} // namespace trellan
} // namespace hx

#endif

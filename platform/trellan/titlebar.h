#ifndef HX_TRELLAN_TITLEBAR_H
#define HX_TRELLAN_TITLEBAR_H

#include <hx/trellan/actionitem.h>
#include <hx/trellan/option.h>

#include <QtQml/QQmlListProperty>

namespace hx {
namespace trellan {

class FreeFormTitleBarKindProperties;

// A page's title bar. Default kind: a title with a dismiss and an accept action. Segmented kind:
// options, one selected. Free-form kind: a control held by its kind properties.
class TitleBar : public UIObject
{
    Q_OBJECT
    Q_PROPERTY(QString title READ title WRITE setTitle NOTIFY titleChanged)
    Q_PROPERTY(int kind READ kind WRITE setKind)
    Q_PROPERTY(int scrollBehavior READ scrollBehavior WRITE setScrollBehavior)
    Q_PROPERTY(bool visible READ isVisible WRITE setVisible)
    Q_PROPERTY(hx::trellan::ActionItem *dismissAction READ dismissAction WRITE setDismissAction)
    Q_PROPERTY(hx::trellan::ActionItem *acceptAction READ acceptAction WRITE setAcceptAction)
    Q_PROPERTY(int selectedIndex READ selectedIndex WRITE setSelectedIndex NOTIFY selectedIndexChanged)
    Q_PROPERTY(QQmlListProperty<hx::trellan::Option> options READ qmlOptions)
public:
    explicit TitleBar(QObject *parent = nullptr);
    explicit TitleBar(int kind, QObject *parent = nullptr);
    ~TitleBar() override;

    QString title() const;
    void setTitle(const QString &title);
    int kind() const;
    void setKind(int kind);
    int scrollBehavior() const;
    void setScrollBehavior(int behavior);
    bool isVisible() const;
    void setVisible(bool visible);

    // Actions are owned by the title bar; a replaced one stays owned until reparented.
    ActionItem *dismissAction() const;
    void setDismissAction(ActionItem *action);
    ActionItem *acceptAction() const;
    void setAcceptAction(ActionItem *action);

    void addOption(Option *option);
    void removeAllOptions();
    int optionCount() const;
    Option *optionAt(int index) const;
    int selectedIndex() const;
    void setSelectedIndex(int index);
    Option *selectedOption() const;
    QVariant selectedValue() const;
    // A user's tap on a segment.
    bool chooseOption(int index);

    FreeFormTitleBarKindProperties *kindProperties() const;
    // Takes ownership; the previous properties are deleted.
    void setKindProperties(FreeFormTitleBarKindProperties *properties);

    QQmlListProperty<Option> qmlOptions();

signals:
    void titleChanged(const QString &title);
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

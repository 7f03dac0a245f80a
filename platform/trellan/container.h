#ifndef HX_TRELLAN_CONTAINER_H
#define HX_TRELLAN_CONTAINER_H

#include <hx/trellan/color.h>
#include <hx/trellan/control.h>
#include <hx/trellan/imagepaint.h>

#include <QtCore/QVariant>
#include <QtQml/QQmlListProperty>

namespace hx {
namespace trellan {

class Layout;

// A control holding other controls in order. Children are owned by the container; removing one
// gives it back to the caller (no parent).
class Container : public Control
{
    Q_OBJECT
    Q_PROPERTY(hx::trellan::Layout *layout READ layout WRITE setLayout)
    Q_PROPERTY(QQmlListProperty<hx::trellan::Control> controls READ qmlControls)
    Q_PROPERTY(QVariant background READ background WRITE setBackgroundVariant)
    Q_CLASSINFO("DefaultProperty", "controls")
public:
    explicit Container(QObject *parent = nullptr);
    ~Container() override;

    // Appends; a control already in another container moves here.
    void add(Control *control);
    // An index past the end appends; a negative index inserts first.
    void insert(int index, Control *control);
    // Takes the control out and unparents it; false when it is not a child.
    bool remove(Control *control);
    // Deletes every child.
    void removeAll();
    int count() const;
    Control *at(int index) const;
    int indexOf(Control *control) const;
    QList<Control *> controls() const;

    Layout *layout() const;
    // Takes ownership; the previous layout is deleted. Default: a top-to-bottom StackLayout.
    void setLayout(Layout *layout);

    // A Color, an ImagePaint, or nothing.
    QVariant background() const;
    void setBackground(const Color &color);
    void setBackground(const ImagePaint &paint);
    void resetBackground();

    QQmlListProperty<Control> qmlControls();

signals:
    void controlAdded(hx::trellan::Control *control);
    void controlRemoved(hx::trellan::Control *control);

private:
    void setBackgroundVariant(const QVariant &background);
    void forget(QObject *control);

    struct Private;
    QScopedPointer<Private> d;
};

} // namespace trellan
} // namespace hx

#endif

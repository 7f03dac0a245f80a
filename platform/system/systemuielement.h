#ifndef HX_SYSTEM_SYSTEMUIELEMENT_H
#define HX_SYSTEM_SYSTEMUIELEMENT_H

#include <hx/system/systemuirecord.h>
#include <hx/system/systemuiresult.h>

#include <QtCore/QList>
#include <QtCore/QObject>
#include <QtCore/QScopedPointer>
#include <QtCore/QString>

namespace hx {
namespace system {

class SystemUiButton;
class SystemUiElementPrivate;

// What dialogs, progress dialogs and toasts share: a body, buttons, showing and closing, and
// the finished signal. A shown element is listed in the SystemUi registry until it closes.
// Elements live on one thread (the UI thread); the registry may be read from any thread.
class SystemUiElement : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString body READ body WRITE setBody RESET resetBody)
    Q_PROPERTY(bool autoUpdateEnabled READ isAutoUpdateEnabled WRITE setAutoUpdateEnabled)
public:
    ~SystemUiElement() override;

    QString body() const;
    void setBody(const QString &body);
    void resetBody();

    // With auto-update on, a change made while the element is shown reaches the screen at
    // once; otherwise it waits for update() or the next show().
    bool isAutoUpdateEnabled() const;
    void setAutoUpdateEnabled(bool enabled);

    bool isShown() const;
    // The last result: None until a button is pressed or the element times out.
    SystemUiResult::Type result() const;
    // The button pressed last, or null.
    SystemUiButton *buttonSelection() const;

    // Every button in screen order, shown or not.
    virtual QList<SystemUiButton *> buttons() const = 0;
    // What the element shows now (a record with serial 0 when it is not shown).
    SystemUiRecord record() const;

    // Presses the shown, enabled button at index (among shown buttons), or the first one
    // giving result. False when there is no such button or the element is not shown.
    bool pressButtonAt(int index);
    bool pressButton(SystemUiResult::Type result);

public slots:
    void show();
    // Closes without emitting finished.
    void cancel();
    // Applies pending changes to a shown element when auto-update is off.
    void update();
    // Closes as a press would: finished(result) is emitted (unless exec() is waiting).
    void finish(hx::system::SystemUiResult::Type result);

signals:
    void finished(hx::system::SystemUiResult::Type value);

protected:
    SystemUiElement(SystemUiRecord::Kind kind, QObject *parent);

    // Subclasses add their own fields to the record.
    virtual void fillRecord(SystemUiRecord &record) const = 0;
    // Whether a press closes the element (dialogs may stay up).
    virtual bool closesOnPress() const { return true; }
    virtual void shown() { }
    virtual void closed() { }

    // Subclasses call this after every change of what is shown.
    void contentChanged();
    // Subclasses call this for every button they own, so label changes reach the screen.
    void adoptButton(SystemUiButton *button);
    // Shows the element and runs a nested event loop until it closes; no finished signal.
    SystemUiResult::Type execLoop();

private:
    void close(SystemUiResult::Type result, bool emitFinished);
    void pressed(SystemUiButton *button);

    QScopedPointer<SystemUiElementPrivate> d;
};

} // namespace system
} // namespace hx

#endif

#ifndef HX_SYSTEM_SYSTEMUI_H
#define HX_SYSTEM_SYSTEMUI_H

#include <hx/system/systemuirecord.h>
#include <hx/system/systemuiresult.h>

#include <QtCore/QList>
#include <QtCore/QObject>
#include <QtCore/QString>

namespace hx {
namespace system {

class SystemUiElement;

// The process-wide list of dialogs and toasts on screen, and of everything shown so far.
// Tests and the simulator read what the user would see and press buttons through it.
// Every function may be called from any thread; a press is carried out on the element's
// own thread (at once when that is the calling thread, else from its event loop).
class SystemUi : public QObject
{
    Q_OBJECT
public:
    // The object that emits visibleChanged(); it lives on the application's main thread.
    static SystemUi *instance();

    // Shown elements, oldest first: the last one is on top.
    static QList<SystemUiRecord> visible();
    static int visibleCount();
    // The top element, or a null record.
    static SystemUiRecord top();
    // The shown element with this serial or object name, or a null record.
    static SystemUiRecord find(int serial);
    static SystemUiRecord findByObjectName(const QString &objectName);

    // Every show in order, with how it ended once it closed.
    static QList<SystemUiRecord> history();
    static void clearHistory();

    // Presses the enabled button with this label on the topmost element that shows one.
    static bool pressButton(const QString &label);
    // Presses the enabled button giving this result (confirm 2, cancel 3, the toast's
    // button 1) on the topmost element that has one.
    static bool pressButton(SystemUiResult::Type result);
    // The same, on the element with this serial only.
    static bool pressButton(int serial, const QString &label);
    static bool pressButton(int serial, SystemUiResult::Type result);

signals:
    // The set of shown elements or what one of them shows changed.
    void visibleChanged();

private:
    friend class SystemUiElement;
    SystemUi();

    static int add(SystemUiElement *element, SystemUiRecord record);
    static void refresh(const SystemUiRecord &record);
    static void remove(int serial, SystemUiResult::Type result);
    static bool press(int serial, const QString *label, const SystemUiResult::Type *result);
    static void notify();
};

} // namespace system
} // namespace hx

#endif

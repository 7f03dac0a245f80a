#ifndef HX_SYSTEM_SYSTEMUIRECORD_H
#define HX_SYSTEM_SYSTEMUIRECORD_H

#include <hx/system/systemuiresult.h>

#include <QtCore/QList>
#include <QtCore/QMetaType>
#include <QtCore/QString>
#include <QtCore/QStringList>

namespace hx {
namespace system {

// What a dialog or toast shows, copied when it is shown (and again on every change while it
// is up with auto-update on), so any thread can read the screen without touching the
// element itself.
class SystemUiRecord
{
public:
    enum Kind { Dialog = 0, ProgressDialog = 1, Toast = 2 };

    struct Button
    {
        QString label;
        bool enabled = true;
        SystemUiResult::Type result = SystemUiResult::ButtonSelection;
    };

    int serial = 0; // one number per show, counting from 1 for the whole process
    Kind kind = Dialog;
    QString objectName;
    QString title;
    QString body;
    QList<Button> buttons; // shown buttons in screen order: custom ones, cancel, confirm
    bool activityIndicatorVisible = false;
    int progress = -1; // progress dialogs: 0-100, -1 when indeterminate
    SystemUiPosition::Type position = SystemUiPosition::MiddleCenter;
    bool autoUpdate = false;
    bool closed = false; // history only: no longer on screen
    SystemUiResult::Type result = SystemUiResult::None; // history only: how it ended

    bool isNull() const { return serial == 0; }
    QStringList buttonLabels() const;
    bool hasButton(const QString &label) const;
    // The label of the button that gives result, or an empty text when there is none.
    QString buttonLabel(SystemUiResult::Type result) const;
    // One line for logs and test failure messages.
    QString toText() const;
};

} // namespace system
} // namespace hx

Q_DECLARE_METATYPE(hx::system::SystemUiRecord)

#endif

#ifndef HX_SYSTEM_SYSTEMDIALOG_H
#define HX_SYSTEM_SYSTEMDIALOG_H

#include <hx/system/systemuibutton.h>
#include <hx/system/systemuielement.h>

namespace hx {
namespace system {

class SystemDialogPrivate;

// A system dialog: title, body, a confirm button ("OK" until set), a cancel button ("Cancel"
// until set) and any custom buttons. An empty label removes a button. A press closes the
// dialog and emits finished once; cancel() closes it silently; exec() waits for the answer.
class SystemDialog : public SystemUiElement
{
    Q_OBJECT
    Q_PROPERTY(QString title READ title WRITE setTitle RESET resetTitle)
    Q_PROPERTY(bool activityIndicatorVisible READ isActivityIndicatorVisible WRITE setActivityIndicatorVisible)
    Q_PROPERTY(bool dismissAutomatically READ dismissAutomatically WRITE setDismissAutomatically)
public:
    explicit SystemDialog(QObject *parent = nullptr);
    SystemDialog(const QString &confirmLabel, QObject *parent = nullptr);
    SystemDialog(const QString &confirmLabel, const QString &cancelLabel, QObject *parent = nullptr);
    ~SystemDialog() override;

    QString title() const;
    void setTitle(const QString &title);
    void resetTitle();

    SystemUiButton *confirmButton() const;
    SystemUiButton *cancelButton() const;
    // Custom buttons are shown before cancel and confirm, in the order added; the dialog
    // takes ownership. A press gives SystemUiResult::ButtonSelection.
    void appendButton(SystemUiButton *button);
    QList<SystemUiButton *> customButtons() const;
    void clearButtons();

    bool isActivityIndicatorVisible() const;
    void setActivityIndicatorVisible(bool visible);

    // When false, a press emits finished but the dialog stays up until cancel().
    bool dismissAutomatically() const;
    void setDismissAutomatically(bool dismiss);

    QList<SystemUiButton *> buttons() const override;

    // Shows the dialog and runs a nested event loop until a button is pressed, the dialog
    // is cancelled or finished; returns the result without emitting finished.
    SystemUiResult::Type exec();

protected:
    SystemDialog(SystemUiRecord::Kind kind, QObject *parent);
    void fillRecord(SystemUiRecord &record) const override;
    bool closesOnPress() const override;

private:
    void init(const QString &confirmLabel, const QString &cancelLabel);

    QScopedPointer<SystemDialogPrivate> d;
};

} // namespace system
} // namespace hx

#endif

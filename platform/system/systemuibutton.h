#ifndef HX_SYSTEM_SYSTEMUIBUTTON_H
#define HX_SYSTEM_SYSTEMUIBUTTON_H

#include <hx/system/systemuiresult.h>

#include <QtCore/QObject>
#include <QtCore/QScopedPointer>
#include <QtCore/QString>

namespace hx {
namespace system {

class SystemUiButtonPrivate;

// One button of a dialog or toast. A button with an empty label is not shown and cannot be
// pressed, so resetting the label removes it.
class SystemUiButton : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString label READ label WRITE setLabel RESET resetLabel NOTIFY changed)
    Q_PROPERTY(bool enabled READ isEnabled WRITE setEnabled NOTIFY changed)
public:
    explicit SystemUiButton(const QString &label = QString(), QObject *parent = nullptr);
    ~SystemUiButton() override;

    QString label() const;
    void setLabel(const QString &label);
    void resetLabel();
    bool isEnabled() const;
    void setEnabled(bool enabled);
    void resetEnabled();

    // Shown means it has a label; pressable means shown and enabled.
    bool isShown() const;
    bool isPressable() const;

    // The result a press of this button gives its dialog or toast.
    SystemUiResult::Type result() const;
    void setResult(SystemUiResult::Type result);

signals:
    void changed();

private:
    QScopedPointer<SystemUiButtonPrivate> d;
};

} // namespace system
} // namespace hx

#endif

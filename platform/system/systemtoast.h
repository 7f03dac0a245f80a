#ifndef HX_SYSTEM_SYSTEMTOAST_H
#define HX_SYSTEM_SYSTEMTOAST_H

#include <hx/system/systemuibutton.h>
#include <hx/system/systemuielement.h>

namespace hx {
namespace system {

class SystemToastPrivate;

// A short message that goes away by itself: finished(TimeOut) when its time is up, or
// finished(ButtonSelection) when its button (shown only with a label) is pressed.
class SystemToast : public SystemUiElement
{
    Q_OBJECT
    Q_PROPERTY(hx::system::SystemUiPosition::Type position READ position WRITE setPosition)
    Q_PROPERTY(int duration READ duration WRITE setDuration)
public:
    explicit SystemToast(QObject *parent = nullptr);
    ~SystemToast() override;

    SystemUiButton *button() const;

    SystemUiPosition::Type position() const;
    void setPosition(SystemUiPosition::Type position);

    // Milliseconds on screen; starts at the process default, counted from show().
    int duration() const;
    void setDuration(int milliseconds);
    // The duration new toasts get (3000 ms, or 6000 ms with a button, unless set here), so a
    // test can shorten the toasts that code under test creates.
    static int defaultDuration();
    static void setDefaultDuration(int milliseconds);
    static void resetDefaultDuration();

    QList<SystemUiButton *> buttons() const override;

protected:
    void fillRecord(SystemUiRecord &record) const override;
    void shown() override;
    void closed() override;

private:
    QScopedPointer<SystemToastPrivate> d;
};

} // namespace system
} // namespace hx

#endif

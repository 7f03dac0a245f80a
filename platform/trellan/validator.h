#ifndef HX_TRELLAN_VALIDATOR_H
#define HX_TRELLAN_VALIDATOR_H

#include <hx/trellan/uiobject.h>

namespace hx {
namespace trellan {

// Validation of a text field: the owner answers validate() by setting valid and the error
// message. requestValidation() asks for that answer; Immediate mode asks on every change.
class Validator : public UIObject
{
    Q_OBJECT
    Q_PROPERTY(int mode READ mode WRITE setMode)
    Q_PROPERTY(bool valid READ isValid WRITE setValid NOTIFY validChanged)
    Q_PROPERTY(int state READ state NOTIFY stateChanged)
    Q_PROPERTY(QString errorMessage READ errorMessage WRITE setErrorMessage)
    Q_PROPERTY(int delay READ delay WRITE setDelay)
public:
    explicit Validator(QObject *parent = nullptr);

    int mode() const { return m_mode; }
    void setMode(int mode) { m_mode = mode; }
    bool isValid() const { return m_state == 2; }
    void setValid(bool valid);
    int state() const { return m_state; }
    void setState(int state);
    QString errorMessage() const { return m_errorMessage; }
    void setErrorMessage(const QString &message) { m_errorMessage = message; }
    int delay() const { return m_delay; }
    void setDelay(int milliseconds) { m_delay = milliseconds; }
    int requestCount() const { return m_requests; }

public slots:
    void requestValidation();

signals:
    void validate();
    void validChanged(bool valid);
    void stateChanged(int state);

private:
    int m_mode = 0;
    int m_state = 0;
    int m_delay = 0;
    int m_requests = 0;
    QString m_errorMessage;
};

} // namespace trellan
} // namespace hx

#endif

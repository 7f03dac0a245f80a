#include <hx/trellan/validator.h>

namespace hx {
namespace trellan {

Validator::Validator(QObject *parent) : UIObject(parent) { }

void Validator::setValid(bool valid)
{
    const bool wasValid = isValid();
    setState(valid ? 2 : 3);
    if (wasValid != valid)
        emit validChanged(valid);
}

void Validator::setState(int state)
{
    if (m_state == state)
        return;
    m_state = state;
    emit stateChanged(state);
}

void Validator::requestValidation()
{
    ++m_requests;
    emit validate();
}

} // namespace trellan
} // namespace hx

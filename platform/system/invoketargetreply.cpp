#include <hx/system/invoketargetreply.h>

namespace hx {
namespace system {

InvokeTargetReply::InvokeTargetReply(const InvokeRequest &request, QObject *parent)
    : QObject(parent), m_request(request)
{ }

InvokeTargetReply::~InvokeTargetReply() = default;

InvokeRequest InvokeTargetReply::request() const
{
    return m_request;
}

bool InvokeTargetReply::isFinished() const
{
    return m_finished;
}

InvokeReplyError::Type InvokeTargetReply::error() const
{
    return m_error;
}

int InvokeTargetReply::errorCode() const
{
    return int(m_error);
}

void InvokeTargetReply::finish(InvokeReplyError::Type error)
{
    if (m_finished)
        return;
    m_finished = true;
    m_error = error;
    emit finished();
}

} // namespace system
} // namespace hx

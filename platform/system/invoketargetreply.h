#ifndef HX_SYSTEM_INVOKETARGETREPLY_H
#define HX_SYSTEM_INVOKETARGETREPLY_H

#include <hx/system/invokerequest.h>

#include <QtCore/QObject>

namespace hx {
namespace system {

// Why an invocation could not be delivered.
class InvokeReplyError
{
    Q_GADGET
public:
    enum Type {
        None = 0, // delivered
        NoTarget = 1, // no application answers to the target
        BadRequest = 2, // neither an action nor a target
        Internal = 3,
        CardOpen = 4 // refused: a card started by this process is still open
    };
    Q_ENUM(Type)

private:
    InvokeReplyError() = delete;
};

// The answer of the invocation service to one request. It starts as a child of the manager
// that sent the request and emits finished() once, from the event loop, after invoke()
// has returned; error() then tells whether the request reached its target.
class InvokeTargetReply : public QObject
{
    Q_OBJECT
public:
    ~InvokeTargetReply() override;

    InvokeRequest request() const;
    bool isFinished() const;
    InvokeReplyError::Type error() const;
    // The error as a number (0 when delivered), for log lines.
    int errorCode() const;

signals:
    void finished();

private:
    friend class InvokeManager;
    InvokeTargetReply(const InvokeRequest &request, QObject *parent);
    void finish(InvokeReplyError::Type error);

    InvokeRequest m_request;
    InvokeReplyError::Type m_error = InvokeReplyError::None;
    bool m_finished = false;
};

} // namespace system
} // namespace hx

Q_DECLARE_METATYPE(hx::system::InvokeReplyError::Type)

#endif

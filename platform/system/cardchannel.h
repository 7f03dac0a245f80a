#ifndef HX_SYSTEM_CARDCHANNEL_H
#define HX_SYSTEM_CARDCHANNEL_H

#include <hx/system/carddonemessage.h>
#include <hx/system/invokerequest.h>

#include <QtCore/QObject>
#include <QtCore/QScopedPointer>

namespace hx {
namespace system {

class CardChannelPrivate;

// The card program's side of an invocation: started by the invocation service, the program
// opens its channel, reads the request that opened it and closes with one card-done message.
class CardChannel : public QObject
{
    Q_OBJECT
public:
    explicit CardChannel(QObject *parent = nullptr);
    ~CardChannel() override;

    // True when this program was started as a card (the invocation service named its socket).
    static bool isCard();
    // Connects to the invoker and reads the invocation; false when there is none within
    // timeoutMs.
    bool open(int timeoutMs = 5000);
    InvokeRequest request() const;
    // Sends message to the invoker; only the first call after open() sends anything. An answer
    // longer than the invoker takes is replaced by CardDoneMessage::AnswerTooLong (and false).
    bool done(const CardDoneMessage &message);
    bool isDone() const;

signals:
    // The invoker closed its end (it ended or was killed) before the card answered: nobody
    // waits for an answer any more, and the card must not act on the user's behalf.
    void callerGone();

private:
    QScopedPointer<CardChannelPrivate> d;
};

} // namespace system
} // namespace hx

#endif

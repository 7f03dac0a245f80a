#ifndef HX_ABSTRACTHPSEVENTHANDLER_H
#define HX_ABSTRACTHPSEVENTHANDLER_H

namespace hx {

// Receives platform events of the domains it subscribes to. Platform services (and tests
// standing in for them) hand events out with deliver(); each subscribed handler's handleEvent()
// runs on the delivering thread.
class AbstractHpsEventHandler
{
public:
    enum Domain { VirtualKeyboardDomain = 1, NavigatorDomain = 2, LocaleDomain = 3 };

    AbstractHpsEventHandler();
    virtual ~AbstractHpsEventHandler();
    AbstractHpsEventHandler(const AbstractHpsEventHandler &) = delete;
    AbstractHpsEventHandler &operator=(const AbstractHpsEventHandler &) = delete;

    void subscribe(int domain);
    void unsubscribe(int domain);
    bool isSubscribed(int domain) const;

    // Hands an event to every handler subscribed to domain; returns how many got it.
    static int deliver(int domain, int code);

protected:
    virtual void handleEvent(int domain, int code) = 0;
};

} // namespace hx

#endif

#ifndef HX_TRELLAN_ACTIVITYINDICATOR_H
#define HX_TRELLAN_ACTIVITYINDICATOR_H

#include <hx/trellan/control.h>

namespace hx {
namespace trellan {

// A spinner: running between start() and stop().
class ActivityIndicator : public Control
{
    Q_OBJECT
    Q_PROPERTY(bool running READ isRunning WRITE setRunning NOTIFY runningChanged)
public:
    explicit ActivityIndicator(QObject *parent = nullptr);

    bool isRunning() const { return m_running; }
    void setRunning(bool running);

public slots:
    void start() { setRunning(true); }
    void stop() { setRunning(false); }

signals:
    void runningChanged(bool running);
    void started();
    void stopped();

private:
    bool m_running = false;
};

} // namespace trellan
} // namespace hx

#endif

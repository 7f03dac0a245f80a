#ifndef HX_TRELLAN_FADETRANSITION_H
#define HX_TRELLAN_FADETRANSITION_H

#include <hx/trellan/uiobject.h>

#include <QtCore/QPointer>

class QPropertyAnimation;

namespace hx {
namespace trellan {

class Control;

// Animates a control's opacity from one value to another over a duration, on the event loop
// of the control's thread. A test need not wait: finishAll() ends every running fade at once.
class FadeTransition : public UIObject
{
    Q_OBJECT
    Q_PROPERTY(float fromOpacity READ fromOpacity WRITE setFromOpacity)
    Q_PROPERTY(float toOpacity READ toOpacity WRITE setToOpacity)
    Q_PROPERTY(int duration READ duration WRITE setDuration)
    Q_PROPERTY(bool playing READ isPlaying NOTIFY playingChanged)
public:
    // The transition is a child of its target.
    explicit FadeTransition(Control *target = nullptr);
    ~FadeTransition() override;

    Control *target() const;
    void setTarget(Control *target);
    float fromOpacity() const;
    void setFromOpacity(float opacity);
    float toOpacity() const;
    void setToOpacity(float opacity);
    // Milliseconds.
    int duration() const;
    void setDuration(int milliseconds);
    bool isPlaying() const;

    // Ends every fade playing in the process at its end value (ended() follows).
    static void finishAll();

public slots:
    // Sets the target's opacity to fromOpacity and starts; a playing fade starts again.
    void play();
    // Stops where it is.
    void stop();

signals:
    void started();
    void ended();
    void playingChanged(bool playing);

private:
    QPointer<Control> m_target;
    QPropertyAnimation *m_animation;
    float m_from = 0;
    float m_to = 1;
};

} // namespace trellan
} // namespace hx

#endif

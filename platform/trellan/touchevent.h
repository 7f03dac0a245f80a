#ifndef HX_TRELLAN_TOUCHEVENT_H
#define HX_TRELLAN_TOUCHEVENT_H

#include <QtCore/QObject>

namespace hx {
namespace trellan {

class Control;

// One touch on a control: down, move, up or cancel (TouchType), with its position.
class TouchEvent : public QObject
{
    Q_OBJECT
    Q_PROPERTY(int touchType READ touchType CONSTANT)
    Q_PROPERTY(float localX READ localX CONSTANT)
    Q_PROPERTY(float localY READ localY CONSTANT)
public:
    explicit TouchEvent(int touchType, float localX = 0, float localY = 0, QObject *parent = nullptr);

    int touchType() const { return m_type; }
    bool isDown() const { return m_type == 0; }
    bool isUp() const { return m_type == 2; }
    float localX() const { return m_x; }
    float localY() const { return m_y; }
    Control *target() const { return m_target; }
    void setTarget(Control *target) { m_target = target; }

private:
    int m_type;
    float m_x;
    float m_y;
    Control *m_target = nullptr;
};

} // namespace trellan
} // namespace hx

#endif

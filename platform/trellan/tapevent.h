#ifndef HX_TRELLAN_TAPEVENT_H
#define HX_TRELLAN_TAPEVENT_H

#include <QtCore/QMetaType>
#include <QtCore/QObject>

namespace hx {
namespace trellan {

// A tap recognised on a control by its TapHandler.
class TapEvent : public QObject
{
    Q_OBJECT
    Q_PROPERTY(float x READ x CONSTANT)
    Q_PROPERTY(float y READ y CONSTANT)
public:
    explicit TapEvent(float x = 0, float y = 0, QObject *parent = nullptr);

    float x() const { return m_x; }
    float y() const { return m_y; }

private:
    float m_x;
    float m_y;
};

} // namespace trellan
} // namespace hx

Q_DECLARE_METATYPE(hx::trellan::TapEvent *)

#endif

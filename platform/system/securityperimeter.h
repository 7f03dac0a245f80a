#ifndef HX_SYSTEM_SECURITYPERIMETER_H
#define HX_SYSTEM_SECURITYPERIMETER_H

#include <QtCore/QMetaType>
#include <QtCore/QObject>

namespace hx {
namespace system {

// The space an application or a request belongs to: the user's own or the employer's.
class SecurityPerimeter
{
    Q_GADGET
public:
    enum Type { Default = 0, Enterprise = 1, Personal = 2 };
    Q_ENUM(Type)

private:
    SecurityPerimeter() = delete;
};

} // namespace system
} // namespace hx

Q_DECLARE_METATYPE(hx::system::SecurityPerimeter::Type)

#endif

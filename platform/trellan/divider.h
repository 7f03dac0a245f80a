#ifndef HX_TRELLAN_DIVIDER_H
#define HX_TRELLAN_DIVIDER_H

#include <hx/trellan/control.h>

namespace hx {
namespace trellan {

// A thin separating line.
class Divider : public Control
{
    Q_OBJECT
public:
    explicit Divider(QObject *parent = nullptr);
};

} // namespace trellan
} // namespace hx

#endif

#ifndef HX_TRELLAN_LAYOUT_H
#define HX_TRELLAN_LAYOUT_H

#include <hx/trellan/uiobject.h>

namespace hx {
namespace trellan {

// How a container arranges its children; stored only.
class Layout : public UIObject
{
    Q_OBJECT
public:
    explicit Layout(QObject *parent = nullptr);
    // "stack" or "dock", for the screen text.
    virtual QString kind() const = 0;
};

} // namespace trellan
} // namespace hx

#endif

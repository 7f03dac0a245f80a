#ifndef HX_TRELLAN_PLACES_MYACTIONBUTTON_H
#define HX_TRELLAN_PLACES_MYACTIONBUTTON_H

#include <hx/trellan/places/hxplacesglobal.h>

#include <hx/trellan/button.h>

namespace hx {
namespace trellan {
namespace places {

// A compact button: narrow and half height.
class HXPLACES_EXPORT MyActionButton : public hx::trellan::Button
{
    Q_OBJECT
public:
    static constexpr float MAX_WIDTH = 200;
    static constexpr float VERTICAL_SCALE = 0.5f;

    explicit MyActionButton(const QString &text = QString(), QObject *parent = nullptr);
};

} // namespace places
} // namespace trellan
} // namespace hx

#endif

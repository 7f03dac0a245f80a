#ifndef HX_TRELLAN_PLACES_GRADIENTBACKGROUND_H
#define HX_TRELLAN_PLACES_GRADIENTBACKGROUND_H

#include <hx/trellan/places/hxplacesglobal.h>

#include <hx/trellan/container.h>

namespace hx {
namespace trellan {
namespace places {

// Fills its parent with the rating bar's gradient, so text laid over a map stays readable.
class HXPLACES_EXPORT GradientBackground : public hx::trellan::Container
{
    Q_OBJECT
public:
    explicit GradientBackground(QObject *parent = nullptr);
};

} // namespace places
} // namespace trellan
} // namespace hx

#endif

#ifndef HX_TRELLAN_PLACES_DISTANCE_P_H
#define HX_TRELLAN_PLACES_DISTANCE_P_H

namespace hx {
namespace trellan {
class Label;
namespace places {

class DistancePrivate
{
public:
    // Owned by the Distance container.
    hx::trellan::Label *label = nullptr;
    double metres = -1.0;
};

} // namespace places
} // namespace trellan
} // namespace hx

#endif

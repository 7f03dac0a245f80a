#include <hx/trellan/places/ratinginfo.h>

namespace hx {
namespace trellan {
namespace places {

namespace {
const int ratingInfoMetaType = qRegisterMetaType<RatingInfo>("hx::trellan::places::RatingInfo");
}

RatingInfo::RatingInfo(double rating, int ratingCount) : m_rating(rating), m_ratingCount(ratingCount) { }

RatingInfo::~RatingInfo() = default;

} // namespace places
} // namespace trellan
} // namespace hx

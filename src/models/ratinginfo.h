#ifndef HX_TRELLAN_PLACES_RATINGINFO_H
#define HX_TRELLAN_PLACES_RATINGINFO_H

#include <hx/trellan/places/hxplacesglobal.h>

#include <QtCore/QMetaType>

namespace hx {
namespace trellan {
namespace places {

// A place's average rating and number of ratings; (-1.0, -1) when none is known.
class HXPLACES_EXPORT RatingInfo
{
public:
    RatingInfo() = default;
    RatingInfo(double rating, int ratingCount);
    RatingInfo(const RatingInfo &other) = default;
    RatingInfo &operator=(const RatingInfo &other) = default;
    virtual ~RatingInfo();

    double rating() const { return m_rating; }
    int ratingCount() const { return m_ratingCount; }
    bool isKnown() const { return m_ratingCount >= 0; }

    bool operator==(const RatingInfo &other) const
    {
        return m_rating == other.m_rating && m_ratingCount == other.m_ratingCount;
    }
    bool operator!=(const RatingInfo &other) const { return !(*this == other); }

private:
    double m_rating = -1.0;
    int m_ratingCount = -1;
};

} // namespace places
} // namespace trellan
} // namespace hx

Q_DECLARE_METATYPE(hx::trellan::places::RatingInfo)

#endif

#ifndef HX_TRELLAN_PLACES_RATINGBAR_H
#define HX_TRELLAN_PLACES_RATINGBAR_H

#include <hx/platform/places/pointofinterestauxiliarydata.h>
#include <hx/trellan/container.h>
#include <hx/trellan/places/hxplacesglobal.h>

namespace hx {
namespace trellan {
class FadeTransition;
namespace places {

// The compact rating in the map dock: stars, "(count)", the provider's logo and an arrow to the
// reviews. Fades in when built; a tap asks for the details.
class HXPLACES_EXPORT RatingBar : public hx::trellan::Container
{
    Q_OBJECT

public:
    explicit RatingBar(const hx::platform::places::PointOfInterestAuxiliaryData &poi, QObject *parent = nullptr);
    ~RatingBar() override;

    hx::trellan::FadeTransition *fadeIn() const { return m_fadeIn; }

signals:
    void showDetails();

private:
    hx::trellan::FadeTransition *m_fadeIn;
};

} // namespace places
} // namespace trellan
} // namespace hx

#endif

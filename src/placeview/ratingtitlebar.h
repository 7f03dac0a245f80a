#ifndef HX_TRELLAN_PLACES_RATINGTITLEBAR_H
#define HX_TRELLAN_PLACES_RATINGTITLEBAR_H

#include <hx/platform/places/pointofinterestauxiliarydata.h>
#include <hx/trellan/container.h>
#include <hx/trellan/image.h>
#include <hx/trellan/places/hxplacesglobal.h>

namespace hx {
namespace trellan {
class ImageView;
class Label;
class StackLayout;
namespace places {

// The top of the review sheet: the thumbnail once loaded, the place name, its stars and count.
class HXPLACES_EXPORT RatingTitleBar : public hx::trellan::Container
{
    Q_OBJECT

public:
    explicit RatingTitleBar(QObject *parent = nullptr);
    ~RatingTitleBar() override;

public slots:
    void showThumbnail(hx::trellan::Image &image);
    void showContent(const QString &name, const hx::platform::places::PointOfInterestAuxiliaryData &poi);

private:
    hx::trellan::Container *m_thumbnailContainer;
    hx::trellan::ImageView *m_thumbnail;
    hx::trellan::Label *m_name;
    hx::trellan::Container *m_ratingRow;
    hx::trellan::StackLayout *m_ratingLayout;
};

} // namespace places
} // namespace trellan
} // namespace hx

#endif

#ifndef HX_TRELLAN_PLACES_RATINGDETAILS_H
#define HX_TRELLAN_PLACES_RATINGDETAILS_H

#include <hx/platform/places/auxiliarydata.h>
#include <hx/platform/places/place.h>
#include <hx/platform/places/pointofinterestauxiliarydata.h>
#include <hx/trellan/image.h>
#include <hx/trellan/places/hxplacesglobal.h>
#include <hx/trellan/places/pickerretrans.h>
#include <hx/trellan/sheet.h>

#include <QtCore/QPointer>
#include <QtCore/QSharedPointer>

namespace hx {
namespace trellan {
class Container;
class Header;
class Label;
class NavigationPane;
class Page;
class TapEvent;
namespace places {

class RatingProvider;
class RatingTitleBar;
class WebReview;

// The review sheet: the place's rating, the latest reviews (asked for once, when first opened)
// and a link to the full reviews on the provider's site.
class HXPLACES_EXPORT RatingDetails : public hx::trellan::Sheet, public PickerRetrans
{
    Q_OBJECT

public:
    RatingDetails(const QSharedPointer<hx::platform::places::Place> &place,
                  const hx::platform::places::PointOfInterestAuxiliaryData &poi, QObject *parent = nullptr);
    ~RatingDetails() override;

    void retranslateUI() override;

signals:
    void thumbnailAvailable(hx::trellan::Image &image);

public slots:
    void showContent();
    void onBusinessResult(const QList<hx::platform::places::AuxiliaryData> &data);
    void onError();
    void onTap(hx::trellan::TapEvent *event);
    void onFocusHighlight(bool highlighted);
    void onPopTransitionEnded(hx::trellan::Page *page);

private:
    hx::trellan::Container *buildContent();
    hx::trellan::Container *buildLink();

    QSharedPointer<hx::platform::places::Place> m_place;
    hx::platform::places::PointOfInterestAuxiliaryData m_poi;
    RatingProvider *m_provider;
    hx::trellan::NavigationPane *m_pane = nullptr;
    RatingTitleBar *m_titleBar = nullptr;
    hx::trellan::Container *m_activity = nullptr;
    hx::trellan::Container *m_reviews = nullptr;
    hx::trellan::Header *m_reviewsHeader = nullptr;
    hx::trellan::Container *m_linkContainer = nullptr;
    hx::trellan::Label *m_link = nullptr;
    QPointer<WebReview> m_web; // the last full reviews page opened
};

} // namespace places
} // namespace trellan
} // namespace hx

#endif

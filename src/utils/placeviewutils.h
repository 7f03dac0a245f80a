#ifndef HX_TRELLAN_PLACES_PLACEVIEWUTILS_H
#define HX_TRELLAN_PLACES_PLACEVIEWUTILS_H

#include <hx/trellan/places/hxplacesglobal.h>

#include <QtCore/QString>
#include <hx/platform/places/location.h>
#include <hx/trellan/textstyle.h>

namespace hx {
namespace trellan {
namespace places {

// Presentation helpers of the place card.
class HXPLACES_EXPORT PlaceViewUtils
{
public:
    PlaceViewUtils() = delete;

    // ---- Address text ----

    // The location's address as display text on at most lineCount lines: the street on its own
    // line from 2 lines on, the country on its own line from 3 lines on, everything else joined
    // by ", " (the postal code follows the region after a blank).
    static QString addressString(const hx::platform::places::Location &location, int lineCount);

    // ---- Text styles of the card ----

    static hx::trellan::TextStyle editDataTextStyle();
    static hx::trellan::TextStyle placeNameTextStyle();
    static hx::trellan::TextStyle addressTextStyle();
    static hx::trellan::TextStyle addressInSelectModeTextStyle();
    static hx::trellan::TextStyle addressNotFoundTextStyle();
    static hx::trellan::TextStyle editWorkPhoneTextStyle();
    static hx::trellan::TextStyle phoneTextStyle();
    static hx::trellan::TextStyle urlTextStyle();
    static hx::trellan::TextStyle emailTextStyle();
    static hx::trellan::TextStyle uriTextStyle();
    static hx::trellan::TextStyle yelpReadMoreReviewsTextStyle();
    static hx::trellan::TextStyle descriptionTextStyle();
    static hx::trellan::TextStyle editDescriptionTextStyle();
    static hx::trellan::TextStyle titleBarTextStyle();
    static hx::trellan::TextStyle distanceLabelTextStyle();
    static hx::trellan::TextStyle supportingTextMediumTextStyle();
    static hx::trellan::TextStyle bodyTextTextStyle();
};

} // namespace places
} // namespace trellan
} // namespace hx

#endif

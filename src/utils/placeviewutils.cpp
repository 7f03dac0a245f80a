#include <hx/trellan/places/placeviewutils.h>

#include <hx/trellan/places/placeutils.h>

namespace hx {
namespace trellan {
namespace places {

using hx::trellan::SystemDefaults;
using hx::trellan::TextStyle;

namespace {

// A base style with the card's size, colour and weight; 0 or a null colour keep the base's.
TextStyle styled(TextStyle style, int fontSize, const hx::trellan::Color &color, int fontWeight)
{
    style.setFontSize(fontSize);
    style.setColor(color);
    style.setFontWeight(fontWeight);
    return style;
}

} // namespace

QString PlaceViewUtils::addressString(const hx::platform::places::Location &location, int lineCount)
{
    const hx::platform::places::Address address = location.address();
    QString text;
    // Whether a part precedes on the current line, so the next one needs a separator.
    bool partBefore = false;
    if (!address.street().isEmpty()) {
        text += address.street();
        if (lineCount > 1) {
            text += QStringLiteral(",\n");
            partBefore = false;
        } else {
            partBefore = true;
        }
    }
    if (!address.city().isEmpty()) {
        if (partBefore)
            text += QStringLiteral(", ");
        text += address.city();
        partBefore = true;
    }
    bool regionAppended = false;
    if (!address.region().isEmpty()) {
        if (partBefore)
            text += QStringLiteral(", ");
        text += address.region();
        partBefore = true;
        regionAppended = true;
    }
    if (!address.postalCode().isEmpty()) {
        if (regionAppended)
            text += QLatin1Char(' ');
        else if (partBefore)
            text += QStringLiteral(", ");
        text += address.postalCode();
        partBefore = true;
    }
    if (lineCount > 2) {
        text += QStringLiteral(",\n");
        partBefore = false;
    }
    if (!address.country().isEmpty()) {
        if (partBefore)
            text += QStringLiteral(", ");
        text += address.country();
    }
    text = text.trimmed();
    if (text.endsWith(QLatin1Char(',')))
        text.chop(1);
    return text;
}

TextStyle PlaceViewUtils::editDataTextStyle()
{
    return styled(SystemDefaults::TextStyles::bodyText(), 100, hx::trellan::Color(), 0);
}

TextStyle PlaceViewUtils::placeNameTextStyle()
{
    return styled(SystemDefaults::TextStyles::bodyText(), 0, PlaceUtils::DETAIL_CONTENT_TEXT_COLOR, 0);
}

TextStyle PlaceViewUtils::addressTextStyle()
{
    return styled(SystemDefaults::TextStyles::primaryText(), 90, PlaceUtils::ADDRESS_TEXT_COLOR, 0);
}

TextStyle PlaceViewUtils::addressInSelectModeTextStyle()
{
    return styled(SystemDefaults::TextStyles::bodyText(), 90, PlaceUtils::ADDRESS_TEXT_COLOR, 0);
}

TextStyle PlaceViewUtils::addressNotFoundTextStyle()
{
    return styled(SystemDefaults::TextStyles::smallText(), 0, PlaceUtils::TEXT_ERROR_COLOR_1, 0);
}

TextStyle PlaceViewUtils::editWorkPhoneTextStyle()
{
    return styled(SystemDefaults::TextStyles::bodyText(), 110, PlaceUtils::TEXT_COLOR_3, 0);
}

TextStyle PlaceViewUtils::phoneTextStyle()
{
    return styled(SystemDefaults::TextStyles::bodyText(), 90, PlaceUtils::PHONE_TEXT_COLOR, 7);
}

TextStyle PlaceViewUtils::urlTextStyle()
{
    return styled(SystemDefaults::TextStyles::bodyText(), 90, PlaceUtils::PHONE_TEXT_COLOR, 7);
}

TextStyle PlaceViewUtils::emailTextStyle()
{
    return styled(SystemDefaults::TextStyles::bodyText(), 90, PlaceUtils::PHONE_TEXT_COLOR, 7);
}

TextStyle PlaceViewUtils::uriTextStyle()
{
    return styled(SystemDefaults::TextStyles::bodyText(), 90, PlaceUtils::PHONE_TEXT_COLOR, 7);
}

TextStyle PlaceViewUtils::yelpReadMoreReviewsTextStyle()
{
    return styled(SystemDefaults::TextStyles::titleText(), 90, PlaceUtils::PHONE_TEXT_COLOR, 0);
}

TextStyle PlaceViewUtils::descriptionTextStyle()
{
    return styled(SystemDefaults::TextStyles::bodyText(), 100, PlaceUtils::DETAIL_CONTENT_TEXT_COLOR, 0);
}

TextStyle PlaceViewUtils::editDescriptionTextStyle()
{
    return styled(SystemDefaults::TextStyles::bodyText(), 0, PlaceUtils::TEXT_COLOR_2, 0);
}

TextStyle PlaceViewUtils::titleBarTextStyle()
{
    return styled(SystemDefaults::TextStyles::titleText(), 110, PlaceUtils::TITLE_TEXT_COLOR, 0);
}

TextStyle PlaceViewUtils::distanceLabelTextStyle()
{
    return styled(SystemDefaults::TextStyles::bodyText(), 100, PlaceUtils::CAPTION_TEXT_COLOR, 0);
}

TextStyle PlaceViewUtils::supportingTextMediumTextStyle()
{
    return styled(SystemDefaults::TextStyles::subtitleText(), 80, PlaceUtils::CAPTION_TEXT_COLOR, 7);
}

TextStyle PlaceViewUtils::bodyTextTextStyle()
{
    return styled(SystemDefaults::TextStyles::bodyText(), 100, hx::trellan::Color(), 1);
}

} // namespace places
} // namespace trellan
} // namespace hx

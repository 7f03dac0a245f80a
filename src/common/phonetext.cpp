#include <hx/trellan/places/phonetext.h>

#include <hx/trellan/enums.h>
#include <hx/trellan/places/placeutils.h>
#include <hx/trellan/places/placeviewutils.h>
#include <hx/trellan/places/valuetextsetup.h>
#include <hx/trellan/tapevent.h>
#include <hx/trellan/taphandler.h>

namespace hx {
namespace trellan {
namespace places {

PhoneText::PhoneText(const QString &text, bool activeText, bool editable, bool assistantMode, QObject *parent)
    : TextArea(parent), m_assistantMode(assistantMode)
{
    ValueTextSetup::apply(this, editable, PlaceViewUtils::phoneTextStyle(), text);
    if (activeText) {
        setContentFlags(TextContentFlag::ActiveText);
        return;
    }
    qRegisterMetaType<hx::trellan::TapEvent *>("hx::trellan::TapEvent *");
    setContentFlags(TextContentFlag::ActiveTextOff);
    auto *tap = new TapHandler(this);
    connect(tap, &TapHandler::tapped, this, &PhoneText::onTap);
    addGestureHandler(tap);
}

void PhoneText::onTap(hx::trellan::TapEvent *)
{
    call();
}

void PhoneText::onDetailListItemTapped()
{
    call();
}

void PhoneText::call()
{
    // The assistant places calls itself; dialing here would start a second one.
    if (m_assistantMode) {
        emit makeZANTCall(text());
        return;
    }
    PlaceUtils::callPhoneNumber(text());
}

} // namespace places
} // namespace trellan
} // namespace hx

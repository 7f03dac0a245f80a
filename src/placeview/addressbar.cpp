#include <hx/trellan/places/addressbar.h>

#include <hx/trellan/enums.h>
#include <hx/trellan/label.h>
#include <hx/trellan/places/placeutils.h>
#include <hx/trellan/places/placeviewutils.h>

using hx::platform::places::Location;

namespace hx {
namespace trellan {
namespace places {

AddressBar::AddressBar(const QSharedPointer<hx::platform::places::Place> &place, QObject *parent) : Container(parent)
{
    setObjectName(QStringLiteral("AddressBar"));
    setHorizontalAlignment(HorizontalAlignment::Fill);
    setVerticalAlignment(VerticalAlignment::Bottom);
    const Location location = place && place->locationCount() > 0 ? place->location(0) : Location();
    m_label = new Label(PlaceUtils::addressForLocation(location), this);
    m_label->setObjectName(QStringLiteral("AddressLabel"));
    m_label->setTextStyle(PlaceViewUtils::addressTextStyle());
    add(m_label);
}

} // namespace places
} // namespace trellan
} // namespace hx

#include <hx/trellan/places/shopstatus.h>

#include <hx/trellan/enums.h>
#include <hx/trellan/label.h>
#include <hx/trellan/places/placeutils.h>
#include <hx/trellan/places/placeviewutils.h>
#include <hx/trellan/uiconfig.h>

#include <QtCore/QCoreApplication>

namespace hx {
namespace trellan {
namespace places {

const Color ShopStatus::OPEN_COLOR = Color::fromARGB(0xFF00B800);
const Color ShopStatus::CLOSED_COLOR = Color::fromARGB(0xFFB1B1B1);

ShopStatus::ShopStatus(bool open, QObject *parent) : Container(parent), m_open(open)
{
    setObjectName(QStringLiteral("ShopStatus"));
    setLeftMargin(UIConfig::du(PlaceUtils::DETAILVIEW_ITEM_MARGIN));
    setRightMargin(0);
    setRightPadding(UIConfig::du(PlaceUtils::SMALL_PADDING));
    m_label = new Label(this);
    m_label->setObjectName(QStringLiteral("ShopStatusLabel"));
    TextStyle style = PlaceViewUtils::bodyTextTextStyle();
    style.setColor(open ? OPEN_COLOR : CLOSED_COLOR);
    m_label->setTextStyle(style);
    m_label->setVerticalAlignment(VerticalAlignment::Top);
    m_label->setHorizontalAlignment(HorizontalAlignment::Center);
    add(m_label);
    retranslateUI();
}

void ShopStatus::retranslateUI()
{
    m_label->setText(m_open ? QCoreApplication::translate("PlacesDetail", "OPEN")
                            : QCoreApplication::translate("PlacesDetail", "CLOSED"));
}

} // namespace places
} // namespace trellan
} // namespace hx

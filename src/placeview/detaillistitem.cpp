#include <hx/trellan/places/detaillistitem.h>

#include <hx/trellan/docklayout.h>
#include <hx/trellan/enums.h>
#include <hx/trellan/imageview.h>
#include <hx/trellan/places/placeutils.h>
#include <hx/trellan/stacklayout.h>
#include <hx/trellan/taphandler.h>
#include <hx/trellan/uiconfig.h>

#include <QtCore/QMetaObject>

namespace hx {
namespace trellan {
namespace places {

namespace {

Container *stackOf(LayoutOrientation::Type orientation, QObject *parent)
{
    auto *container = new Container(parent);
    auto *layout = new StackLayout(container);
    layout->setOrientation(orientation);
    container->setLayout(layout);
    return container;
}

} // namespace

DetailListItem::DetailListItem(const Image &icon, Control *caption, Control *value, bool focusable, bool showIcon,
                               QObject *parent)
    : Container(parent), m_caption(caption), m_value(value)
{
    setObjectName(QStringLiteral("DetailListItem"));
    setLayout(new DockLayout(this));
    setHorizontalAlignment(HorizontalAlignment::Fill);
    setMinHeight(UIConfig::du(PlaceUtils::DETAILVIEW_LIST_ITEM_HEIGHT));
    setLeftPadding(UIConfig::du(PlaceUtils::SMALL_PADDING));
    setRightPadding(UIConfig::du(PlaceUtils::SMALL_PADDING));

    m_row = stackOf(LayoutOrientation::LeftToRight, this);
    m_row->setHorizontalAlignment(HorizontalAlignment::Fill);
    m_row->setVerticalAlignment(VerticalAlignment::Center);
    auto *iconView = new ImageView(m_row);
    iconView->setObjectName(QStringLiteral("DetailListItemIcon"));
    iconView->setImage(icon);
    iconView->setPreferredSize(UIConfig::du(PlaceUtils::DETAILVIEW_ICON_WIDTH),
                               UIConfig::du(PlaceUtils::DETAILVIEW_ICON_HEIGHT));
    iconView->setVisible(showIcon);
    m_row->add(iconView);

    auto *texts = stackOf(LayoutOrientation::TopToBottom, m_row);
    texts->setSpaceQuota(1);
    if (caption)
        texts->add(caption);
    if (value)
        texts->add(value);
    m_row->add(texts);
    add(m_row);

    setFocusable(focusable);
    auto *tap = new TapHandler(this);
    connect(tap, &TapHandler::tapped, this, &DetailListItem::onTapped);
    addGestureHandler(tap);
}

void DetailListItem::setFocusable(bool focusable)
{
    setFocusPolicy(focusable ? FocusPolicy::Touch : FocusPolicy::None);
}

void DetailListItem::onTapped()
{
    // A value that acts on taps has this slot; captions and plain values have none.
    if (m_value && m_value->metaObject()->indexOfSlot("onDetailListItemTapped()") >= 0)
        QMetaObject::invokeMethod(m_value, "onDetailListItemTapped");
}

} // namespace places
} // namespace trellan
} // namespace hx

#include <hx/trellan/container.h>
#include <hx/trellan/docklayout.h>
#include <hx/trellan/imageview.h>
#include <hx/trellan/label.h>
#include <hx/trellan/places/placeutils.h>
#include <hx/trellan/places/recentsearchitem.h>
#include <hx/trellan/places/resourceutils.h>
#include <hx/trellan/stacklayout.h>
#include <hx/trellan/taphandler.h>
#include <hx/trellan/touchevent.h>
#include <hx/trellan/uiconfig.h>

#include <QtCore/QUrl>

namespace hx {
namespace trellan {
namespace places {

using hx::trellan::Container;
using hx::trellan::UIConfig;

RecentSearchItem::RecentSearchItem(QObject *parent) : CustomListItem(parent), m_term(new hx::trellan::Label)
{
    auto *root = new Container;
    root->setObjectName(QStringLiteral("RecentSearchContainer"));
    auto *layout = new hx::trellan::StackLayout;
    layout->setOrientation(LayoutOrientation::LeftToRight);
    root->setLayout(layout);
    root->setMinHeight(UIConfig::du(PlaceUtils::PICKER_LISTITEM_HEIGHT));
    auto *iconBox = new Container;
    iconBox->setLayout(new hx::trellan::DockLayout);
    iconBox->setPreferredWidth(UIConfig::du(PlaceUtils::PICKER_LISTITEM_ICON_WIDTH));
    auto *icon = new hx::trellan::ImageView;
    icon->setObjectName(QStringLiteral("RecentSearchIcon"));
    icon->setImageSource(QUrl(ResourceUtils::getAssetPath(QStringLiteral("search.png"))));
    icon->setPreferredSize(UIConfig::du(PlaceUtils::LIST_ICON_SIZE), UIConfig::du(PlaceUtils::LIST_ICON_SIZE));
    icon->setHorizontalAlignment(HorizontalAlignment::Center);
    icon->setVerticalAlignment(VerticalAlignment::Center);
    iconBox->add(icon);
    root->add(iconBox);
    m_term->setObjectName(QStringLiteral("RecentSearchTerm"));
    m_term->setVerticalAlignment(VerticalAlignment::Center);
    root->add(m_term);
    auto *tap = new hx::trellan::TapHandler;
    root->addGestureHandler(tap);
    connect(tap, &hx::trellan::TapHandler::tapped, this, &RecentSearchItem::onRecentSearchTapped);
    setContent(root);
}

RecentSearchItem::~RecentSearchItem() = default;

void RecentSearchItem::update(const QVariantList &indexPath, const QString &term)
{
    m_indexPath = indexPath;
    m_term->setText(term);
}

QString RecentSearchItem::term() const
{
    return m_term->text();
}

void RecentSearchItem::onRecentSearchTapped(hx::trellan::TapEvent *)
{
    emit recentSearchClicked(m_indexPath);
}

void RecentSearchItem::onRecentSearchClicked(hx::trellan::TouchEvent *event)
{
    if (event && event->isUp())
        emit recentSearchClicked(m_indexPath);
}

} // namespace places
} // namespace trellan
} // namespace hx

#include <hx/trellan/places/itemicon.h>
#include <hx/trellan/places/itemiconcommon.h>
#include <hx/trellan/places/placeslistitembuilder.h>

namespace hx {
namespace trellan {
namespace places {

ItemIcon::ItemIcon(PlacesListItemBuilder &builder, QObject *parent)
    : CustomControl(parent), m_content(builder.createPlacesListItem())
{
    setObjectName(QStringLiteral("ItemIcon"));
    m_content->init(this);
    setRoot(m_content);
}

ItemIcon::~ItemIcon() = default;

ItemIconCommon *ItemIcon::immediateContent() const
{
    return m_content;
}

void ItemIcon::update(const QVariantList &indexPath, const hx::platform::places::AbstractPlace *place,
                      TitleBarTab::Tab tab, bool highlighted, const RatingInfo &rating)
{
    m_content->updateListItemDescription(indexPath, place, tab, highlighted, rating);
}

} // namespace places
} // namespace trellan
} // namespace hx

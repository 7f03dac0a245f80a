#include <hx/trellan/customlistitem.h>
#include <hx/trellan/listview.h>
#include <hx/trellan/places/currentcoordinate.h>
#include <hx/trellan/places/footer.h>
#include <hx/trellan/places/getgeolocation.h>
#include <hx/trellan/places/itemicon.h>
#include <hx/trellan/places/itemiconcommon.h>
#include <hx/trellan/places/itemtype.h>
#include <hx/trellan/places/log.h>
#include <hx/trellan/places/modelmarker.h>
#include <hx/trellan/places/placesdatamodel.h>
#include <hx/trellan/places/placeslistitembuilder.h>
#include <hx/trellan/places/placeutils.h>
#include <hx/trellan/places/recentsearchitem.h>
#include <hx/trellan/places/searchlistitemmanager.h>
#include <hx/trellan/places/separator.h>

namespace hx {
namespace trellan {
namespace places {

using hx::trellan::Control;
using hx::trellan::CustomListItem;
using hx::trellan::ListView;

namespace {

bool isRecentSearch(const QString &type)
{
    return type == QLatin1String(ItemType::TYPE_RECENTSEARCH) || type == QLatin1String(ItemType::TYPE_POICATEGORY);
}

CachedPlace placeOf(ListView *list, const QVariantList &indexPath)
{
    auto *model = qobject_cast<PlacesDataModel *>(list ? list->dataModel() : nullptr);
    return model ? model->place(indexPath) : CachedPlace();
}

} // namespace

SearchListItemManager::SearchListItemManager(const QSharedPointer<PlacesListItemBuilder> &builder, QObject *parent)
    : QObject(parent), m_builder(builder)
{
    connect(GetGeolocation::getCoordinate(PlaceUtils::genericRequest), &CurrentCoordinate::updated, this,
            &SearchListItemManager::onLocationUpdated, Qt::QueuedConnection);
}

SearchListItemManager::~SearchListItemManager() = default;

Control *SearchListItemManager::createItem(ListView *list, const QString &type)
{
    m_list = list;
    if (ItemType::isHeader(type))
        return new Separator(type);
    if (ItemType::isFooter(type)) {
        auto *footer = new Footer(type);
        connect(footer, &Footer::footerClicked, this, &SearchListItemManager::footerClicked);
        auto *item = new CustomListItem;
        connect(item, &CustomListItem::focusHighlightChanged, footer, &Footer::onFocusHighlight);
        item->setContent(footer);
        return item;
    }
    if (isRecentSearch(type)) {
        auto *item = new RecentSearchItem;
        connect(item, &RecentSearchItem::recentSearchClicked, this, &SearchListItemManager::recentSearchClicked);
        return item;
    }
    return createPlaceItem();
}

Control *SearchListItemManager::createPlaceItem()
{
    if (!m_builder) {
        Log::warning() << "hx::trellan::places::SearchListItemManager::createItem() placesListItemBuilder is null.";
        auto *item = new ItemIconCommon;
        item->init(nullptr);
        connect(item, QOverload<const QVariantList &>::of(&ItemIconCommon::titleClicked), this,
                &SearchListItemManager::titleClicked);
        connect(item, QOverload<const QVariantList &>::of(&ItemIconCommon::infoClicked), this,
                &SearchListItemManager::infoClicked);
        return item;
    }
    auto *item = new ItemIcon(*m_builder);
    connect(item, &ItemIcon::titleClicked, this, &SearchListItemManager::titleClicked);
    connect(item, &ItemIcon::infoClicked, this, &SearchListItemManager::infoClicked);
    return item;
}

void SearchListItemManager::updateItem(ListView *list, Control *listItem, const QString &type,
                                       const QVariantList &indexPath, const QVariant &data)
{
    m_list = list;
    if (auto *separator = qobject_cast<Separator *>(listItem)) {
        separator->setKey(type);
        return;
    }
    if (auto *footer = listItem->findChild<Footer *>()) {
        footer->setIndexPath(indexPath);
        return;
    }
    const CachedPlace place = placeOf(list, indexPath);
    if (auto *recent = qobject_cast<RecentSearchItem *>(listItem)) {
        recent->update(indexPath, place ? place->name() : QString());
        return;
    }
    auto *icon = qobject_cast<ItemIcon *>(listItem);
    ItemIconCommon *content = icon ? icon->immediateContent() : qobject_cast<ItemIconCommon *>(listItem);
    if (!content)
        return;
    content->updateSearchCoordinates(m_searchCoordinates);
    content->updateListItemDescription(indexPath, place.data(), m_tab, false, data.value<ModelMarker>().ratingInfo());
}

void SearchListItemManager::setFilter(TitleBarTab::Tab tab)
{
    m_tab = tab;
}

void SearchListItemManager::updateSearchCoordinates(const hx::platform::places::Coordinates &coordinates)
{
    m_searchCoordinates = coordinates;
}

void SearchListItemManager::onLocationUpdated()
{
    if (m_list)
        m_list->refreshItems();
}

} // namespace places
} // namespace trellan
} // namespace hx

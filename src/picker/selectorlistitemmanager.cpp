#include <hx/trellan/customlistitem.h>
#include <hx/trellan/listview.h>
#include <hx/trellan/places/currentcoordinate.h>
#include <hx/trellan/places/footer.h>
#include <hx/trellan/places/getgeolocation.h>
#include <hx/trellan/places/itemicon.h>
#include <hx/trellan/places/itemiconcommon.h>
#include <hx/trellan/places/itemtype.h>
#include <hx/trellan/places/modelmarker.h>
#include <hx/trellan/places/placesdatamodel.h>
#include <hx/trellan/places/placeutils.h>
#include <hx/trellan/places/selectorlistitemmanager.h>
#include <hx/trellan/places/separator.h>
#include <hx/trellan/places/singlesearchfilterdatamodel.h>
#include <hx/trellan/places/tcsplaceslistitembuilder.h>

namespace hx {
namespace trellan {
namespace places {

using hx::trellan::Control;
using hx::trellan::CustomListItem;
using hx::trellan::ListView;

namespace {

// Ratings come with the filtered model's rows; other models carry them in the row's marker.
RatingInfo ratingOf(PlacesDataModel *model, const QVariantList &indexPath, const QVariant &data)
{
    if (auto *filtered = qobject_cast<SingleSearchFilterDataModel *>(model))
        return filtered->ratingInfo(indexPath);
    return data.value<ModelMarker>().ratingInfo();
}

} // namespace

SelectorListItemManager::SelectorListItemManager(TitleBarTab::Tab tab, bool highlightFirstItem, QObject *parent)
    : QObject(parent), m_tab(tab), m_builder(new TCSPlacesListItemBuilder), m_highlightFirstItem(highlightFirstItem)
{
    connect(GetGeolocation::getCoordinate(PlaceUtils::genericRequest), &CurrentCoordinate::updated, this,
            &SelectorListItemManager::onLocationUpdated, Qt::QueuedConnection);
}

SelectorListItemManager::~SelectorListItemManager() = default;

void SelectorListItemManager::watch(ListView *list)
{
    if (!list || m_list == list)
        return;
    m_list = list;
    connect(list, &ListView::triggered, this, &SelectorListItemManager::onTriggered, Qt::UniqueConnection);
}

Control *SelectorListItemManager::createItem(ListView *list, const QString &type)
{
    watch(list);
    if (ItemType::isHeader(type))
        return new Separator(type);
    if (ItemType::isFooter(type)) {
        auto *footer = new Footer(type);
        connect(footer, &Footer::footerClicked, this, &SelectorListItemManager::onFooterClicked);
        auto *item = new CustomListItem;
        connect(item, &CustomListItem::focusHighlightChanged, footer, &Footer::onFocusHighlight);
        item->setContent(footer);
        return item;
    }
    auto *item = new ItemIcon(*m_builder);
    connect(item, &ItemIcon::contextActionTriggered, this, &SelectorListItemManager::contextActionTriggered);
    connect(item, &ItemIcon::titleClicked, this, &SelectorListItemManager::onTitleClicked);
    connect(item, &ItemIcon::infoClicked, this, &SelectorListItemManager::onInfoClicked);
    return item;
}

void SelectorListItemManager::updateItem(ListView *list, Control *listItem, const QString &type,
                                         const QVariantList &indexPath, const QVariant &data)
{
    watch(list);
    if (auto *separator = qobject_cast<Separator *>(listItem)) {
        separator->setKey(type);
        return;
    }
    if (auto *footer = listItem->findChild<Footer *>()) {
        footer->setIndexPath(indexPath);
        return;
    }
    auto *icon = qobject_cast<ItemIcon *>(listItem);
    if (!icon)
        return;
    auto *model = qobject_cast<PlacesDataModel *>(list ? list->dataModel() : nullptr);
    const CachedPlace place = model ? model->place(indexPath) : CachedPlace();
    icon->update(indexPath, place.data(), m_tab, false, ratingOf(model, indexPath, data));
    highlightFirstItem(list, indexPath);
}

void SelectorListItemManager::highlightFirstItem(ListView *list, const QVariantList &indexPath)
{
    // Rows are updated in any order; only the top row takes the focus.
    if (!m_highlightFirstItem || m_firstItemHighlighted || !list || indexPath != QVariantList { 0 })
        return;
    m_firstItemHighlighted = true;
    list->setAsFocused(indexPath);
}

void SelectorListItemManager::setTab(TitleBarTab::Tab tab)
{
    m_tab = tab;
}

void SelectorListItemManager::setHighlightOnFirstListItem()
{
    if (m_highlightFirstItem)
        return;
    m_highlightFirstItem = true;
    if (m_list)
        m_list->refreshItems();
}

void SelectorListItemManager::onTriggered(const QVariantList &indexPath)
{
    const Touchable touched = m_touched;
    m_touched = NOTOUCH;
    m_touchedIndexPath.clear();
    if (touched == DESCRIPTION)
        Q_EMIT titleClicked(indexPath);
    else if (touched == INFO)
        Q_EMIT infoClicked(indexPath);
}

void SelectorListItemManager::onTitleClicked(const QVariantList &indexPath)
{
    m_touched = DESCRIPTION;
    m_touchedIndexPath = indexPath;
}

void SelectorListItemManager::onInfoClicked(const QVariantList &indexPath)
{
    m_touched = INFO;
    m_touchedIndexPath = indexPath;
}

void SelectorListItemManager::onLocationUpdated()
{
    if (m_list)
        m_list->refreshItems();
}

void SelectorListItemManager::onFooterClicked(const QVariantList &indexPath)
{
    Q_EMIT footerClicked(indexPath);
}

} // namespace places
} // namespace trellan
} // namespace hx
